#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need,
# and only those that are missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  fonts-dejavu-core fonts-liberation
  xdg-utils
  xvfb xauth x11-utils
  weston qt6-wayland
  desktop-file-utils appstream dpkg-dev file xdotool lintian
  dbus-daemon at-spi2-core
  orca speech-dispatcher dbus dbus-x11 openbox python3
  clang-format
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$' || missing+=("$p")
done

if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  if [ "$(id -u)" -ne 0 ]; then
    sudo=sudo
  else
    sudo=
  fi
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
