#!/usr/bin/env bash
# Cross-builds QUOLSA for 64-bit Windows (quolsa.exe, the Windows test executables and the portable
# package) in build-win/ and runs the tests under Wine, with a virtual X server for the windows.
# Needs nothing of the Linux build.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=$root/build-win

wx_prefix=$(bash scripts/windows-setup.sh) || exit 1

jobs=${QUOLSA_JOBS:-2}
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" -DQUOLSA_WX_PREFIX="$wx_prefix" \
  -DQUOLSA_BENCH=OFF >/dev/null || { echo "test-windows: cmake failed" >&2; exit 1; }
cmake --build "$build" -j "$jobs" || { echo "test-windows: the Windows build failed" >&2; exit 1; }
cmake --build "$build" --target windows_package >/dev/null ||
  { echo "test-windows: the package could not be made" >&2; exit 1; }

source scripts/xvfb.sh
start_xvfb || exit 1

# A Wine prefix of the build's own, in the Japanese locale of the program's users. Japanese
# captions need a font that has their glyphs.
export WINEPREFIX=$build/wine WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
if [ ! -f "$WINEPREFIX/.quolsa-ready" ]; then
  echo "test-windows: preparing the Wine prefix"
  rm -rf "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1 &&
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'MS UI Gothic' /d 'IPAPGothic' /f \
      >/dev/null 2>&1 &&
    wineserver -w &&
    touch "$WINEPREFIX/.quolsa-ready" || { echo "test-windows: no Wine prefix" >&2; exit 1; }
fi
wineserver -p 60 # one server for the whole run, gone a minute after the last program
trap 'wineserver -k 2>/dev/null; kill $xvfb_pid 2>/dev/null' EXIT

echo "=== tests: windows (Wine) ==="
status=0
ctest --test-dir "$build" --output-on-failure -j "$jobs" || status=1

if [ $status = 0 ]; then echo "test-windows: all Windows tests passed"; else echo "test-windows: FAILED" >&2; fi
exit $status
