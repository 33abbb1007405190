#!/usr/bin/env bash
# Installs what is missing, builds and runs every test with ctest.
set -euo pipefail
cd "$(dirname "$0")"

tools/install-deps.sh

BUILD=${BUILD_DIR:-build}
cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$BUILD" -j"$(nproc)"
QT_QPA_PLATFORM=offscreen ctest --test-dir "$BUILD" --output-on-failure -j"$(nproc)"
