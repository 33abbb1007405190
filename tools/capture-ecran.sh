#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Screenshots of the window under a virtual X server: docs/prismelle.png in the start-up
# state, docs/bande-simple.png and docs/bande-colorimetrique.png the Michel-Lévy strip at
# half size in the table's colours and in colorimetric colours (the strip's menu, 5th entry),
# docs/prismelle-monochromatique.png after a pick at 589 nm on the white-light strip, and
# docs/charte-michel-levy.png, the full chart saved back in white light, and
# docs/identification.png, the identification window on a synthetic thin section.
# Usage: tools/capture-ecran.sh   (BUILD_DIR chooses the build folder, default build)
set -euo pipefail
cd "$(dirname "$0")/.."

programme=$(tools/construit-programme.sh)

. tools/xvfb-fenetre.sh
travail=$(mktemp -d)
trap 'fenetre_arrete; rm -rf "$travail"' EXIT
# The program reads its rainbow file and its mineral table from its working folder.
cp data/rgb-arc-en-ciel.txt data/mineraux.tsv data/grains.tsv "$travail/"

xvfb_demarre
fenetre_lance "$programme" "$travail" "$travail/sortie.txt"
fenetre_attend
mkdir -p docs
fenetre_capture docs/prismelle.png

# 589 nm lies at x = 280 of the 593-pixel strip at (56, 72); press, nudge and release.
xdotool mousemove --window "$FENETRE" 336 104 mousedown 1 \
    mousemove --window "$FENETRE" 337 104 mousemove --window "$FENETRE" 336 104 mouseup 1
xdotool mousemove 1399 899
fenetre_capture docs/prismelle-monochromatique.png

# Back to white light, then the full chart through the strip's menu (third entry) and the
# save dialog, reduced for the README.
xdotool mousemove --window "$FENETRE" 140 276 click 1
sleep 0.5
xdotool mousemove --window "$FENETRE" 640 672 click 3
sleep 0.5
xdotool key Down Down Down Return
sleep 1
xdotool type --delay 20 "$travail/charte.png"
xdotool key Return
for _ in $(seq 40); do [ -s "$travail/charte.png" ] && break; sleep 0.25; done
convert "$travail/charte.png" -resize 1000x -strip +dither -colors 256 docs/charte-michel-levy.png

# Last, as they move the readouts: the strip at (40, 622), 1237 by 97 pixels, at half size, in
# the table's colours and in colorimetric colours (the strip's menu, 5th entry).
bande() { convert "$1" -crop 1237x97+40+622 +repage -resize 50% -strip "png:$2"; }
couleurs_colorimetriques()
{
    xdotool mousemove --window "$FENETRE" 640 672 click 3
    sleep 0.5
    xdotool key Down Down Down Down Down Return
    xdotool mousemove 1399 899
}
fenetre_capture "$travail/simple.png"
bande "$travail/simple.png" docs/bande-simple.png
couleurs_colorimetriques
fenetre_capture "$travail/colorimetrique.png"
bande "$travail/colorimetrique.png" docs/bande-colorimetrique.png

# The identification window (the strip's menu, third entry from the end) on a synthetic thin
# section: grains of known retardation coloured as the strip shows them, dark boundaries, a
# little blur and noise, saved as JPEG. The pink grain in the middle is 1500 nm.
couleur() { awk -v r="$1" -F'\t' '$1 == r { printf "rgb(%d,%d,%d)", $2, $3, $4 }' "$travail/c.tsv"; }
"$programme" --couleurs --pas 1 --retard-max 6000 >"$travail/c.tsv"
convert -size 900x640 xc:'rgb(20,20,22)' \
    -fill "$(couleur 270)" -draw 'polygon 0,0 300,0 260,220 0,260' \
    -fill "$(couleur 1050)" -draw 'polygon 304,0 620,0 580,250 264,224' \
    -fill "$(couleur 830)" -draw 'polygon 624,0 900,0 900,300 584,254' \
    -fill "$(couleur 5200)" -draw 'polygon 0,264 258,228 330,460 0,520' \
    -fill "$(couleur 1500)" -draw 'polygon 262,228 578,254 520,470 334,462' \
    -fill "$(couleur 420)" -draw 'polygon 582,258 900,304 900,640 600,640 524,474' \
    -fill "$(couleur 2000)" -draw 'polygon 0,524 330,466 520,476 596,640 0,640' \
    -blur 0x1.2 -attenuate 0.25 +noise Gaussian -quality 85 "$travail/lame.jpg"
xdotool mousemove --window "$FENETRE" 640 672 click 3
sleep 0.5
xdotool key Up Up Up Return
identification=$(timeout 30 xdotool search --sync --onlyvisible \
    --name "^Identification d'une teinte\$" | head -n 1)
xdotool windowmove --sync "$identification" 0 0 windowsize --sync "$identification" 1300 860
xdotool windowfocus --sync "$identification" key ctrl+o
sleep 1
xdotool type --delay 10 "$travail/lame.jpg"
xdotool key Return
sleep 1
xdotool mousemove --window "$identification" 430 330 click 1 mousemove 1399 899
fenetre_capture "$travail/identification.png" "$identification"
convert "$travail/identification.png" -resize 1000x -strip +dither -colors 256 docs/identification.png

echo "wrote docs/prismelle.png, docs/bande-simple.png, docs/bande-colorimetrique.png," \
    "docs/prismelle-monochromatique.png, docs/charte-michel-levy.png and docs/identification.png"
