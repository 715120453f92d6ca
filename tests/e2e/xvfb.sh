# Sourced by the end-to-end scripts: starts a private Xvfb, exports DISPLAY and
# leaves the server's PID in $xvfb. Xvfb takes a free display itself and writes
# its number once it accepts clients, so two tests starting at once never share
# one. -noreset: by default the server resets when its last client leaves, and
# a start that connects during the reset is refused.
start_xvfb() {
  local number i
  number=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$number" >/dev/null 2>&1 &
  xvfb=$!
  for ((i = 0; i < 100; i++)); do
    if [ -s "$number" ]; then
      export DISPLAY=:$(tr -d '\n' <"$number")
      rm -f "$number"
      return 0
    fi
    kill -0 "$xvfb" 2>/dev/null || break
    sleep 0.1
  done
  kill "$xvfb" 2>/dev/null; xvfb=
  rm -f "$number"
  echo "FAIL - could not start Xvfb"
  return 1
}
