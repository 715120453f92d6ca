#!/usr/bin/env bash
# Plays every journey beside this script with the screen-reader tool, which
# runs Orca headless against the program and checks what it says. Skipped,
# with one line saying why, where the tool or Orca is missing.
set -uo pipefail
tool=$1
binary=$2
if [ ! -x "$tool" ]; then
  echo "skipped: no screen-reader journey tool at $tool"
  exit 77
fi
if ! command -v orca >/dev/null; then
  echo "skipped: Orca is not installed (scripts/setup.sh installs it)"
  exit 77
fi
status=0
for journey in "$(dirname "$0")"/*.journey; do
  "$tool" --binary "$binary" "$journey" || status=1
done
exit $status
