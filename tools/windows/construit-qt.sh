#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-builds, once, the small Qt the Windows program needs (Core, Gui, Widgets, PrintSupport,
# Test, Svg, the Windows platform plugin and style) from Debian's own sources of the Qt
# version this machine has, with this machine's Qt tools as host tools. The result stays in a
# cache folder named by the version; a finished cache is reused as it is. What the program
# does not use is left out (OpenGL, network, SQL, D-Bus, XML, image formats other than PNG,
# JPEG and SVG, text shaping beyond Latin scripts, rich-text writers), and Qt's own tests and
# examples. Direct2D stays on: Qt compiles its DirectWrite font engine only beside it, and the
# print engine (PDF through QPrinter) calls that engine whenever DirectWrite is on; DirectWrite
# also gives the program's text its antialiased, unhinted shapes at any screen scale.
# JPEG uses Qt's bundled libjpeg: teachers' photographs are JPEGs.
#   PRISMELLE_WIN_CACHE   the cache root (default /var/cache/prismelle)
# Prints the Qt prefix on its last line. With --present, only says whether the cache is
# complete (status 0, its prefix) or not (status 1, the reason), and builds nothing.
set -euo pipefail

ici=$(cd "$(dirname "$0")" && pwd)
racine=${PRISMELLE_WIN_CACHE:-/var/cache/prismelle}
if [ "${1:-}" != --present ]; then
  bash "$ici/installe-paquets.sh" >&2
fi
version=$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null | sed 's/[+-].*//') || true
if [ -z "$version" ]; then
  echo "qt6-base-dev is not installed"
  exit 1
fi
qt="$racine/qt-$version-mingw64"
if [ -f "$qt/.complet" ]; then
  echo "$qt"
  exit 0
fi
if [ "${1:-}" = --present ]; then
  echo "no finished cross-built Qt in $qt"
  exit 1
fi

debut=$(date +%s)
mkdir -p "$racine/sources" "$qt"
# The toolchain file is recorded by Qt's own toolchain: keep a copy that outlives the clone.
cp "$ici/mingw64.cmake" "$racine/mingw64.cmake"

source_debian() { # source package, the binary package giving its version → unpacked folder
  local dossier
  dossier=$(find "$racine/sources" -maxdepth 1 -type d -name "$1-[0-9]*" | head -n1)
  if [ -z "$dossier" ]; then
    (cd "$racine/sources" && apt-get source -qq "$1=$(dpkg-query -W -f='${Version}' "$2")" >&2)
    dossier=$(find "$racine/sources" -maxdepth 1 -type d -name "$1-[0-9]*" | head -n1)
  fi
  echo "$dossier"
}

cpus=$(nproc)
construit() { # source folder, build folder, extra cmake arguments...
  local src=$1 bld=$2
  shift 2
  nice -n 19 cmake -G Ninja -S "$src" -B "$bld" "$@" >&2
  nice -n 19 cmake --build "$bld" -j"$cpus" >&2
  cmake --install "$bld" >&2
}

base=$(source_debian qt6-base qt6-base-dev)
construit "$base" "$racine/build-qtbase" \
  -DCMAKE_TOOLCHAIN_FILE="$racine/mingw64.cmake" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DCMAKE_INSTALL_PREFIX="$qt" -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON \
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
  -DFEATURE_opengl=OFF -DFEATURE_dynamicgl=OFF -DFEATURE_vulkan=OFF \
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_xml=OFF \
  -DFEATURE_concurrent=OFF -DFEATURE_tabletevent=OFF \
  -DFEATURE_direct2d=ON -DFEATURE_directwrite=ON \
  -DFEATURE_jpeg=ON -DFEATURE_system_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_ico=OFF -DFEATURE_zstd=OFF \
  -DFEATURE_freetype=OFF -DFEATURE_harfbuzz=OFF -DFEATURE_textodfwriter=OFF \
  -DFEATURE_textmarkdownreader=OFF -DFEATURE_textmarkdownwriter=OFF \
  -DFEATURE_testlib=ON -DFEATURE_printsupport=ON

# Debian's registry may list Qt SVG's source and not serve it: then the copy kept here.
source_svg() {
  local dossier archive="$ici/sources/qtsvg-everywhere-src-$version.tar.xz"
  if dossier=$(source_debian qt6-svg qt6-svg-dev 2>/dev/null) && [ -n "$dossier" ]; then
    echo "$dossier"
    return
  fi
  (cd "$ici/sources" && sha256sum --quiet -c "$(basename "$archive").sha256") >&2
  tar -xJf "$archive" -C "$racine/sources"
  echo "$racine/sources/qtsvg-everywhere-src-$version"
}
svg=$(source_svg)
construit "$svg" "$racine/build-qtsvg" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF

# Qt's French texts where this Qt looks for them, as Debian's Qt has them in /usr.
mkdir -p "$qt/translations"
cp /usr/share/qt6/translations/qtbase_fr.qm "$qt/translations/"
touch "$qt/.complet"
echo "Cross-built Qt: $(($(date +%s) - debut)) s" >&2
echo "$qt"
