# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# Wine for the Windows build's checks: a prefix of its own in the cache, quiet, without the
# .NET and browser installers it would offer. Sourced; the caller has started Xvfb.
export WINEPREFIX=${PRISMELLE_WINEPREFIX:-${PRISMELLE_WIN_CACHE:-/var/cache/prismelle}/wine}
export WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

# A Linux path as Wine names it (drive Z: is the root).
chemin_wine() { echo "Z:${1//\//\\}"; }

wine_prepare() {
  mkdir -p "$WINEPREFIX"
  wine wineboot --init >/dev/null 2>&1
  # A crash ends the program with its status instead of waiting behind Wine's dialog.
  wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
    >/dev/null 2>&1
  wineserver -w
}

# Ends this prefix's Wine processes (only ours: the prefix is ours).
wine_arrete() { wineserver -k 2>/dev/null || true; }
