#!/usr/bin/env bash
# Installs what is missing and builds the program in ${BUILD_DIR:-build}; prints its path.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh >&2
BUILD=${BUILD_DIR:-build}
cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD" -j"$(nproc)" --target prismelle >&2
echo "$(cd "$BUILD" && pwd)/src/prismelle"
