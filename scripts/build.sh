#!/usr/bin/env bash
# Configures and builds into build/ (or $AMORISK_BUILD_DIR); extra arguments go to CMake.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${AMORISK_BUILD_DIR:-$root/build}
# A folder already configured keeps its options (the build re-runs CMake
# itself when a CMakeLists.txt changes); only new options configure it again.
if [ $# -gt 0 ] || [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$build" -G Ninja "$@" >/dev/null
fi
cmake --build "$build"
