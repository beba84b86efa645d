#!/usr/bin/env bash
# Installs the Debian packages TamoruWatch needs to build, run and be tested, when any is missing.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-base-private-dev qt6-qpa-plugins libgl-dev
  libsdl2-dev libpulse-dev libxcb1-dev libsm-dev
  libbenchmark-dev
  fonts-ipafont-gothic fonts-dejavu-core fonts-dejavu-extra
  xvfb openbox xdotool wmctrl x11-utils imagemagick pulseaudio pulseaudio-utils
  mutter xwayland kwin-wayland qt6-wayland
  dbus at-spi2-core python3-pyatspi
  appstream desktop-file-utils
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
