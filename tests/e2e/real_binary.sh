#!/usr/bin/env bash
# Starts the real program under Xvfb and uses it as a person would: the input
# window appears, a second start is refused and leaves the first as it is, a
# killed run does not block the next one, and closing the windows ends the
# process with status 0.
set -uo pipefail
binary=$1
version=${2:?the project version}
work=$(mktemp -d)
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime HOME=$work/home
mkdir -p "$XDG_CONFIG_HOME" "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill -9 "$p" 2>/dev/null; done
  [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
failures=0
check() { # description, command...
  local what=$1; shift
  if "$@"; then echo "ok   - $what"; else
    echo "FAIL - $what"; failures=$((failures + 1))
    echo "     windows now: $(xdotool search --onlyvisible --name '^Amorisk' 2>/dev/null | while read -r w; do xdotool getwindowname "$w"; done | sort | uniq -c | tr '\n' ';')"
  fi
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

. "$(dirname "$0")/xvfb.sh"
start_xvfb || exit 1

title="^Amorisk v${version//./\\.}\$"
conf=$XDG_CONFIG_HOME/amorisk/amorisk.conf
today=$(date +%F)

# A stand-in for xdg-open that records the address it is given.
mkdir -p "$work/stub" "$work/nobrowser"
cat >"$work/stub/xdg-open" <<STUB
#!/bin/sh
printf '%s\n' "\$1" >>"$work/opened"
STUB
chmod +x "$work/stub/xdg-open"
opened() { cat "$work/opened" 2>/dev/null; }
was_opened() { grep -qxF "$1" "$work/opened" 2>/dev/null; }
site=https://www.zenthari.com/amorisk/ssd.php?page=

# First run: no question, the reminder date is stored, the input window shows.
env PATH="$work/stub" BROWSER= "$binary" 2>>"$work/stderr.log" & first=$!; pids+=("$first")
check "input window appears with its title" wait_for 20 has_windows "$title" 1
check "first run stores today as the last reminder" grep -qx "LastUpdateReminder=$today" "$conf"
main_window=$(windows "$title" | head -n1)
# A desktop groups the window under the menu entry by this class.
wm_class=$(sed -n 's/^StartupWMClass=//p' "$(dirname "$0")/../../assets/freedesktop/com.zenthari.Amorisk.desktop")
check "the window's class is the desktop entry's StartupWMClass ($wm_class)" \
  eval 'xprop -id "$main_window" WM_CLASS | grep -qF "\"$wm_class\""'

# Another program's window covers ours when the second start comes; the
# running program is left as it is, under the other window.
xmessage -geometry 1200x1000+0+0 "another program" 2>/dev/null & cover=$!; pids+=("$cover")
wait_for 10 has_windows '^xmessage$' 1
cover_window=$(windows '^xmessage$' | head -n1)
above() { # window, other window: xwininfo lists the topmost first
  local id
  for id in $(xwininfo -root -children | awk '$1 ~ /^0x/ {print $1}'); do
    case $((id)) in "$1") return 0 ;; "$2") return 1 ;; esac
  done
  return 1
}
check "another program's window is above ours" above "$cover_window" "$main_window"

"$binary" 2>>"$work/stderr.log" & second=$!; pids+=("$second")
check "second start shows the refusal" wait_for 20 has_windows '^Amorisk$' 1
refusal=$(windows '^Amorisk$' | head -n1)
[ -n "$refusal" ] && press "$refusal" Return
check "second start ends after the refusal" wait_for 20 stopped "$second"
check "second start exits with status 0" [ "$(exit_code_of "$second")" -eq 0 ]
check "second start showed no window of its own" has_windows "$title" 1
check "first run keeps running" running "$first"
sleep 1
check "the running program's window stays under the other program's" above "$cover_window" "$main_window"
kill "$cover" 2>/dev/null; wait "$cover" 2>/dev/null

press "$main_window" alt+h o
check "Help > Online Help opens the help page" wait_for 10 was_opened "${site}help-web-page"

# A run killed outright leaves its lock behind; it must not refuse the next
# start. Ten starts at the same instant leave exactly one program running.
kill -9 "$first"; wait "$first" 2>/dev/null
starts=()
for i in $(seq 10); do env PATH="$work/stub" BROWSER= "$binary" 2>>"$work/stderr.log" & starts+=($!); pids+=($!); done
check "ten simultaneous starts: one input window" wait_for 30 has_windows "$title" 1
check "ten simultaneous starts: nine refusals" wait_for 30 has_windows '^Amorisk$' 9
# A slow run may miss a key: answer again whatever is still open.
for _ in 1 2 3; do
  for w in $(windows '^Amorisk$'); do press "$w" Return; done
  wait_for 5 has_windows '^Amorisk$' 0 && break
done
survivors=()
for p in "${starts[@]}"; do wait_for 20 stopped "$p" || survivors+=("$p"); done
check "ten simultaneous starts: exactly one keeps running (${#survivors[@]})" [ "${#survivors[@]}" -eq 1 ]
third=${survivors[0]:-0}
main_window=$(windows "$title" | head -n1)

