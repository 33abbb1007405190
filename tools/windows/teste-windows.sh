#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Everything about the Windows build (./test.sh --windows): builds it (and, the first time,
# its Qt: about half an hour or more on two cores), makes the zip and the installer, runs the
# cross-built tests through ctest with Wine in a virtual X server on Qt's real Windows
# platform, the installer (silent install, shortcut, uninstall), then the real-window check
# against the Linux program.
#   BUILD_WIN_DIR  the Windows build folder (default build-windows)
#   BUILD_DIR      the Linux build folder for the reference window (default build)
set -euo pipefail
cd "$(dirname "$0")/../.."

debut=$(date +%s)
win=${BUILD_WIN_DIR:-build-windows}
linux=${BUILD_DIR:-build}
tools/windows/construit-windows.sh "$win"
qt=$(tools/windows/construit-qt.sh --present)
IFS=';' read -r qcp gtest <<<"$(tools/windows/construit-dependances.sh "$qt" | tail -n1)"
: "$gtest" # linked statically

. tools/xvfb-fenetre.sh
. tools/windows/environnement-wine.sh
trap 'wine_arrete; fenetre_arrete' EXIT
# A real screen as large as the window at pixel density 2: Windows fits windows to it.
XVFB_ECRAN=2800x1800x24 xvfb_demarre
wine_prepare

# The tests run from the build tree: Wine finds Qt, QCustomPlot and the MinGW runtime
# through WINEPATH; Qt finds its plugins and French texts beside its own DLLs.
mingw=()
for dll in libstdc++-6.dll libwinpthread-1.dll; do
  mingw+=("$(chemin_wine "$(dirname "$(realpath "$(x86_64-w64-mingw32-g++-posix -print-file-name=$dll)")")")")
done
# A window test that fails under Wine gets one more try: Wine's timing is not Windows'. Its
# failure stays in the log.
WINEPATH="$(chemin_wine "$qt/bin");$(chemin_wine "$qcp/bin");${mingw[0]};${mingw[1]}" \
  QT_QPA_PLATFORM=windows ctest --test-dir "$win" --output-on-failure -j"$(nproc)" --timeout 600 \
  --repeat until-pass:2
tools/windows/verifie-installateur.sh "$win"/prismelle-*-windows-x64.exe
wine_arrete
fenetre_arrete

# The Linux program the window is compared with.
cmake -S . -B "$linux" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$linux" --target prismelle -j"$(nproc)"
tools/windows/verifie-fenetre-windows.sh "$win"/prismelle-*-windows-x64.zip "$linux/src/prismelle"
echo "Windows build and checks: $(($(date +%s) - debut)) s"
