#!/usr/bin/env bash
# Starts the Windows build of QUOLSA (build-win/, made by scripts/test-windows.sh) under Wine and a
# private virtual X server, as on its first run, and saves its main window to
# docs/main-window-wine.png. No real Windows engine is at hand: the loader's complete stand-in engine
# sits in PDFium\x64, so the program starts without the engine-missing message.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
[ -f build-win/bin/quolsa.exe ] || { echo "screenshot-windows: run scripts/test-windows.sh first" >&2; exit 1; }

source scripts/xvfb.sh
start_xvfb
export WINEPREFIX=$root/build-win/wine WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
[ -f "$WINEPREFIX/.quolsa-ready" ] || { echo "screenshot-windows: no Wine prefix" >&2; exit 1; }

install_dir=$(mktemp -d)
trap 'wineserver -k 2>/dev/null || true; rm -rf "$install_dir"; kill $xvfb_pid 2>/dev/null || true' EXIT
cp build-win/bin/quolsa.exe "$install_dir/"
mkdir -p "$install_dir/PDFium/x64"
cp build-win/bin/fakes/complete/pdfium.dll "$install_dir/PDFium/x64/"

(cd "$install_dir" && wine ./quolsa.exe >/dev/null 2>&1 &)
window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Form68$' | head -1)
sleep 2 # let it finish painting
mkdir -p docs
import -window "$window" docs/main-window-wine.png
echo "screenshot-windows: docs/main-window-wine.png"
