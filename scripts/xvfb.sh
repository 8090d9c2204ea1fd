# Sourced by the test scripts: starts a private virtual X server for the window tests, exports
# DISPLAY, and stops the server when the sourcing script exits.
quolsa_display=""
for n in $(seq 90 130); do
  if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then quolsa_display=":$n"; break; fi
done
[ -n "$quolsa_display" ] || { echo "test: no free X display" >&2; exit 1; }
Xvfb "$quolsa_display" -screen 0 1600x1200x24 -nolisten tcp >"/tmp/quolsa-xvfb${quolsa_display#:}.log" 2>&1 &
quolsa_xvfb_pid=$!
trap 'kill $quolsa_xvfb_pid 2>/dev/null' EXIT
for _ in $(seq 50); do xdpyinfo -display "$quolsa_display" >/dev/null 2>&1 && break; sleep 0.1; done
export DISPLAY=$quolsa_display
