#!/usr/bin/env bash
# CI, Windows: cross-build the .exe with mingw-w64, check it is self-contained,
# and run the golden end-to-end cases against it under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq cmake g++-mingw-w64-x86-64-posix wine wine64 >/dev/null

cmake --preset windows >/dev/null
cmake --build --preset windows
exe=build-windows/zuvaridaviredoz.exe

# Only system DLLs may be imported.
dlls=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/.*DLL Name: //p' | tr 'A-Z' 'a-z' | sort -u | tr '\n' ' ')
echo "imports: $dlls"
for dll in $dlls; do
  case $dll in
    kernel32.dll | msvcrt.dll | user32.dll | advapi32.dll) ;;
    *) echo "unexpected DLL: $dll" >&2; exit 1 ;;
  esac
done

export WINEDEBUG=-all WINEPREFIX=${WINEPREFIX:-$(mktemp -d)/wine}
wineboot -i >/dev/null 2>&1 || true
ZUVA_E2E_PLATFORM=windows ZUVA_E2E_WRAPPER=wine tests/e2e/run.sh "$exe"
wineserver -k 2>/dev/null || true
