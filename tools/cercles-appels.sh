#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when the files of one source folder call each other in a circle. Reads the calls from
# the object files (what each defines and what it needs), so that calls through any header
# count; inline and template code, defined weakly wherever it is used, is left out.
#
#   tools/cercles-appels.sh NM OBJECT...    (the objects of a CMake build)
set -euo pipefail
nm=${1:?usage: $0 NM OBJECT...}
shift
[ $# -gt 0 ] || { echo "cercles-appels : aucun fichier objet" >&2; exit 2; }
travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT

# The source folder of each object: build/src/X/CMakeFiles/t.dir/Y/f.cpp.o comes from src/X/Y.
for objet in "$@"; do
  case $objet in *_autogen/*) continue ;; esac # Qt's generated code
  dedans=${objet#*/CMakeFiles/*.dir/}
  dossier=${objet%%/CMakeFiles/*}/$(dirname "$dedans")
  echo "${dossier%/.} $objet"
done | sort >"$travail/objets"

statut=0
for dossier in $(cut -d' ' -f1 "$travail/objets" | sort -u); do
  : >"$travail/symboles"
  for objet in $(awk -v d="$dossier" '$1 == d { print $2 }' "$travail/objets"); do
    fichier=$(basename "$objet" .o)
    "$nm" --defined-only -g "$objet" | awk -v f="$fichier" '$2 ~ /^[TDBR]$/ { print "D", $3, f }'
    "$nm" -u "$objet" | awk -v f="$fichier" '{ print "U", $2, f }'
  done >"$travail/symboles"
  # "caller callee" for each call from one file of the folder to another.
  awk '$1 == "D" { def[$2] = $3; next }
       { besoin[NR] = $2; par[NR] = $3 }
       END { for (i in besoin) if ((besoin[i] in def) && def[besoin[i]] != par[i])
               print par[i], def[besoin[i]] }' "$travail/symboles" | sort -u >"$travail/appels"
  if ! tsort "$travail/appels" >/dev/null 2>"$travail/cercle"; then
    echo "Appels en cercle dans ${dossier#*/src/} :" >&2
    grep -v 'input contains a loop' "$travail/cercle" | sed 's/^tsort: /  /' | sort -u >&2
    statut=1
  fi
done
[ $statut = 0 ] && echo "aucun cercle d'appels dans $(cut -d' ' -f1 "$travail/objets" | sort -u | wc -l) dossiers"
exit $statut
