# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows layout: one folder that runs where it lies (the zip) and the same folder behind
# an installer (NSIS) with a Start-menu shortcut and an uninstaller.
if(NOT TARGET prismelle)
  return()
endif()

install(TARGETS prismelle RUNTIME DESTINATION .)
# Read from the working folder, as on Linux: the shortcut starts the program in this folder,
# and so does a double click on prismelle.exe.
install(FILES ${PROJECT_SOURCE_DIR}/data/rgb-arc-en-ciel.txt ${PROJECT_SOURCE_DIR}/data/mineraux.tsv
              ${PROJECT_SOURCE_DIR}/data/grains.tsv DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
install(FILES ${PROJECT_SOURCE_DIR}/tools/windows/LISEZMOI.txt
              ${PROJECT_SOURCE_DIR}/tools/windows/qt.conf DESTINATION .)

# Qt, QCustomPlot and the MinGW runtime beside the program, where Windows looks first.
set(PRISMELLE_DLL_QT Qt6::Core Qt6::Gui Qt6::Widgets Qt6::PrintSupport Qt6::Svg
                     QCustomPlotQt6::QCustomPlotQt6)
foreach(cible ${PRISMELLE_DLL_QT})
  install(FILES $<TARGET_FILE:${cible}> DESTINATION .)
endforeach()
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                  OUTPUT_VARIABLE chemin OUTPUT_STRIP_TRAILING_WHITESPACE)
  install(FILES ${chemin} DESTINATION .)
endforeach()
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)
# Photographs are JPEG or PNG (PNG is built into Qt); SVG figures are read back by the tests.
install(FILES $<TARGET_FILE:Qt6::QJpegPlugin> $<TARGET_FILE:Qt6::QSvgPlugin>
        DESTINATION imageformats)

# Qt's French texts (qt.conf names this folder) and the layout's font with its licence.
set(PRISMELLE_TRADUCTIONS_QT /usr/share/qt6/translations
    CACHE PATH "Folder of Qt's translations (qtbase_fr.qm)")
install(FILES ${PRISMELLE_TRADUCTIONS_QT}/qtbase_fr.qm DESTINATION translations)
set(PRISMELLE_POLICES /usr/share/fonts/truetype/liberation2
    CACHE PATH "Folder of the Liberation Sans faces")
foreach(face Regular Bold Italic BoldItalic)
  install(FILES ${PRISMELLE_POLICES}/LiberationSans-${face}.ttf DESTINATION polices)
endforeach()
install(FILES /usr/share/doc/fonts-liberation2/copyright DESTINATION polices
        RENAME LICENCE-Liberation.txt)

set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_NAME prismelle)
# ASCII: the uninstaller finds its Start-menu folder under a registry key of this name.
set(CPACK_PACKAGE_VENDOR prismelle)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME prismelle-${PROJECT_VERSION}-windows-x64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY prismelle)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
# A 64-bit installer: a 32-bit one needs Wine's 32-bit half to be checked here.
set(CPACK_NSIS_COMPRESSOR "lzma\n  Target amd64-unicode")
set(CPACK_NSIS_DISPLAY_NAME "prismelle")
set(CPACK_NSIS_PACKAGE_NAME "prismelle ${PROJECT_VERSION}")
set(CPACK_NSIS_INSTALLED_ICON_NAME prismelle.exe)
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
# The shortcut's working folder is the current output folder when it is made: the
# installation folder, where the rainbow file lies.
# Single quotes: CPack's configuration file does not keep double ones.
set(CPACK_NSIS_CREATE_ICONS_EXTRA
    "SetOutPath '$INSTDIR'
  CreateShortCut '$SMPROGRAMS\\\\$STARTMENU_FOLDER\\\\prismelle.lnk' '$INSTDIR\\\\prismelle.exe'")
set(CPACK_NSIS_DELETE_ICONS_EXTRA "Delete '$SMPROGRAMS\\\\$MUI_TEMP\\\\prismelle.lnk'")
include(cmake/NsisFrancais.cmake)
include(CPack)
