#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing and builds the program in ${BUILD_DIR:-build}; prints its path.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh run >&2
BUILD=${BUILD_DIR:-build}
# A first configuration leaves the tests and benchmarks out, so that running needs none of
# their packages; a folder that test.sh configured keeps its settings.
options=()
[ -f "$BUILD/CMakeCache.txt" ] || options=(-DBUILD_TESTING=OFF -DPRISMELLE_BENCH=OFF)
cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${options[@]}" >/dev/null
cmake --build "$BUILD" -j"$(nproc)" --target prismelle >&2
echo "$(cd "$BUILD" && pwd)/src/prismelle"
