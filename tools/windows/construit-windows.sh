#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Windows program from this clone, as root on a Debian machine: installs what is
# missing, cross-builds Qt, QCustomPlot and GoogleTest once into the cache
# (PRISMELLE_WIN_CACHE, default /var/cache/prismelle), then the program and its tests from
# the project's own CMakeLists, and makes the zip and the installer with CPack.
#   tools/windows/construit-windows.sh [BUILD_FOLDER]   (default build-windows)
# The packages land in BUILD_FOLDER: prismelle-<version>-windows-x64.zip and .exe.
set -euo pipefail
cd "$(dirname "$0")/../.."

ici=tools/windows
build=${1:-build-windows}
qt=$(bash "$ici/construit-qt.sh" | tail -n1)
dependances=$(bash "$ici/construit-dependances.sh" "$qt" | tail -n1)

export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$PWD}
# Qt's toolchain file loads the MinGW one it was built with and finds this Qt.
nice -n 19 cmake -G Ninja -S . -B "$build" \
  -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
  -DPRISMELLE_WIN_PREFIXES="$dependances" \
  -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON -DPRISMELLE_BENCH=OFF \
  -DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_COMPILE_WARNING_AS_ERROR=ON \
  -DCMAKE_CROSSCOMPILING_EMULATOR="$PWD/$ici/wine-test.sh"
nice -n 19 cmake --build "$build" -j"$(nproc)"
(cd "$build" && nice -n 19 cpack)
ls -l "$build"/prismelle-*-windows-x64.{zip,exe}
