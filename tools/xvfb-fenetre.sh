# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# Runs the program's window in a virtual X server of its own; sourced by the screenshot
# script and by the real-window test. The caller sets `trap fenetre_arrete EXIT`.

TITRE_FENETRE='prismelle kelvorin v1.4'
XVFB_PID=""
PROG_PID=""
FENETRE=""
REGLAGES_ESSAI=""

# Starts Xvfb on the first free display number and exports DISPLAY. XVFB_ECRAN: the screen
# (default 1400x900x24).
xvfb_demarre()
{
    local numero
    numero=$(mktemp)
    # -noreset: a server that resets as its last client leaves refuses the next one meanwhile.
    Xvfb -displayfd 3 -screen 0 "${XVFB_ECRAN:-1400x900x24}" -nolisten tcp -noreset 3>"$numero" \
        >/dev/null 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 100); do
        [ -s "$numero" ] && break
        kill -0 "$XVFB_PID" 2>/dev/null || break
        sleep 0.1
    done
    if [ ! -s "$numero" ]; then
        rm -f "$numero"
        echo "FAIL: Xvfb did not start within 10 s" >&2
        return 1
    fi
    DISPLAY=":$(tr -d '\n' <"$numero")"
    export DISPLAY
    rm -f "$numero"
    # The pointer starts mid-screen; keep it off the window so no hint pops up.
    xdotool mousemove 1399 899
}

# Starts the program ($1) in the working folder $2 on the virtual display, as at a first start
# (settings folder of its own, empty); its output goes to $3.
fenetre_lance()
{
    REGLAGES_ESSAI=$(mktemp -d)
    (cd "$2" && exec env -u QT_SCALE_FACTOR QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME="$REGLAGES_ESSAI" \
        "$1") >"$3" 2>&1 &
    PROG_PID=$!
}

# Waits for the main window and sets FENETRE to its id.
fenetre_attend()
{
    FENETRE=$(timeout 30 xdotool search --sync --onlyvisible --name "^${TITRE_FENETRE}\$" |
        head -n 1) || true
    if [ -z "$FENETRE" ]; then
        echo "FAIL: no window titled \"$TITRE_FENETRE\" within 30 s; windows shown:" >&2
        xdotool search --onlyvisible --name . getwindowname %@ >&2 || true
        return 1
    fi
}

# Screenshot of the window (or of window $2) into $1 (PNG), once two shots in a row are the
# same: the first activation paints after the window shows.
fenetre_capture()
{
    local avant="" apres
    for _ in $(seq 40); do
        import -window "${2:-$FENETRE}" -strip "png:$1"
        apres=$(convert "$1" -depth 8 rgb:- | md5sum)
        [ "$apres" = "$avant" ] && return 0
        avant=$apres
        sleep 0.25
    done
    echo "FAIL: the window did not settle within 10 s" >&2
    return 1
}

# Clicks "EXIT" (Button2, 75 x 25 at (192, 526)) and waits up to $1 seconds (default 30) for
# the program to end; status 1 if it still runs.
fenetre_quitte()
{
    xdotool mousemove --window "$FENETRE" 229 538 click 1
    for _ in $(seq $((${1:-30} * 5))); do
        kill -0 "$PROG_PID" 2>/dev/null || return 0
        sleep 0.2
    done
    return 1
}

# Stops the program if it still runs, then Xvfb.
fenetre_arrete()
{
    local pid
    for pid in "$PROG_PID" "$XVFB_PID"; do
        if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
            kill "$pid" 2>/dev/null || true
            wait "$pid" 2>/dev/null || true
        fi
    done
    PROG_PID=""
    XVFB_PID=""
    [ -z "${REGLAGES_ESSAI:-}" ] || rm -rf "$REGLAGES_ESSAI"
}
