#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds and runs every test with ctest.
#
#   ./test.sh          the quick run: the normal build and its tests.
#   ./test.sh --all    the format check, the quick run, then that build's Debian package
#                      held to policy (lintian: no error, no warning), then the whole suite
#                      again built
#                      with AddressSanitizer and UndefinedBehaviorSanitizer (any finding,
#                      leaks included, fails), then the fuzz targets (clang, libFuzzer)
#                      with a bounded smoke run each; every build treats warnings as
#                      errors. This is what CI runs. Then the Windows part, when the
#                      cross-built Qt is cached; otherwise it says plainly that it was
#                      not run, and fails if PRISMELLE_EXIGE_WINDOWS=1.
#   ./test.sh --windows  the Windows build, its zip and installer, its tests under Wine and
#                      the real-window check (tools/windows/teste-windows.sh); builds the
#                      cross-built Qt on first use (half an hour or more on two cores).
#
# Build folders: BUILD_DIR (default build), SAN_DIR (build-san), FUZZ_DIR (build-fuzz).
# ENDURANCE_SAN sets the soak's number of events under the sanitizers (default: the same
# 20,000 as the quick run, about twice as slow there).
set -euo pipefail
cd "$(dirname "$0")"

tout=false
case "${1:-}" in
  --all) tout=true ;;
  --windows) exec tools/windows/teste-windows.sh ;;
  "") ;;
  *) echo "usage: $0 [--all|--windows]" >&2; exit 2 ;;
esac

if $tout; then
  tools/install-deps.sh ci
  tools/verifie-format.sh
  erreurs=ON
else
  tools/install-deps.sh test
  erreurs=OFF
fi
jobs=$(nproc)

BUILD=${BUILD_DIR:-build}
cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON -DPRISMELLE_BENCH=ON \
  -DCMAKE_COMPILE_WARNING_AS_ERROR=$erreurs
cmake --build "$BUILD" -j"$jobs"
QT_QPA_PLATFORM=offscreen ctest --test-dir "$BUILD" --output-on-failure -j"$jobs"

$tout || exit 0

tests/install/check_paquet.sh "$BUILD"

SAN=${SAN_DIR:-build-san}
cmake -S . -B "$SAN" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPRISMELLE_SANITIZE=ON \
  -DPRISMELLE_BENCH=OFF -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
cmake --build "$SAN" -j"$jobs"
QT_QPA_PLATFORM=offscreen \
  ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:check_initialization_order=1:strict_init_order=1 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0 \
  PRISMELLE_ENDURANCE_EVENEMENTS=${ENDURANCE_SAN:-20000} \
  ctest --test-dir "$SAN" --output-on-failure -j"$jobs"

FUZZ=${FUZZ_DIR:-build-fuzz}
CXX=clang++ cmake -S . -B "$FUZZ" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPRISMELLE_FUZZ=ON \
  -DPRISMELLE_WITH_GUI=OFF -DBUILD_TESTING=OFF -DPRISMELLE_BENCH=OFF \
  -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
cmake --build "$FUZZ" -j"$jobs"
ctest --test-dir "$FUZZ" --output-on-failure -j"$jobs"

if raison=$(tools/windows/construit-qt.sh --present); then
  tools/windows/teste-windows.sh
else
  echo "WINDOWS PART NOT RUN: $raison. Run ./test.sh --windows to build it once."
  if [ "${PRISMELLE_EXIGE_WINDOWS:-0}" = 1 ]; then exit 1; fi
fi
