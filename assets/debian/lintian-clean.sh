#!/usr/bin/env bash
# Builds the Debian package into a scratch folder and fails on any error or
# warning from lintian, on a RUNPATH in the program, or when a second build
# of the package differs by a byte. Arguments: cpack, the build's
# CPackConfig.cmake, lintian.
set -euo pipefail
cpack=$1 config=$2 lintian=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for run in 1 2; do
  if ! "$cpack" -G DEB --config "$config" -B "$work/$run" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"; exit 1
  fi
done
shopt -s nullglob
packages=("$work"/1/*.deb)
[ "${#packages[@]}" -eq 1 ] || { echo "expected one package, found ${#packages[@]}"; exit 1; }
package=${packages[0]}
cmp "$package" "$work/2/${package##*/}" || { echo "two builds of the package differ"; exit 1; }
dpkg-deb -x "$package" "$work/root"
if readelf -d "$work/root/usr/bin/amorisk" | grep -E 'RPATH|RUNPATH'; then
  echo "the installed program carries a library search path"; exit 1
fi
status=0
"$lintian" --fail-on error,warning --display-info "$package" >"$work/tags" 2>&1 || status=$?
grep -v 'root privileges' "$work/tags" || true
echo "lintian: exit status $status"
exit "$status"
