#!/usr/bin/env bash
# Cross-compiles the Windows registry and launcher backends with their test, then runs the
# test under Wine in a fresh private prefix that is removed afterwards. Headless: no
# display is used, and Mono and Gecko are not installed.
# Usage: run-wine-tests.sh <source root> <cross build directory>
set -euo pipefail
source_root=$1
build_dir=$2

cmake -S "$source_root/tests/wine/cross" -B "$build_dir" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$source_root/tests/wine/cross/mingw-w64.cmake" \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build_dir" >/dev/null

wine=$(command -v wine64 || command -v wine)

prefix=$(mktemp -d "${TMPDIR:-/tmp}/orrindel-wine.XXXXXX")
cleanup() {
  WINEPREFIX=$prefix wineserver -k >/dev/null 2>&1 || true
  rm -rf "$prefix"
}
trap cleanup EXIT

export WINEPREFIX=$prefix WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY

# The first start creates the prefix; its chatter goes to stderr, the test's lines to stdout.
"$wine" "$build_dir/registry_wine_test.exe" 2>"$prefix.log" || {
  status=$?
  cat "$prefix.log" >&2
  rm -f "$prefix.log"
  exit $status
}
rm -f "$prefix.log"
