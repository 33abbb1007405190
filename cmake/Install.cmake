# SPDX-License-Identifier: GPL-3.0-or-later
# Install layout, desktop integration and the Debian package.
include(GNUInstallDirs)

set(PRISMELLE_APP_ID org.prismelle.Prismelle)
set(PRISMELLE_DESKTOP_SRC ${PROJECT_SOURCE_DIR}/data/desktop)

if(TARGET prismelle)
  install(TARGETS prismelle RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

# The program reads its rainbow file and its mineral table from its working folder, which the
# desktop entry sets.
install(FILES ${PROJECT_SOURCE_DIR}/data/rgb-arc-en-ciel.txt ${PROJECT_SOURCE_DIR}/data/mineraux.tsv
              ${PROJECT_SOURCE_DIR}/data/grains.tsv
        DESTINATION ${CMAKE_INSTALL_DATADIR}/prismelle)

# Path= must be absolute and name where the files really land. The prefix is only final at
# install time (cmake --install --prefix, or /usr for the package), so the entry is
# configured then, with the data folder computed as GNUInstallDirs does.
set(PRISMELLE_DESKTOP_OUT ${PROJECT_BINARY_DIR}/desktop/${PRISMELLE_APP_ID}.desktop)
install(CODE "
  set(CMAKE_INSTALL_FULL_DATADIR \"${CMAKE_INSTALL_DATADIR}\")
  if(NOT IS_ABSOLUTE \"\${CMAKE_INSTALL_FULL_DATADIR}\")
    set(CMAKE_INSTALL_FULL_DATADIR \"\${CMAKE_INSTALL_PREFIX}/\${CMAKE_INSTALL_FULL_DATADIR}\")
  endif()
  configure_file(\"${PRISMELLE_DESKTOP_SRC}/${PRISMELLE_APP_ID}.desktop.in\"
                 \"${PRISMELLE_DESKTOP_OUT}\" @ONLY)
")
install(FILES ${PRISMELLE_DESKTOP_OUT} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PRISMELLE_DESKTOP_SRC}/${PRISMELLE_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${PRISMELLE_DESKTOP_SRC}/${PRISMELLE_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Debian policy: a copyright file, a changelog and a manual page, the last two compressed
# with gzip -9n (no name, no time stamp) so that rebuilding gives the same bytes.
set(PRISMELLE_PAQUET_SRC ${PROJECT_SOURCE_DIR}/data)
set(PRISMELLE_PAQUET_OUT ${PROJECT_BINARY_DIR}/paquet)
foreach(fichier debian/changelog man/prismelle.1)
  get_filename_component(nom ${fichier} NAME)
  add_custom_command(
    OUTPUT ${PRISMELLE_PAQUET_OUT}/${nom}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PRISMELLE_PAQUET_OUT}
    COMMAND gzip -9n -c ${PRISMELLE_PAQUET_SRC}/${fichier} > ${PRISMELLE_PAQUET_OUT}/${nom}.gz
    DEPENDS ${PRISMELLE_PAQUET_SRC}/${fichier}
    VERBATIM)
endforeach()
add_custom_target(documents_paquet ALL
  DEPENDS ${PRISMELLE_PAQUET_OUT}/changelog.gz ${PRISMELLE_PAQUET_OUT}/prismelle.1.gz)
if(TARGET prismelle)
  # So that installing after building the program alone finds them too.
  add_dependencies(prismelle documents_paquet)
endif()
install(FILES ${PRISMELLE_PAQUET_OUT}/prismelle.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PRISMELLE_PAQUET_SRC}/debian/copyright ${PRISMELLE_PAQUET_OUT}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME prismelle)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Interference colour chart of a birefringent plate")
set(CPACK_PACKAGE_DESCRIPTION
    "Teaching program for optical mineralogy: computes and paints the interference\ncolours of a birefringent plate between crossed polarisers, in white light or\nin a narrow band of monochromatic light.")
if(NOT CPACK_PACKAGE_CONTACT)
  set(CPACK_PACKAGE_CONTACT "Équipe prismelle <equipe@prismelle.org>")
endif()
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# dpkg-shlibdeps (dpkg-dev) derives the runtime packages (Qt 6, QCustomPlot, libc, libstdc++)
# from the libraries the program really links.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Not linked, but needed to start: the design fonts fall back to Liberation (wider faces
# clip captions); libqt6gui6 only recommends the window-system plugins, without which Qt
# cannot open a window; Qt's own French texts come from the translations package.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, qt6-qpa-plugins, qt6-translations-l10n")
include(CPack)
