# Sourced by the end-to-end scripts: starts a private Xvfb on the first free
# display from :90 on, exports DISPLAY and leaves the server's PID in $xvfb.
# -noreset: by default the server resets when its last client leaves, and a
# start that connects during the reset is refused.
start_xvfb() {
  local n i
  xvfb=
  for n in $(seq 90 130); do
    [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] && continue
    Xvfb :$n -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
    xvfb=$!
    export DISPLAY=:$n
    for ((i = 0; i < 100; i++)); do xdpyinfo >/dev/null 2>&1 && return 0; sleep 0.1; done
    kill "$xvfb" 2>/dev/null; xvfb=
  done
  echo "FAIL - could not start Xvfb"
  return 1
}
