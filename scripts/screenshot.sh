#!/usr/bin/env bash
# Builds QUOLSA, starts it under a private virtual X server as on its first run (no settings file)
# and saves the main window to docs/main-window.png; starts it again with a drawing as the last
# document, enlarges the window as a user would, and saves it to docs/viewer.png. Then measures the
# time from the process start to the window shown over several starts (RUNS, default 15) and prints
# it with the median.
set -euo pipefail
trap 'echo "screenshot: failed at line $LINENO" >&2' ERR
cd "$(dirname "$0")/.."
runs=${RUNS:-15}

bash scripts/setup.sh >/dev/null
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
build_log=$(mktemp)
cmake --build build -j 2 --target quolsa app_startup_bench >"$build_log" ||
  { cat "$build_log"; exit 1; }
rm -f "$build_log"

source scripts/xvfb.sh
start_xvfb

# A fresh installation: the program and the engine beside it, nothing else.
install_dir=$(mktemp -d)
program_pid=""
cleanup() {
  if [ -n "$program_pid" ]; then kill "$program_pid" 2>/dev/null || true; fi
  rm -rf "$install_dir"
  kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT
cp build/bin/quolsa "$install_dir/"
mkdir -p "$install_dir/PDFium/x64"
cp build/bin/PDFium/x64/libpdfium.so "$install_dir/PDFium/x64/"

# Starts the installed program, waits for its window, resizes it to W x H when given, and saves it
# to docs/NAME.png.
shoot() { # name [width height]
  "$install_dir/quolsa" >/dev/null 2>&1 &
  program_pid=$!
  local window
  window=$(timeout 20 xdotool search --sync --onlyvisible --pid "$program_pid" --name '^Form68$' |
    head -1)
  if [ $# -eq 3 ]; then xdotool windowsize "$window" "$2" "$3"; fi
  sleep 1 # let it finish painting
  mkdir -p docs
  import -window "$window" "docs/$1.png"
  echo "screenshot: docs/$1.png"
  kill "$program_pid"
  wait "$program_pid" 2>/dev/null || true
  program_pid=""
}

shoot main-window

# The same installation with a drawing shown: the settings name it as the last document.
cp tests/data/drawing.pdf "$install_dir/平面図 A1.pdf"
printf '[Form]\r\nLeft=0\r\nTop=0\r\n[PDF]\r\nFileName=%s\r\nPageNo=1\r\n' \
  "$install_dir/平面図 A1.pdf" >"$install_dir/quolsa.ini"
shoot viewer 900 680

build/bin/app_startup_bench "$runs"
