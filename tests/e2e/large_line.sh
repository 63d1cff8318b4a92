#!/usr/bin/env bash
# A picture of one 100 MiB line: the page must come out complete while the
# tool's memory stays flat (the reader hands out pieces, it never holds the
# whole line). Not a golden case, the page would be as big as the picture.
#
#   tests/e2e/large_line.sh BINARY [MAX_RSS_KIB]     (default limit 16 MiB)
set -euo pipefail
[ $# -ge 1 ] || { echo "usage: $0 BINARY [MAX_RSS_KIB]" >&2; exit 2; }
binary=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
max_rss_kib=${2:-16384}
# Without GNU time there is no peak to measure: report a skip (status 77)
# rather than a pass. Debian: apt-get install time.
[ -x /usr/bin/time ] || { echo "SKIP: /usr/bin/time not installed"; exit 77; }
size=$((100 * 1024 * 1024))
link=http://l.test/p.jpg

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
printf '#ignore\n~\n#links\n%s\n' "$link" >links.txt
# Only the first and the last character are linked; the rest is ignored, so
# the page is the picture plus two links plus the fixed frame.
{ printf a; head -c $((size - 2)) /dev/zero | tr '\0' '~'; printf 'b\n'; } >picture.txt

# The fixed frame: the page of an empty picture.
: >empty.txt
"$binary" -g empty.txt frame.html links.txt </dev/null >/dev/null
frame=$(stat -c %s frame.html)

if ! /usr/bin/time -f %M -o rss.txt "$binary" -g picture.txt page.html links.txt </dev/null >out.txt; then
  echo "FAIL: generate exited with status $?"; cat out.txt; exit 1
fi
open="<a href='$link'>"
close="</a>"
tags=$((2 * (${#open} + ${#close})))
expected=$((frame + size + tags))
actual=$(stat -c %s page.html)
rss=$(tail -1 rss.txt)
echo "page $actual bytes (expected $expected), peak RSS $rss KiB (limit $max_rss_kib)"
[ "$actual" -eq "$expected" ] || { echo "FAIL: page size"; exit 1; }
[ "$rss" -lt "$max_rss_kib" ] || { echo "FAIL: memory grew with the line"; exit 1; }
# The page ends with the last linked character and the frame's end.
tail -c 100 page.html | grep -q "~<a href='$link'>b</a></font></body> </html>$" ||
  { echo "FAIL: page end"; tail -c 80 page.html; exit 1; }
