# Sourced by the scripts that need a private virtual X server: start_xvfb starts one on a free
# display, exports DISPLAY and the toolkit's settings for it, and stops it when the script exits.
start_xvfb() {
  local display="" n
  for n in $(seq 90 130); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then display=":$n"; break; fi
  done
  [ -n "$display" ] || { echo "no free X display" >&2; return 1; }
  Xvfb "$display" -screen 0 1600x1200x24 -nolisten tcp >"/tmp/quolsa-xvfb$display.log" 2>&1 &
  xvfb_pid=$!
  trap 'kill $xvfb_pid 2>/dev/null' EXIT
  for _ in $(seq 50); do xdpyinfo -display "$display" >/dev/null 2>&1 && break; sleep 0.1; done
  export DISPLAY=$display
  export GDK_BACKEND=x11 NO_AT_BRIDGE=1
}
