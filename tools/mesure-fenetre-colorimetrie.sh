#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# In a real X server at start-up (0..3000 nm by 6, white light): turns the colorimetric colours
# on from the strip's right-button menu, measures the strip's ΔE*ab against the independent
# rendering of tools/mesure-colorimetrie.py, turns them off again and checks that the strip is
# back pixel for pixel. The shots stay in ${SORTIE:-a temporary folder}.
# Usage: tools/mesure-fenetre-colorimetrie.sh   (BUILD_DIR chooses the build folder)
set -euo pipefail
cd "$(dirname "$0")/.."

programme=$(tools/construit-programme.sh)
# The entry's place in the menu.
entree=${ENTREE:-4}

. tools/xvfb-fenetre.sh
travail=$(mktemp -d)
sortie=${SORTIE:-$travail}
mkdir -p "$sortie"
trap 'fenetre_arrete; rm -rf "$travail"' EXIT
cp data/rgb-arc-en-ciel.txt "$travail/"

xvfb_demarre
fenetre_lance "$programme" "$travail" "$travail/sortie.txt"
fenetre_attend
fenetre_capture "$sortie/simple.png"

# The strip lies at (40, 622), 1237 by 97 pixels.
bascule()
{
    xdotool mousemove --window "$FENETRE" 640 672 click 3
    sleep 0.5
    for _ in $(seq "$entree"); do xdotool key Down; done
    xdotool key Return
    xdotool mousemove 1399 899
}

bande() { convert "$1" -crop 1237x97+40+622 +repage -depth 8 rgb:- | md5sum; }

bascule
fenetre_capture "$sortie/colorimetrique.png"
python3 tools/mesure-colorimetrie.py capture "$sortie/colorimetrique.png" 40 622 1237 3000 6
python3 tools/mesure-colorimetrie.py capture "$sortie/simple.png" 40 622 1237 3000 6 |
    sed 's/^/table colours: /'

bascule
fenetre_capture "$sortie/retour.png"
if [ "$(bande "$sortie/simple.png")" = "$(bande "$sortie/retour.png")" ]; then
    echo "off again: the strip is back pixel for pixel"
else
    echo "FAIL: the strip differs from the start-up strip once the option is off" >&2
    exit 1
fi
