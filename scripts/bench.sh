#!/usr/bin/env bash
# Builds the benchmark (optimised, in build-bench/) and runs it on a private
# Xvfb (-noreset, so a start never waits for the server to reset) inside a
# private D-Bus session with the accessibility bus, the same for both
# programs it compares.
# Arguments: [start-ups per program, default 20] [timed readings, default 400]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
AMORISK_BUILD_DIR="$root/build-bench" "$root/scripts/build.sh" -DCMAKE_BUILD_TYPE=Release \
  -DAMORISK_BUILD_TESTS=OFF >/dev/null
bench="$root/build-bench/bench/amorisk_bench"

if [ "${1:-}" != "--inside" ]; then
  n=90
  while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
  xvfb=$!
  trap 'kill $xvfb 2>/dev/null' EXIT
  for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.05; done
  echo "machine: $(nproc) cores, $(sed -n 's/^model name\s*: //p' /proc/cpuinfo | head -1)," \
    "load average $(cut -d' ' -f1-3 /proc/loadavg)"
  # dbus-daemon may not raise its file limit in a container; it says so.
  DISPLAY=":$n" dbus-run-session -- "$0" --inside "$@" 2> >(grep -v 'Failed to set fd limit' >&2)
  echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
  exit
fi

shift
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
launcher=$!
trap 'kill $launcher 2>/dev/null' EXIT
unset QT_LINUX_ACCESSIBILITY_ALWAYS_ON QT_QPA_PLATFORM WAYLAND_DISPLAY
# A user session keeps its runtime folder on tmpfs.
shm=/tmp; [ -w /dev/shm ] && shm=/dev/shm
export XDG_RUNTIME_DIR=$(mktemp -d -p "$shm")
trap 'kill $launcher 2>/dev/null; rm -rf "$XDG_RUNTIME_DIR"' EXIT
"$bench" "$@"
