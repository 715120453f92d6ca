#!/usr/bin/env bash
# Installs what is missing, builds and starts the program.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
if [ -z "${DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "amorisk: no display found (DISPLAY is not set); start it from a graphical desktop session" >&2
  exit 1
fi
exec "${AMORISK_BUILD_DIR:-$root/build}/src/amorisk"
