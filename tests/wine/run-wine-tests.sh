#!/usr/bin/env bash
# Builds the Windows registry and launcher backends (platform/registry.cpp,
# platform/registry_windows.cpp, platform/launcher_windows.cpp) with their test by mingw-w64,
# then runs it under Wine in a fresh private prefix, removed afterwards. No display is used.
# Usage: run-wine-tests.sh <source root> <build directory>
set -euo pipefail
src=$1
out=$2
mkdir -p "$out"
x86_64-w64-mingw32-g++ -std=c++20 -O1 -Wall -Wextra -Wpedantic -Werror -static -I"$src" \
  -o "$out/registry_wine_test.exe" "$src/tests/wine/registry_wine_test.cpp" \
  "$src/platform/registry.cpp" "$src/platform/registry_windows.cpp" \
  "$src/platform/launcher_windows.cpp" -ladvapi32

prefix=$(mktemp -d "${TMPDIR:-/tmp}/orrindel-wine.XXXXXX")
trap 'WINEPREFIX=$prefix wineserver -k >/dev/null 2>&1 || true; rm -rf "$prefix"' EXIT
export WINEPREFIX=$prefix WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
# The first start creates the prefix; its chatter goes to the log, the test's lines to stdout.
"$(command -v wine64 || command -v wine)" "$out/registry_wine_test.exe" 2>"$out/wine.log" ||
  { cat "$out/wine.log" >&2; exit 1; }
