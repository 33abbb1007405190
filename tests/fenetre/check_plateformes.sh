#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program opens the platform Qt opens, under a real X server: each row's environment and
# options either start it (its window shows; offscreen, it keeps running) or end it at once
# with the one French line and status 1. $N is the live display; :189 answers nothing.
# Usage: check_plateformes.sh <program> <source dir>
set -uo pipefail
programme=$1 source=$2
. "$source/tools/xvfb-fenetre.sh"
trap fenetre_arrete EXIT
xvfb_demarre || exit 1
N=${DISPLAY#:}
lignes=(
    "demarre QT_QPA_PLATFORM=wayland;xcb DISPLAY=:$N"
    "demarre WAYLAND_DISPLAY=prismelle-absent DISPLAY=:$N"
    "demarre DISPLAY=unix:$N"
    "demarre DISPLAY=unix/:$N"
    "demarre DISPLAY=:$N.0"
    "demarre DISPLAY=:189 -- -display :$N"
    "demarre DISPLAY=:189 -- -platform offscreen"
    "refuse DISPLAY=:189"
    "refuse DISPLAY=:$N.1"
    "refuse DISPLAY=:${N}x"
    "refuse DISPLAY=/tmp/.X11-unix/X$N"
    "refuse QT_QPA_PLATFORM=wayland DISPLAY=:$N"
)
# Becomes the program, in the row's environment alone with its options; $@ goes before it.
lance()
{
    cd "$source/data" && exec env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
        -u XDG_SESSION_TYPE "${variables[@]}" "$@" "$programme" "${options[@]}" >"$sortie" 2>&1
}
echecs=0
for ligne in "${lignes[@]}"; do
    read -r -a mots <<<"${ligne#* }"
    variables=() options=()
    for ((i = 0; i < ${#mots[@]}; ++i)); do
        [ "${mots[i]}" = -- ] && options=("${mots[@]:i+1}") && break
        variables+=("${mots[i]}")
    done
    sortie=$(mktemp)
    if [ "${ligne%% *}" = demarre ]; then
        lance &
        PROG_PID=$!
        if [ "${options[*]}" = "-platform offscreen" ]; then
            sleep 3 && kill -0 "$PROG_PID" 2>/dev/null
        else
            fenetre_attend
        fi || { echo "FAIL: did not start: $ligne" >&2 && cat "$sortie" >&2 && ((++echecs)); }
        kill "$PROG_PID" 2>/dev/null
        wait "$PROG_PID" 2>/dev/null
        PROG_PID=""
    else
        statut=0
        (lance timeout 20) || statut=$?
        [ "$statut" = 1 ] && [ "$(wc -l <"$sortie")" = 1 ] && grep -qE "^prismelle : un système \
de fenêtres est nécessaire \(.* ne répond(ent)? pas\)\.$" "$sortie" ||
            { echo "FAIL: status $statut: $ligne" >&2 && cat "$sortie" >&2 && ((++echecs)); }
    fi
    rm -f "$sortie"
done
((echecs == 0)) && echo "every platform row OK"
