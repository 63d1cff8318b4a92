#!/usr/bin/env bash
# Speed and memory benchmark of the generate and test commands.
#
#   bench/run.sh            (from the repository root; a few minutes)
#   bench/run.sh --no-1g    skips the 1 GiB picture (its page goes to /dev/null)
#   PAIRS=9 bench/run.sh    more timed pairs
#
# Builds a release binary in build-bench, makes every input from a fixed seed
# in a scratch folder on /dev/shm (so the disk is out of the measurement),
# compares the generate time with the time `cat` takes to copy the page it
# wrote, and removes everything again at the end.
set -euo pipefail
cd "$(dirname "$0")/.."

with1g=1
[[ "${1:-}" == "--no-1g" ]] && with1g=0
pairs=${PAIRS:-5}

cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DZUVA_BUILD_TESTS=OFF >/dev/null
cmake --build build-bench -j2 >/dev/null
bin=$PWD/build-bench/zuvaridaviredoz

work=$(mktemp -d /dev/shm/zuva-bench.XXXXXX)
trap 'rm -rf "$work"' EXIT
cd "$work"

MiB=$((1024 * 1024))

# --- inputs ---------------------------------------------------------------

# 8192 rows of 79 characters: half "~" (ignored), the rest from "#+*X=%@".
# A Park-Miller generator stays exact in awk's doubles, so every awk gives the
# same bytes.
awk 'BEGIN {
  x = 20261211; chars = "#+*X=%@"
  for (row = 0; row < 8192; ++row) {
    line = ""
    for (col = 0; col < 79; ++col) {
      x = (x * 16807) % 2147483647
      r = x % 14
      line = line (r < 7 ? "~" : substr(chars, r - 6, 1))
    }
    print line
  }
}' >block.txt

# The same rows as one line without line ends.
tr -d '\n' <block.txt >blockline.txt

# Writes the first $2 bytes of ${3:-block.txt}, repeated over and over, to $1.
repeat_block() {
  cp "${3:-block.txt}" grow.txt
  while (($(stat -c %s grow.txt) < $2)); do
    cat grow.txt grow.txt >grow2.txt
    mv grow2.txt grow.txt
  done
  head -c "$2" grow.txt >"$1"
  rm grow.txt
}

# Addresses of about 45 bytes each; $1 of them.
make_links() {
  awk -v n="$1" 'BEGIN {
    print "#ignore"; print "~"; print "#links"
    for (i = 0; i < n; ++i) printf "https://pictures.example.org/p/%07d/img.jpg\n", i
  }'
}
make_links 100 >links.txt
make_links 1000000 >links1m.txt

now() { echo "${EPOCHREALTIME/[,.]/}"; }  # microseconds

# Runs a command (its words as arguments) and prints its wall time in seconds.
wall() {
  local t0 t1
  t0=$(now)
  "$@"
  t1=$(now)
  awk -v d=$((t1 - t0)) 'BEGIN { printf "%.4f\n", d / 1e6 }'
}

gen() { "$bin" -g "$1" "$2" "${3:-links.txt}" </dev/null >/dev/null; }
copy() { cat "$1" >"$2"; }
testpage() { "$bin" -t "$1" "$2" </dev/null >/dev/null; }

# Peak RSS in KiB of a command.
peak_kib() {
  /usr/bin/time -f %M -o mem.txt "$@" </dev/null >/dev/null
  cat mem.txt
}

# Median, min and max of the numbers on standard input.
stats() { sort -g | awk '{ v[NR] = $1 } END { m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; printf "%.3f %.3f %.3f\n", m, v[1], v[NR] }'; }
median() { stats | cut -d' ' -f1; }

# Times $pairs alternating pairs: the command (from the third argument on),
# which writes the page $2, then `cat` copying that page. Prints the median,
# min and max of the ratios; each pair's times go to standard error, labelled
# $1.
ratio_pairs() {
  local label=$1 page=$2 i t c ratios=() ts=() cs=()
  shift 2
  # A first pair, not counted, so memory the machine has not handed out
  # before is not charged to whichever of the two comes first.
  rm -f "$page" copy.html
  "$@"
  copy "$page" copy.html
  for ((i = 0; i < pairs; ++i)); do
    rm -f "$page" copy.html
    t=$(wall "$@")
    c=$(wall copy "$page" copy.html)
    ratios+=("$(awk -v t="$t" -v c="$c" 'BEGIN { printf "%.4f\n", t / c }')")
    ts+=("$t")
    cs+=("$c")
    echo "  pair $((i + 1)): $label ${t}s cat ${c}s" >&2
  done
  rm -f copy.html
  # Also the median time against the fastest copy: on a machine whose copies
  # vary a lot, the plainer comparison.
  local tmed cmin
  tmed=$(printf '%s\n' "${ts[@]}" | median)
  cmin=$(printf '%s\n' "${cs[@]}" | stats | cut -d' ' -f2)
  echo "$(printf '%s\n' "${ratios[@]}" | stats) $(awk -v t="$tmed" -v c="$cmin" 'BEGIN { printf "%.3f", t / c }')"
}

