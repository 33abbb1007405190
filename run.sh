#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds and starts the program in a folder that holds the
# standard rainbow file.
set -euo pipefail
cd "$(dirname "$0")"

programme=$(tools/construit-programme.sh)

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  cat >&2 <<'MSG'
No display: this is a desktop program and needs a window system.
Run it under a virtual X server instead, for example:
  Xvfb :99 -screen 0 1400x900x24 & DISPLAY=:99 ./run.sh
and look at it with:  DISPLAY=:99 import -window root shot.png
MSG
  exit 1
fi

# The program reads "rgb-arc-en-ciel.txt" and "mineraux.tsv" from its working folder.
WORK="$(dirname "$programme")/../run"
mkdir -p "$WORK"
cp data/rgb-arc-en-ciel.txt data/mineraux.tsv data/grains.tsv "$WORK/"
cd "$WORK"
exec "$programme"
