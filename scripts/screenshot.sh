#!/usr/bin/env bash
# Builds QUOLSA, starts it under a private virtual X server as on its first run (no settings file)
# and saves the main window to docs/main-window.png. Also prints the time from process start to the
# window shown, for several starts, and their median.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
runs=${RUNS:-9}

bash scripts/setup.sh >/dev/null
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j 2 --target quolsa >/dev/null

source scripts/xvfb.sh
start_xvfb

# A fresh installation: the program and the engine beside it, nothing else.
install_dir=$(mktemp -d)
program_pid=""
cleanup() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null
  rm -rf "$install_dir"
  kill "$xvfb_pid" 2>/dev/null
}
trap cleanup EXIT
cp build/bin/quolsa "$install_dir/"
mkdir -p "$install_dir/PDFium/x64"
cp build/bin/PDFium/x64/libpdfium.so "$install_dir/PDFium/x64/"

now_ms() { echo $(($(date +%s%N) / 1000000)); }

# Starts the program and waits for its window: sets program_pid, window and elapsed_ms.
start_program() {
  local start
  start=$(now_ms)
  "$install_dir/quolsa" >/dev/null 2>&1 &
  program_pid=$!
  window=""
  while [ -z "$window" ]; do
    window=$(xdotool search --onlyvisible --pid "$program_pid" --name '^Form68$' 2>/dev/null |
      head -1 || true)
    [ -n "$window" ] || sleep 0.005
  done
  elapsed_ms=$(($(now_ms) - start))
}

stop_program() {
  kill "$program_pid"
  wait "$program_pid" 2>/dev/null || true
  program_pid=""
}

times=()
for i in $(seq "$runs"); do
  start_program
  times+=("$elapsed_ms")
  if [ "$i" = "$runs" ]; then
    sleep 1 # let it finish painting
    mkdir -p docs
    import -window "$window" docs/main-window.png
  fi
  stop_program
done

sorted=$(printf '%s\n' "${times[@]}" | sort -n)
median=$(echo "$sorted" | sed -n "$(((runs + 1) / 2))p")
echo "start to window shown, ms: ${times[*]}"
echo "median of $runs: $median ms"
echo "screenshot: $root/docs/main-window.png"
