#!/usr/bin/env bash
# Builds the Windows registry and launcher backends (the system library of platform/system)
# with their test by mingw-w64, through the CMake project in cross/, then runs the test
# under Wine in a fresh private prefix, removed afterwards. No display is used.
# Usage: run-wine-tests.sh <source root> <build directory>
set -euo pipefail
src=$1
out=$2
cmake -S "$src/tests/wine/cross" -B "$out" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_SYSTEM_NAME=Windows -DCMAKE_CXX_COMPILER=x86_64-w64-mingw32-g++ >/dev/null
cmake --build "$out"

prefix=$(mktemp -d "${TMPDIR:-/tmp}/orrindel-wine.XXXXXX")
trap 'WINEPREFIX=$prefix wineserver -k >/dev/null 2>&1 || true; rm -rf "$prefix"' EXIT
export WINEPREFIX=$prefix WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
# The first start creates the prefix; its chatter goes to the log, the test's lines to stdout.
"$(command -v wine64 || command -v wine)" "$out/registry_wine_test.exe" 2>"$out/wine.log" ||
  { cat "$out/wine.log" >&2; exit 1; }
