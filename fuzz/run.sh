#!/usr/bin/env bash
# Builds the libFuzzer targets and runs each for a bounded time.
#
#   fuzz/run.sh [SECONDS]      seconds per target (default 60)
#
# Needs clang++ with libFuzzer ($ZUVA_FUZZ_CXX names another clang). The build goes
# to build-fuzz (or $ZUVA_FUZZ_BUILD).
# New inputs found while running go to a temporary corpus that starts from
# fuzz/corpus/TARGET and is thrown away; a crashing input is kept in
# fuzz/findings/ and the script fails.
set -euo pipefail
seconds=${1:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
build=${ZUVA_FUZZ_BUILD:-$root/build-fuzz}

cmake -S "$root" -B "$build" -DCMAKE_CXX_COMPILER="${ZUVA_FUZZ_CXX:-clang++}" -DZUVA_FUZZ=ON \
  -DZUVA_BUILD_TESTS=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2 --target links_reader_fuzz page_body_fuzz >/dev/null

findings=$root/fuzz/findings
mkdir -p "$findings"
status=0
for target in links_reader_fuzz page_body_fuzz; do
  seeds=$root/fuzz/corpus/${target%_fuzz}
  work=$(mktemp -d)
  cp "$seeds"/* "$work"/
  echo "== $target for ${seconds}s"
  if "$build/fuzz/$target" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
      -print_final_stats=1 -artifact_prefix="$findings/$target-" "$work" 2>"$work.log"; then
    grep -E '^stat::number_of_executed_units|^Done' "$work.log" || true
  else
    status=1
    echo "FAIL $target: finding kept in $findings" >&2
    tail -40 "$work.log" >&2
  fi
  rm -rf "$work" "$work.log"
done
rmdir "$findings" 2>/dev/null || true
exit $status
