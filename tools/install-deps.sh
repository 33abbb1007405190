#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running need, when missing.
# Idempotent: runs apt-get only if a package is absent.
set -euo pipefail

PACKAGES=(
  build-essential cmake pkg-config
  qt6-base-dev libqcustomplot-dev libgl-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  fonts-dejavu-core fonts-liberation2
  xvfb xauth xdotool imagemagick x11-utils
  desktop-file-utils appstream dpkg-dev file
  clang libclang-rt-14-dev
)
PACKAGES+=("$@")

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
