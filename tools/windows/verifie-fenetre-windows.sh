#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real-window check of the Windows program: the zip unpacked into a fresh folder and
# started under Wine in a virtual X server, beside the Linux program in the same server.
# Both must show the same title and size, the same pixels in the three strips at start-up,
# and write the same bytes when the listing is saved through the real dialogs (driven with
# xdotool, as a user would).
#   verifie-fenetre-windows.sh WINDOWS_ZIP LINUX_PROGRAM
set -euo pipefail
cd "$(dirname "$0")/../.."

zip=$(realpath "$1")
linux=$(realpath "$2")
. tools/xvfb-fenetre.sh
. tools/windows/environnement-wine.sh
tmp=$(mktemp -d)
trap 'fenetre_arrete; wine_arrete; rm -rf "$tmp"' EXIT

fail() {
  echo "FAIL: $*" >&2
  for f in "$tmp"/sortie-*.txt; do
    [ -s "$f" ] && { echo "--- $f:" >&2; cat "$f" >&2; }
  done
  exit 1
}

# The strips, at their design places in the client area: white light, incident light,
# Michel-Lévy.
BANDES=(593x65+56+72 593x65+56+192 1237x97+40+622)

# Screenshot and strip crops of the running program, named by $1.
capture() {
  fenetre_attend || fail "$1: the window did not show"
  eval "$(xdotool getwindowgeometry --shell "$FENETRE")"
  [ "${WIDTH}x${HEIGHT}" = 1285x731 ] || fail "$1: window is ${WIDTH}x${HEIGHT}, expected 1285x731"
  fenetre_capture "$tmp/$1.png" || fail "$1: no steady screenshot"
  local i=0 b
  for b in "${BANDES[@]}"; do
    convert "$tmp/$1.png" -crop "$b" +repage "$tmp/$1-bande$i.png"
    i=$((i + 1))
  done
}

# "voir les tableaux" (CheckBox1 at (800, 296)) and "calcul" (Button1, 75 x 25 at (56, 526))
# fill the listing; "Enregistrer" (BitBtn1, 75 x 25 at (1120, 296)), "Oui" in the question,
# then the file name typed into the save dialog: $2 as the program names it, $3 where it
# lands.
enregistre() {
  local id
  xdotool mousemove --window "$FENETRE" 806 304 click 1
  sleep 1
  xdotool mousemove --window "$FENETRE" 93 538 click 1
  sleep 3
  xdotool mousemove --window "$FENETRE" 1157 308 click 1
  id=$(timeout 20 xdotool search --sync --onlyvisible --name '^Confirmation$' | head -n1) ||
    fail "$1: no confirmation box"
  xdotool windowfocus --sync "$id" key --clearmodifiers Return
  id=$(timeout 20 xdotool search --sync --onlyvisible --name '^Enregistrer' | head -n1) ||
    fail "$1: no save dialog"
  sleep 1
  xdotool windowfocus --sync "$id" type --delay 30 "$2"
  xdotool key --clearmodifiers Return
  for _ in $(seq 100); do
    [ -s "$3" ] && break
    sleep 0.2
  done
  [ -s "$3" ] || fail "$1: no file written at $3"
  sleep 1 # the rename is the last step: the size is final once the file shows
}

# Ends the program with its "EXIT" button.
quitte() {
  fenetre_quitte || fail "$1: still running 30 s after EXIT"
  PROG_PID=""
}

xvfb_demarre
wine_prepare

# Linux, started from the data folder as its desktop entry does.
fenetre_lance "$linux" "$PWD/data" "$tmp/sortie-linux.txt"
capture linux
titre_linux=$(xdotool getwindowname "$FENETRE")
enregistre linux "$tmp/liste-linux.txt" "$tmp/liste-linux.txt"
quitte linux

# Windows, from the unpacked zip as a double click starts it: nothing of the build's Qt.
cmake -E chdir "$tmp" cmake -E tar xf "$zip"
dossier=$(find "$tmp" -maxdepth 2 -name prismelle.exe -printf '%h\n' | head -n1)
[ -n "$dossier" ] || fail "no prismelle.exe in $zip"
(cd "$dossier" && exec env -u QT_QPA_PLATFORM -u QT_PLUGIN_PATH -u WINEPATH wine prismelle.exe) \
  >"$tmp/sortie-windows.txt" 2>&1 &
PROG_PID=$!
capture windows
titre_windows=$(xdotool getwindowname "$FENETRE")
[ "$titre_windows" = "$titre_linux" ] || fail "title \"$titre_windows\", on Linux \"$titre_linux\""
enregistre windows "$(chemin_wine "$tmp/liste-windows.txt")" "$tmp/liste-windows.txt"
quitte windows

for i in 0 1 2; do
  ecarts=$(compare -metric AE "$tmp/linux-bande$i.png" "$tmp/windows-bande$i.png" null: 2>&1) || true
  [ "$ecarts" = 0 ] || fail "strip $i (${BANDES[$i]}): $ecarts pixels differ from Linux"
done
cmp "$tmp/liste-linux.txt" "$tmp/liste-windows.txt" ||
  fail "the listing saved on Windows differs from the Linux one"
echo "Windows window OK: title \"$titre_windows\", 3 strips equal to Linux, listing of" \
  "$(stat -c %s "$tmp/liste-windows.txt") bytes equal to Linux"
