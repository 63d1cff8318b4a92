#!/usr/bin/env bash
# CI, packages: the .deb (release workflow) and the Windows .zip; the .deb is
# unpacked into a scratch root and its binary and manual page are tried.
set -euo pipefail
cd "$(dirname "$0")/.."

export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq cmake g++ libgtest-dev dpkg-dev file unzip man-db groff-base \
  g++-mingw-w64-x86-64-posix >/dev/null

cmake --workflow --preset release
cmake --workflow --preset windows
deb=$(ls build-release/zuvaridaviredoz_*.deb)
zip=$(ls build-windows/zuvaridaviredoz-*.zip)
echo "packages: $deb $zip"
contents=$(unzip -Z1 "$zip")
grep -q 'bin/zuvaridaviredoz.exe$' <<<"$contents"
grep -q 'share/man/man1/zuvaridaviredoz.1$' <<<"$contents"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root"
bin=$root/usr/bin/zuvaridaviredoz
page=$root/usr/share/man/man1/zuvaridaviredoz.1
[ -f "$page" ] || page=$page.gz
[ -f "$page" ]
usage=$("$bin" -h </dev/null)
grep -qx "usage:" <<<"$usage"
(cd "$root" && "$bin" -g "$OLDPWD/examples/picture.txt" page.html "$OLDPWD/examples/links.txt" </dev/null)
cmp "$root/page.html" tests/e2e/cases/generate-example/expected/files/page.html
warnings=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
[ -z "$warnings" ] || { echo "$warnings" >&2; exit 1; }
echo "installed binary and manual page work"
