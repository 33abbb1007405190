# SPDX-License-Identifier: GPL-3.0-or-later
# The installer in French only: CMake's own NSIS template, with NSIS's French language alone,
# its few English sentences translated, and without the page that offers to change PATH
# (the program is started from its shortcut, never from a console). Written into the build
# folder, where CPack looks first (CPACK_MODULE_PATH).
set(PRISMELLE_NSIS_DIR ${PROJECT_BINARY_DIR}/nsis)
file(READ ${CMAKE_ROOT}/Modules/Internal/CPack/NSIS.template.in modele)

# One language: the first one inserted is the installer's.
string(REGEX REPLACE "[ \t]*!insertmacro MUI_LANGUAGE \"[A-Za-z]+\"[^\n]*\n" "" modele "${modele}")
string(REPLACE ";Languages\n" ";Languages\n  !insertmacro MUI_LANGUAGE \"French\"\n"
               modele "${modele}")
string(REPLACE "  Page custom InstallOptionsPage\n" "" modele "${modele}")

set(textes
    "Selected environment for all users"
    "Environnement choisi pour tous les utilisateurs"
    "Selected environment for current user only."
    "Environnement choisi pour l'utilisateur actuel seulement."
    "Set install registry entry: '$1' to '$0'"
    "Entrée de registre de l'installation : '$1' vaut '$0'"
    "Download failed: $1"
    "Échec du téléchargement : $1"
    "\"Install Options\" \"Choose options for installing @CPACK_NSIS_PACKAGE_NAME@\""
    "\"Options d'installation\" \"Choisir les options d'installation de @CPACK_NSIS_PACKAGE_NAME@\""
    "is already installed. $\\n$\\nDo you want to uninstall the old version before installing the new one?"
    "est déjà installé. $\\n$\\nDésinstaller l'ancienne version avant d'installer la nouvelle ?"
    "\"Uninstall failed.\""
    "\"La désinstallation a échoué.\"")
list(LENGTH textes n)
math(EXPR dernier "${n} - 1")
foreach(i RANGE 0 ${dernier} 2)
  math(EXPR j "${i} + 1")
  list(GET textes ${i} anglais)
  list(GET textes ${j} francais)
  string(FIND "${modele}" "${anglais}" position)
  if(position EQUAL -1)
    message(FATAL_ERROR "NSIS template: \"${anglais}\" not found; translate this CMake's template")
  endif()
  string(REPLACE "${anglais}" "${francais}" modele "${modele}")
endforeach()

# CMake's template starts with a byte order mark, so makensis reads the French as UTF-8.
file(WRITE ${PRISMELLE_NSIS_DIR}/NSIS.template.in "${modele}")
list(PREPEND CPACK_MODULE_PATH ${PRISMELLE_NSIS_DIR})
