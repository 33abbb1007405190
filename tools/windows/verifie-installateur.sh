#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The installer under Wine, silent: it puts the program and its data files in the chosen
# folder, a Start-menu shortcut that starts in that folder, and an uninstaller that takes
# all of it away again, in a Wine prefix of its own (no earlier installation). The installed
# program is started in that folder, as the shortcut does, and must show its window. Needs
# DISPLAY.
#   verifie-installateur.sh INSTALLER
set -euo pipefail

installateur=$(realpath "$1")
. "$(dirname "$0")/environnement-wine.sh"
. "$(dirname "$0")/../xvfb-fenetre.sh"
tmp=$(mktemp -d)
export WINEPREFIX=$tmp/wine
trap 'wine_arrete; rm -rf "$tmp"' EXIT
wine_prepare
cible='C:\prismelle-essai'
dossier="$WINEPREFIX/drive_c/prismelle-essai"
fail() { echo "FAIL: installer: $*" >&2; exit 1; }

wine "$installateur" /S "/D=$cible" >/dev/null 2>&1 # silent: returns once installed
for f in prismelle.exe rgb-arc-en-ciel.txt mineraux.tsv grains.tsv Qt6Core.dll platforms/qwindows.dll \
  imageformats/qjpeg.dll translations/qtbase_fr.qm Uninstall.exe; do
  [ -f "$dossier/$f" ] || fail "no $f in $cible"
done
lien=$(find "$WINEPREFIX/drive_c" -path '*Start Menu*' -name prismelle.lnk | head -n1)
[ -n "$lien" ] || fail "no Start-menu shortcut prismelle.lnk"
# The link's strings (UTF-16): its target, then its working folder.
strings -el "$lien" | grep -qxF "$cible" || fail "the shortcut does not start in $cible"

(cd "$dossier" && exec env -u QT_QPA_PLATFORM -u QT_PLUGIN_PATH -u WINEPATH wine prismelle.exe) \
  >"$tmp/sortie.txt" 2>&1 &
PROG_PID=$!
fenetre_attend || { cat "$tmp/sortie.txt" >&2; fail "the installed program showed no window"; }
fenetre_quitte || fail "the installed program still runs 30 s after EXIT"

wine "$dossier/Uninstall.exe" /S >/dev/null 2>&1
for _ in $(seq 150); do # the uninstaller runs on from a copy of itself
  [ -n "$(find "$dossier" -type f 2>/dev/null)" ] || [ -e "$lien" ] || break
  sleep 0.2
done
restes=$(find "$dossier" -type f 2>/dev/null || true)
[ -z "$restes" ] || fail "the uninstaller left files: $restes"
[ ! -e "$lien" ] || fail "the uninstaller left the shortcut"
echo "installer OK: installed into $cible with its shortcut, started, uninstalled"
