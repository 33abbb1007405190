#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when the files of one source folder call each other in a circle, or when source folders
# do: a folder calling into another that calls back into it, even through others. Reads the
# calls from the object files (what each defines and what it needs), so that calls through any
# header count; inline and template code, defined weakly wherever it is used, is left out.
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

# "D symbol folder file" and "U symbol folder file" for every object.
while read -r dossier objet; do
  fichier=$(basename "$objet" .o)
  "$nm" --defined-only -g "$objet" |
    awk -v d="$dossier" -v f="$fichier" '$2 ~ /^[TDBR]$/ { print "D", $3, d, f }'
  "$nm" -u "$objet" | awk -v d="$dossier" -v f="$fichier" '{ print "U", $2, d, f }'
done <"$travail/objets" >"$travail/tous"

statut=0
cercle() { # title, file of "caller callee" lines
  if ! tsort "$2" >/dev/null 2>"$travail/cercle"; then
    echo "$1" >&2
    grep -v 'input contains a loop' "$travail/cercle" | sed 's/^tsort: /  /' | sort -u >&2
    statut=1
  fi
}

# Between folders: "caller's folder, callee's folder" for each call that leaves its folder.
awk '$1 == "D" { def[$2] = $3; next }
     { besoin[NR] = $2; par[NR] = $3 }
     END { for (i in besoin) if ((besoin[i] in def) && def[besoin[i]] != par[i])
             print par[i], def[besoin[i]] }' "$travail/tous" |
  sed "s#[^ ]*/src\(/[^ ]*\)\?#src\1#g" | sort -u >"$travail/dossiers"
cercle "Appels en cercle entre dossiers :" "$travail/dossiers"

for dossier in $(cut -d' ' -f1 "$travail/objets" | sort -u); do
  # "caller callee" for each call from one file of the folder to another.
  awk -v d="$dossier" '$3 != d { next }
       $1 == "D" { def[$2] = $4; next }
       { besoin[NR] = $2; par[NR] = $4 }
       END { for (i in besoin) if ((besoin[i] in def) && def[besoin[i]] != par[i])
               print par[i], def[besoin[i]] }' "$travail/tous" | sort -u >"$travail/appels"
  cercle "Appels en cercle dans ${dossier#*/src/} :" "$travail/appels"
done
n=$(cut -d' ' -f1 "$travail/objets" | sort -u | wc -l)
[ $statut = 0 ] && echo "aucun cercle d'appels dans $n dossiers ni entre eux"
exit $statut
