#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs a build into a temporary DESTDIR, starts the installed program as its desktop
# entry does (working folder from Path=) in a real X server, checks by pixels that the three
# strips are painted, and ends it with its "EXIT" button.
# Usage: check_fenetre_installee.sh <build dir> <source dir>
set -euo pipefail

build=$1
source=$2
prefix=/opt/prismelle-fenetre

. "$source/tools/xvfb-fenetre.sh"
dest=$(mktemp -d)
trap 'fenetre_arrete; rm -rf "$dest"' EXIT

fail()
{
    echo "FAIL: $*" >&2
    if [ -s "$dest/sortie.txt" ]; then
        echo "--- program output:" >&2
        cat "$dest/sortie.txt" >&2
    fi
    exit 1
}

DESTDIR="$dest" cmake --install "$build" --prefix "$prefix" >/dev/null
desktop=$dest$prefix/share/applications/org.prismelle.Prismelle.desktop
dossier=$dest$(sed -n 's/^Path=//p' "$desktop")
programme=$dest$prefix/bin/$(sed -n 's/^Exec=//p' "$desktop")
[ -f "$dossier/rgb-arc-en-ciel.txt" ] || fail "no rainbow file in the entry's Path= folder"
[ -x "$programme" ] || fail "the entry's Exec= is not the installed program"

xvfb_demarre
fenetre_lance "$programme" "$dossier" "$dest/sortie.txt"
fenetre_attend || fail "the window did not show"

# Without a window manager the window has no frame: its pixels are the client area's.
eval "$(xdotool getwindowgeometry --shell "$FENETRE")"
[ "${WIDTH}x${HEIGHT}" = 1285x731 ] || fail "window is ${WIDTH}x${HEIGHT}, expected 1285x731"
ecran=$dest/fenetre.png
fenetre_capture "$ecran" || fail "no steady screenshot"

# "r g b" of the screenshot at (x, y).
pixel()
{
    convert "$ecran" -crop "1x1+$1+$2" +repage -depth 8 rgb:- | od -An -tu1 | xargs
}

# Checks the colour at (x, y) with an awk condition on r, g and b.
attend()
{
    local nom=$1 x=$2 y=$3 condition=$4 rgb
    rgb=$(pixel "$x" "$y")
    echo "$rgb" | awk "{ r = \$1; g = \$2; b = \$3; exit !($condition) }" ||
        fail "$nom at ($x, $y) is rgb($rgb), expected $condition"
}

# Michel-Lévy strip at (40, 622), 1237 pixels for 0..3000 nm at start-up: first-order grey,
# white, then yellow near its left end (below the tick marks).
y=680
attend "zero retardation" 40 $y 'r + g + b < 60'
attend "grey near 150 nm" $((40 + 62)) $y 'r + g + b > 200 && r + g + b < 600 && b - r < 80'
attend "white near 250 nm" $((40 + 103)) $y 'r > 200 && g > 200 && b > 200'
attend "yellow near 400 nm" $((40 + 165)) $y 'r > b + 60 && g > b + 40'

# White-light strip at (56, 72): blue, green and red in their places, black beyond 700 nm.
# At start-up the incident strip at (56, 192) is the same spectrum.
for bande in 104 224; do
    attend "blue at 450 nm" $((56 + 74)) $bande 'b > r + 60 && b > g + 60'
    attend "green at 540 nm" $((56 + 208)) $bande 'g > r + 60 && g > b + 60'
    attend "red at 610 nm" $((56 + 311)) $bande 'r > g + 60 && r > b + 60'
    attend "black at 750 nm" $((56 + 519)) $bande 'r + g + b < 30'
done

# "EXIT" ends the program with status 0.
fenetre_quitte 10 || fail "the program still runs 10 s after EXIT"
statut=0
wait "$PROG_PID" || statut=$?
PROG_PID=""
[ "$statut" -eq 0 ] || fail "EXIT ended the program with status $statut"
echo "installed window OK"
