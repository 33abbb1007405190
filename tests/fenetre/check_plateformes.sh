#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program opens the platform Qt opens, under a real X server: each row's environment (and
# options after "--") either starts it (its window shows; offscreen, it keeps running) or ends
# it at once with the one French line and status 1. $N is the live display; :189 is dead.
# Usage: check_plateformes.sh <program> <source dir>
set -uo pipefail
programme=$1 source=$2
. "$source/tools/xvfb-fenetre.sh"
trap fenetre_arrete EXIT
xvfb_demarre || exit 1
N=${DISPLAY#:}
lignes=("demarre QT_QPA_PLATFORM=wayland;xcb DISPLAY=:$N"
    "demarre WAYLAND_DISPLAY=prismelle-absent DISPLAY=:$N" "demarre DISPLAY=unix:$N"
    "demarre DISPLAY=unix/:$N" "demarre DISPLAY=:$N.0" "demarre DISPLAY=:189 -- -display :$N"
    "demarre DISPLAY=:189 -- -platform offscreen" "refuse DISPLAY=:189" "refuse DISPLAY=:$N.1"
    "refuse DISPLAY=:${N}x" "refuse DISPLAY=/tmp/.X11-unix/X$N"
    "refuse QT_QPA_PLATFORM=wayland DISPLAY=:$N")
# Becomes the program, in the row's environment alone; $@ goes before it. No value has blanks.
# shellcheck disable=SC2086
lance()
{
    cd "$source/data" && exec env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
        -u XDG_SESSION_TYPE ${ligne%% -- *} "$@" "$programme" ${options} >"$sortie" 2>&1
}
echecs=0 sortie=$(mktemp)
for ligne in "${lignes[@]}"; do
    attendu=${ligne%% *} ligne=${ligne#* } options=""
    [[ $ligne == *" -- "* ]] && options=${ligne#* -- }
    if [ "$attendu" = demarre ]; then
        lance &
        PROG_PID=$!
        if [ "$options" = "-platform offscreen" ]; then
            sleep 3 && kill -0 "$PROG_PID"
        else fenetre_attend; fi
    else
        (lance timeout 20)
        [ $? = 1 ] && [ "$(wc -l <"$sortie")" = 1 ] && grep -qE "^prismelle : un système de \
fenêtres est nécessaire \(.* ne répond(ent)? pas\)\.$" "$sortie"
    fi || { echo "FAIL: $attendu $ligne" >&2 && cat "$sortie" >&2 && ((++echecs)); }
    [ -n "$PROG_PID" ] && kill "$PROG_PID" 2>/dev/null && wait "$PROG_PID" 2>/dev/null
    PROG_PID=""
done
rm -f "$sortie"
((echecs == 0)) && echo "every platform row OK"
