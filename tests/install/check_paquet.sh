#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the Debian package of a build with cpack and holds it to Debian policy: lintian
# must report no error and no warning, and the package must depend on what starting needs.
# Usage: check_paquet.sh <build dir>
set -euo pipefail

build=$(cd "$1" && pwd)

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

command -v lintian >/dev/null || fail "lintian is not installed"

sortie=$(mktemp -d)
trap 'rm -rf "$sortie"' EXIT
cpack --config "$build/CPackConfig.cmake" -B "$sortie" >"$sortie/cpack.txt" 2>&1 ||
    fail "cpack failed: $(cat "$sortie/cpack.txt")"
paquet=$(find "$sortie" -maxdepth 1 -name 'prismelle_*.deb')
[ -n "$paquet" ] || fail "cpack made no .deb"

# Neither is a linked library, so dpkg-shlibdeps cannot find them: libqt6gui6 only
# recommends the window-system plugins, and the French texts of Qt's dialogs are loaded.
depend=$(dpkg-deb -f "$paquet" Depends | tr -d ' ' | tr ',' '\n' | sed 's/(.*//')
for p in qt6-qpa-plugins qt6-translations-l10n fonts-liberation2; do
    grep -qx "$p" <<<"$depend" || fail "$(basename "$paquet") does not depend on $p"
done

# Information tags (pedantic checks, English spelling in a French manual page) do not fail.
lintian --fail-on error,warning --tag-display-limit 0 "$paquet" ||
    fail "lintian reports errors or warnings on $(basename "$paquet")"
echo "package OK: $(basename "$paquet")"
