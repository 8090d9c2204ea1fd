# Sourced by the scripts that need a private virtual X server: start_xvfb starts one on a display
# number the server itself finds free, exports DISPLAY and the toolkit's settings for it, and stops
# the server when the script exits.
start_xvfb() {
  local number_file
  number_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1600x1200x24 -nolisten tcp 3>"$number_file" \
    >/tmp/quolsa-xvfb.$$.log 2>&1 &
  xvfb_pid=$!
  trap 'kill $xvfb_pid 2>/dev/null' EXIT
  for _ in $(seq 100); do [ -s "$number_file" ] && break; sleep 0.05; done
  local number
  number=$(tr -dc 0-9 <"$number_file")
  rm -f "$number_file"
  [ -n "$number" ] || { echo "the virtual X server did not start" >&2; return 1; }
  export DISPLAY=":$number"
  export GDK_BACKEND=x11 NO_AT_BRIDGE=1
}