# --- 1. generate against cat, 32 MiB picture ------------------------------

repeat_block pic32.txt $((32 * MiB))
read -r rmed rmin rmax rfast < <(ratio_pairs generate page.html gen pic32.txt page.html)
page_mb=$(awk -v s="$(stat -c %s page.html)" 'BEGIN { printf "%.0f", s / 1e6 }')
echo "generate/cat ratio, 32 MiB picture (${page_mb} MB page, ${pairs} pairs): median $rmed min $rmin max $rmax (target <= 1.15); median generate / fastest cat $rfast"

# --- 2. memory --------------------------------------------------------------

mem32=$(peak_kib "$bin" -g pic32.txt page.html links.txt)
rm -f page.html
repeat_block rows64.txt $((64 * MiB))
repeat_block line64.txt $((64 * MiB)) blockline.txt
memline=$(peak_kib "$bin" -g line64.txt /dev/null links.txt)
rm -f line64.txt
mem1g="skipped (--no-1g)"
if ((with1g)); then
  repeat_block pic1g.txt $((1024 * MiB))
  mem1g="$(peak_kib "$bin" -g pic1g.txt /dev/null links.txt) KiB"
  rm -f pic1g.txt
fi
echo "peak RSS: 32 MiB picture $mem32 KiB, 64 MiB single line $memline KiB, 1 GiB picture $mem1g (target <= 8192 KiB)"

# --- 3. scale ---------------------------------------------------------------

# Milliseconds per MiB of picture, the median of 5 runs writing the page to $1.
per_mib_of() {
  local page=$1 i t times=()
  gen pic.txt "$page" # not counted, as in ratio_pairs
  for ((i = 0; i < 5; ++i)); do
    rm -f page.html
    times+=("$(wall gen pic.txt "$page")")
  done
  t=$(printf '%s\n' "${times[@]}" | median)
  awk -v t="$t" -v s="$size" 'BEGIN { printf "%.2f", t * 1000 / s }'
}
spread_of() { printf '%s\n' "$@" | stats | awk '{ printf "%.1f", ($3 / $2 - 1) * 100 }'; }

# What a run costs whatever the picture: starting, and the first touch of its
# buffers' memory.
: >empty.txt
empty_times=()
for ((i = 0; i < 5; ++i)); do empty_times+=("$(wall gen empty.txt /dev/null)"); done
empty_ms=$(printf '%s\n' "${empty_times[@]}" | median | awk '{ printf "%.1f", $1 * 1000 }')
rm -f empty.txt

per_mib=()
per_mib_null=()
mems=()
for size in 4 16 64; do
  if ((size == 64)); then mv rows64.txt pic.txt; else repeat_block pic.txt $((size * MiB)); fi
  per_mib+=("$(per_mib_of page.html)")
  # The tool's own work, without the file system's share of the time.
  per_mib_null+=("$(per_mib_of /dev/null)")
  mems+=("$(peak_kib "$bin" -g pic.txt /dev/null links.txt)")
  rm -f page.html pic.txt
done
echo "time per MiB of picture (median of 5): 4 MiB ${per_mib[0]} ms, 16 MiB ${per_mib[1]} ms, 64 MiB ${per_mib[2]} ms; max/min $(spread_of "${per_mib[@]}")% (target <= 15%); page to /dev/null ${per_mib_null[0]} / ${per_mib_null[1]} / ${per_mib_null[2]} ms, max/min $(spread_of "${per_mib_null[@]}")%; an empty picture takes $empty_ms ms; peak RSS ${mems[0]} / ${mems[1]} / ${mems[2]} KiB"

# --- 4. test command, 1,000,000 links ---------------------------------------

read -r tmed tmin tmax tfast < <(ratio_pairs test test.html testpage test.html links1m.txt)
rm -f test.html
memt=$(peak_kib "$bin" -t test.html links1m.txt)
# A pipe cannot be read twice, so its links are kept in memory.
/usr/bin/time -f %M -o mem.txt "$bin" -t test.html /dev/stdin < <(cat links1m.txt) >/dev/null
mempipe=$(cat mem.txt)
rm -f test.html
links_kib=$(($(stat -c %s links1m.txt) / 1024))
echo "test/cat ratio, 1,000,000 links: median $tmed min $tmin max $tmax (target <= 1.5), median test / fastest cat $tfast; peak RSS $memt KiB, links from a pipe $mempipe KiB (target <= $((3 * links_kib + 8192)) KiB = 3 x links file + 8 MiB)"
