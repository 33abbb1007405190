#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages that one purpose needs, when missing:
#   run   building the program and running it (./run.sh); the default
#   test  the test suite and the benchmarks on top (./test.sh, ./bench.sh)
#   ci    the full CI run on top (./test.sh --all): clang and the fuzzers' runtime, the
#         format check, the package check
# Further arguments are extra packages. Idempotent: runs apt-get only if a package is absent.
set -euo pipefail

RUN=(
  build-essential cmake pkg-config
  qt6-base-dev libqcustomplot-dev libgl-dev qt6-svg-dev qt6-translations-l10n
  fonts-dejavu-core fonts-liberation2
)
TEST=(
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  xvfb xauth xdotool imagemagick x11-utils
  desktop-file-utils appstream dpkg-dev file poppler-utils
)
CI=(
  clang libclang-rt-14-dev clang-format lintian
)

but=${1:-run}
case "$but" in
  run) PACKAGES=("${RUN[@]}") ;;
  test) PACKAGES=("${RUN[@]}" "${TEST[@]}") ;;
  ci) PACKAGES=("${RUN[@]}" "${TEST[@]}" "${CI[@]}") ;;
  *) echo "usage: $0 [run|test|ci] [package...]" >&2; exit 2 ;;
esac
(($#)) && shift
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
