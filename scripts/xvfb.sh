# Sourced by the test scripts: start_xvfb FIRST LAST starts an Xvfb display on the first free number
# between FIRST and LAST, exports DISPLAY and sets xvfb_pid (empty when every number was taken).
# The caller stops it with: kill "$xvfb_pid".
start_xvfb() {
  xvfb_pid=""
  local n
  for n in $(seq "$1" "$2"); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 1 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
    export DISPLAY=":$n"
    return
  done
}
