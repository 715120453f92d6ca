#!/usr/bin/env bash
# Runs the README's run command as a new user would, against this build, and
# waits for the input window: a moved binary or a missing step fails here.
# The build is not configured again (its folder is configured already), so
# the command leaves a build and a test run under way as they are.
set -uo pipefail
source=$1 build=$2 version=$3
. "$(dirname "$0")/xvfb.sh"
work=$(mktemp -d)
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime HOME=$work/home
mkdir -p "$XDG_CONFIG_HOME" "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
cleanup() {
  [ -n "${program:-}" ] && kill -9 "$program" 2>/dev/null
  [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
start_xvfb || exit 1

# The first command of the README's quick start.
command=$(sed -n '/^## Quick start/,/^## /p' "$source/README.md" |
  sed -n '/^```sh/,/^```/{/^```/d;p}' | head -n1 | sed 's/ *#.*//')
[ -n "$command" ] || { echo "FAIL - no run command in the README's quick start"; exit 1; }
echo "README's run command: $command"
(cd "$source" && AMORISK_BUILD_DIR=$build exec $command) >"$work/out.log" 2>&1 &
program=$!
title="^Amorisk v${version//./\\.}\$"
for ((i = 0; i < 600; i++)); do
  xdotool search --onlyvisible --name "$title" >/dev/null 2>&1 && { echo "ok   - the input window appears"; exit 0; }
  kill -0 "$program" 2>/dev/null || break
  sleep 0.1
done
echo "FAIL - no input window; the command printed:"
tail -n 20 "$work/out.log"
exit 1
