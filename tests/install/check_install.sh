#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs a build into a temporary DESTDIR and checks the layout and the desktop files.
# Usage: check_install.sh <build dir> <source dir>
set -euo pipefail

build=$1
source=$2
id=org.prismelle.Prismelle
# An unusual prefix, so a Path= fixed at configure time shows up as wrong.
prefix=/opt/prismelle-essai

dest=$(mktemp -d)
trap 'rm -rf "$dest"' EXIT
DESTDIR="$dest" cmake --install "$build" --prefix "$prefix" >/dev/null
root=$dest$prefix

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

desktop=$root/share/applications/$id.desktop
metainfo=$root/share/metainfo/$id.metainfo.xml
icon=$root/share/icons/hicolor/scalable/apps/$id.svg

[ -x "$root/bin/prismelle" ] || fail "bin/prismelle missing or not executable"
for f in "$desktop" "$metainfo" "$icon"; do
    [ -s "$f" ] || fail "${f#"$root"/} missing"
done
for data in rgb-arc-en-ciel.txt mineraux.tsv grains.tsv; do
    cmp "$source/data/$data" "$root/share/prismelle/$data" ||
        fail "share/prismelle/$data differs from the shipped file"
done

# The program finds its rainbow file only through the entry's working folder.
key() { sed -n "s/^$1=//p" "$desktop"; }
[ "$(key Path)" = "$prefix/share/prismelle" ] || fail "Path=$(key Path), expected $prefix/share/prismelle"
[ -f "$dest$(key Path)/rgb-arc-en-ciel.txt" ] || fail "no rainbow file in the Path= folder"
[ "$(key Exec)" = prismelle ] || fail "Exec=$(key Exec)"
[ "$(key Icon)" = "$id" ] || fail "Icon=$(key Icon) does not name the installed icon"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "metainfo does not launch $id.desktop"
grep -q '<svg' "$icon" || fail "icon is not SVG"

desktop-file-validate "$desktop"
appstreamcli validate --no-net "$metainfo"
echo "install layout OK"
