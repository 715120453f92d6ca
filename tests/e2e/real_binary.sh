#!/usr/bin/env bash
# Starts the real program under Xvfb and uses it as a person would: the input
# window appears, a second start is refused, a killed run does not block the
# next one, and closing the windows ends the process with status 0.
set -uo pipefail
binary=$1
work=$(mktemp -d)
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime HOME=$work/home
mkdir -p "$XDG_CONFIG_HOME" "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill -9 "$p" 2>/dev/null; done
  [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
failures=0
check() { # description, command...
  local what=$1; shift
  if "$@"; then echo "ok   - $what"; else echo "FAIL - $what"; failures=$((failures + 1)); fi
}
wait_for() { # seconds, command... ; polls until the command succeeds
  local limit=$(( $1 * 10 )); shift
  for ((i = 0; i < limit; i++)); do "$@" && return 0; sleep 0.1; done
  return 1
}
windows() { xdotool search --onlyvisible --name "$1" 2>/dev/null; }
window_count() { windows "$1" | wc -l; }
has_windows() { [ "$(window_count "$1")" -eq "$2" ]; }
running() { kill -0 "$1" 2>/dev/null; }
stopped() { ! running "$1"; }
press() { # window, keys...
  local w=$1; shift
  xdotool windowfocus --sync "$w" 2>/dev/null || xdotool windowfocus "$w"
  sleep 0.2
  xdotool key --clearmodifiers "$@"
}
exit_code_of() { wait "$1"; echo $?; }

# Without any display the program says so in one line and fails cleanly.
out=$(env -u DISPLAY "$binary" 2>&1); code=$?
check "no display: status 1 (was $code)" [ "$code" -eq 1 ]
check "no display: one line saying so" [ "$(printf '%s\n' "$out" | wc -l)" -eq 1 -a -n "$(printf '%s' "$out" | grep -i display)" ]

for n in $(seq 90 130); do
  [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] && continue
  Xvfb :$n -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  export DISPLAY=:$n
  wait_for 10 xdpyinfo >/dev/null 2>&1 && break
  kill "$xvfb" 2>/dev/null; xvfb=
done
[ -n "${xvfb:-}" ] || { echo "FAIL - could not start Xvfb"; exit 1; }

title='^Amorisk v1\.15$'
"$binary" & first=$!; pids+=("$first")
check "input window appears with its title" wait_for 20 has_windows "$title" 1
main_window=$(windows "$title" | head -n1)

"$binary" & second=$!; pids+=("$second")
check "second start shows the refusal" wait_for 20 has_windows '^Amorisk$' 1
refusal=$(windows '^Amorisk$' | head -n1)
[ -n "$refusal" ] && press "$refusal" Return
check "second start ends after the refusal" wait_for 20 stopped "$second"
check "second start exits with status 0" [ "$(exit_code_of "$second")" -eq 0 ]
check "second start showed no window of its own" has_windows "$title" 1
check "first run keeps running" running "$first"

kill -9 "$first"; wait "$first" 2>/dev/null
"$binary" & third=$!; pids+=("$third")
check "a killed run does not block the next start" wait_for 20 has_windows "$title" 1
main_window=$(windows "$title" | head -n1)

press "$main_window" alt+x
check "exit shows the exit screen in place of the input window" \
  wait_for 20 bash -c "[ \"\$(xdotool search --onlyvisible --name '$title' | wc -l)\" -eq 1 ] && ! xdotool search --onlyvisible --name '$title' | grep -qx '$main_window'"
exit_screen=$(windows "$title" | head -n1)
[ -n "$exit_screen" ] && press "$exit_screen" alt+x
check "closing the exit screen ends the process" wait_for 20 stopped "$third"
check "the process ends with status 0" [ "$(exit_code_of "$third")" -eq 0 ]

[ "$failures" -eq 0 ]
