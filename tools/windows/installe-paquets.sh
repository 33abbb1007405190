#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What the Windows build needs on top of the test suite's packages: the MinGW compiler, Wine,
# NSIS, and Debian's source entries (the same suites as the binary ones) for Qt and
# QCustomPlot's sources.
set -euo pipefail

ici=$(cd "$(dirname "$0")" && pwd)
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

liste=/etc/apt/sources.list.d/prismelle-sources.sources
if [ ! -f "$liste" ] && ! grep -rqs '^\(deb-src\|Types:.*deb-src\)' /etc/apt/sources.list /etc/apt/sources.list.d/; then
  if [ -f /etc/apt/sources.list.d/debian.sources ]; then
    sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources | $SUDO tee "$liste" >/dev/null
  else
    grep -h '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' |
      $SUDO tee /etc/apt/sources.list.d/prismelle-sources.list >/dev/null
  fi
  $SUDO apt-get update -qq
fi
bash "$ici/../install-deps.sh" test g++-mingw-w64-x86-64-posix wine wine64 nsis ninja-build \
  dpkg-dev googletest ccache
