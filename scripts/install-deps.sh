#!/usr/bin/env bash
# Installs every Debian package MORV needs to build, test and play.
# Idempotent: quiet when everything is present; runs apt-get update only when something is missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  libsdl2-dev libsdl2-mixer-dev libimgui-dev libx11-dev
  libfreetype-dev libfontconfig-dev fonts-nanum
  libpng-dev zlib1g-dev
  libcairo2-dev libjpeg-dev liblzma-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  python3 xvfb
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  SUDO=sudo
else
  SUDO=
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
