#!/usr/bin/env bash
# Runs clang-tidy (checks in .clang-tidy) over every source file in src/,
# using the compile database of a clang build; fails on any finding.
#
#   tools/clang-tidy.sh [BUILD_DIR]     default build-tidy
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-tidy}
cmake -S "$root" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_EXPORT_COMPILE_COMMANDS=ON \
  -DZUVA_BUILD_TESTS=OFF >/dev/null
tidy=$(command -v run-clang-tidy || command -v run-clang-tidy-14) ||
  { echo "run-clang-tidy not found (Debian: clang-tidy)" >&2; exit 2; }
# Only the tool's own sources; the windows file does not compile here.
"$tidy" -p "$build" -quiet "^$root/src/.*\.cpp$"