# Exit: the exit screen replaces the input window; a referral goes out as one
# well-formed address whose values decode to what was typed.
press "$main_window" alt+x
exit_screen_shown() {
  local ws; ws=$(windows "$title")
  [ "$(printf '%s\n' "$ws" | grep -c .)" -eq 1 ] && ! printf '%s\n' "$ws" | grep -qx "$main_window"
}
check "exit shows the exit screen in place of the input window" wait_for 20 exit_screen_shown
exit_screen=$(windows "$title" | head -n1)
type_into() { # window, x, y, text
  xdotool mousemove --window "$1" "$2" "$3" click 1; sleep 0.2
  xdotool type --delay 20 "$4"
}
name='Ann & Bob #1 = 50%+'
friend="Cy O'Neil"
if [ -n "$exit_screen" ]; then
  xdotool windowfocus --sync "$exit_screen" 2>/dev/null
  type_into "$exit_screen" 40 249 "$name"
  type_into "$exit_screen" 280 249 "ann@example.org"
  type_into "$exit_screen" 40 273 "$friend"
  type_into "$exit_screen" 280 273 "cy@example.net"
  press "$exit_screen" alt+n
fi
referral() { opened | grep -F "page=qorv-refer-a-friend" | tail -n1; }
check "the referral page is opened" wait_for 10 bash -c "grep -qF 'page=qorv-refer-a-friend' '$work/opened'"
decode() { local v=${1//+/ }; printf '%b' "${v//%/\\x}"; }
query=$(referral); query=${query#*page=qorv-refer-a-friend}
declare -A taf=()
IFS='&' read -r -a parts <<<"${query#&}"
raw=()
for part in "${parts[@]}"; do taf[${part%%=*}]=$(decode "${part#*=}"); raw+=("${part#*=}"); done
check "referral: six parameters" [ "${#parts[@]}" -eq 6 ]
check "referral: name intact" [ "${taf[taf1]:-}" = "$name" ]
check "referral: e-mail intact" [ "${taf[taf2]:-}" = "ann@example.org" ]
# Read raw: a command substitution would drop the line feed.
check "referral: untouched message with its line break" [ "${raw[2]:-}" = "Your%20Message%0D%0A" ]
check "referral: friend's name intact" [ "${taf[taf4]:-}" = "$friend" ]
check "referral: friend's e-mail intact" [ "${taf[taf5]:-}" = "cy@example.net" ]
check "referral: product folder, as written" [ "${raw[5]:-}" = "https://www.zenthari.com/amorisk/" ]
[ -n "$exit_screen" ] && press "$exit_screen" alt+x
check "closing the exit screen ends the process" wait_for 20 stopped "$third"
check "the process ends with status 0" [ "$(exit_code_of "$third")" -eq 0 ]

# Fifteen days after the last reminder the question comes first; Yes opens
# the download page and stores today.
printf '[General]\nLastUpdateReminder=%s\n' "$(date -d '-15 days' +%F)" >"$conf"
env PATH="$work/stub" BROWSER= "$binary" 2>>"$work/stderr.log" & fourth=$!; pids+=("$fourth")
check "the update question comes before any window" wait_for 20 has_windows '^Amorisk$' 1
check "no input window while the question is open" has_windows "$title" 0
question=$(windows '^Amorisk$' | head -n1)
[ -n "$question" ] && press "$question" Return
check "Yes opens the download page" wait_for 10 was_opened "${site}download-web-page"
check "the input window follows the answer" wait_for 20 has_windows "$title" 1
check "the answer stores today" grep -qx "LastUpdateReminder=$today" "$conf"
kill "$fourth"; wait "$fourth" 2>/dev/null

# No browser and no xdg-open at all: a link does nothing visible and the
# program carries on. The display comes from Qt's -display option this time.
env -u DISPLAY PATH="$work/nobrowser" BROWSER= DEFAULT_BROWSER= "$binary" -display "$DISPLAY" 2>"$work/nobrowser.log" & fifth=$!; pids+=("$fifth")
check "starts without any browser, on the display -display names" wait_for 20 has_windows "$title" 1
main_window=$(windows "$title" | head -n1)
press "$main_window" alt+h o
sleep 1
check "a link without a browser leaves the program running" running "$fifth"
check "a link without a browser shows nothing" has_windows "$title" 1
reported_once() { # address: one line names it, and that line is ours
  [ "$(grep -cF "$1" "$work/nobrowser.log")" -eq 1 ] &&
    grep -qF "amorisk: could not open $1" "$work/nobrowser.log"
}
check "a link without a browser is reported in one line naming the address" \
  reported_once "${site}help-web-page"
press "$main_window" alt+x
wait_for 20 exit_screen_shown
exit_screen=$(windows "$title" | head -n1)
[ -n "$exit_screen" ] && press "$exit_screen" alt+x
check "and it still ends normally" wait_for 20 stopped "$fifth"

if [ "$failures" -ne 0 ] && [ -s "$work/stderr.log" ]; then
  echo "--- what the program printed:"; cat "$work/stderr.log" "$work/nobrowser.log" 2>/dev/null | grep -v XDG_RUNTIME_DIR | tail -n 40
fi
[ "$failures" -eq 0 ]
