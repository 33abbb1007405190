# SPDX-License-Identifier: GPL-3.0-or-later
# Each library exports an include root of its own that holds only its own folders, as links to
# the sources: a library that includes a header of one it does not link fails to build, so the
# links' direction is enforced by the compiler. Includes stay rooted ("MichelLevySpectre/…").
#
#   prismelle_expose(cible DOSSIER_OU_FICHIER...)   paths relative to src/
function(prismelle_expose cible)
  set(racine ${PROJECT_BINARY_DIR}/racines/${cible})
  foreach(chemin IN LISTS ARGN)
    get_filename_component(parent ${racine}/${chemin} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    if(NOT EXISTS ${racine}/${chemin})
      file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${chemin} ${racine}/${chemin} SYMBOLIC)
    endif()
  endforeach()
  target_include_directories(${cible} PUBLIC ${racine})
endfunction()
