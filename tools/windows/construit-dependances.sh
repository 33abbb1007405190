#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-builds, once each, what the program and its tests link besides Qt: QCustomPlot from
# Debian's source and GoogleTest from the source Debian installs, into cache folders named
# by their versions and the Qt they were built with.
#   construit-dependances.sh QT_PREFIX
# Prints the two prefixes, separated by ";", on its last line.
set -euo pipefail

qt=$1
racine=${PRISMELLE_WIN_CACHE:-/var/cache/prismelle}
cpus=$(nproc)
version() { dpkg-query -W -f='${Version}' "$1" | sed 's/[+-].*//'; }

construit() { # prefix, source folder, cmake arguments...
  local prefixe=$1 src=$2
  shift 2
  rm -rf "$prefixe.build"
  nice -n 19 cmake -G Ninja -S "$src" -B "$prefixe.build" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefixe" "$@" >&2
  nice -n 19 cmake --build "$prefixe.build" -j"$cpus" >&2
  cmake --install "$prefixe.build" >&2
  rm -rf "$prefixe.build"
}

qcp="$racine/qcustomplot-$(version libqcustomplot-dev)-$(basename "$qt")"
if [ ! -f "$qcp/.complet" ]; then
  src=$(find "$racine/sources" -maxdepth 1 -type d -name 'qcustomplot-[0-9]*' | head -n1)
  if [ -z "$src" ]; then
    (cd "$racine/sources" &&
      apt-get source -qq "qcustomplot=$(dpkg-query -W -f='${Version}' libqcustomplot-dev)" >&2)
    src=$(find "$racine/sources" -maxdepth 1 -type d -name 'qcustomplot-[0-9]*' | head -n1)
  fi
  construit "$qcp" "$src" -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DUSE_QT_VERSION=6
  # Its package exports symbols from the DLL; users must import them, which its targets
  # do not say.
  echo 'set_property(TARGET QCustomPlotQt6::QCustomPlotQt6 APPEND PROPERTY
  INTERFACE_COMPILE_DEFINITIONS QCUSTOMPLOT_USE_LIBRARY)' \
    >>"$qcp/lib/cmake/QCustomPlotQt6/QCustomPlotQt6Config.cmake"
  touch "$qcp/.complet"
fi

gtest="$racine/googletest-$(version googletest)-mingw64"
if [ ! -f "$gtest/.complet" ]; then
  construit "$gtest" /usr/src/googletest -DCMAKE_TOOLCHAIN_FILE="$racine/mingw64.cmake"
  touch "$gtest/.complet"
fi

echo "$qcp;$gtest"
