#!/usr/bin/env bash
# Builds the Debian package into a scratch folder and fails on any error or
# warning from lintian. Arguments: cpack, the build's CPackConfig.cmake, lintian.
set -euo pipefail
cpack=$1 config=$2 lintian=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if ! "$cpack" -G DEB --config "$config" -B "$work" >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log"; exit 1
fi
shopt -s nullglob
packages=("$work"/*.deb)
[ "${#packages[@]}" -eq 1 ] || { echo "expected one package, found ${#packages[@]}"; exit 1; }
status=0
"$lintian" --fail-on error,warning --display-info "${packages[0]}" >"$work/tags" 2>&1 || status=$?
grep -v 'root privileges' "$work/tags" || true
echo "lintian: exit status $status"
exit "$status"
