#!/usr/bin/env bash
# Builds and runs the benchmark (optimised build in build-bench/). Uses the
# current display, or a private Xvfb when there is none.
# Arguments: [start-ups per program, default 20] [readings, default 300]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
AMORISK_BUILD_DIR="$root/build-bench" "$root/scripts/build.sh" -DCMAKE_BUILD_TYPE=Release \
  -DAMORISK_BUILD_TESTS=OFF >/dev/null
bench="$root/build-bench/bench/amorisk_bench"
if [ -n "${DISPLAY:-}" ]; then
  exec "$bench" "$@"
fi
exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "$bench" "$@"
