# Install layout, desktop integration and the Debian package.
include(GNUInstallDirs)

set(PRISMELLE_APP_ID org.prismelle.Prismelle)
set(PRISMELLE_DESKTOP_SRC ${PROJECT_SOURCE_DIR}/data/desktop)

if(TARGET prismelle)
  install(TARGETS prismelle RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

# The program reads its rainbow file from its working folder, which the desktop entry sets.
install(FILES ${PROJECT_SOURCE_DIR}/data/rgb-arc-en-ciel.txt
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

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME prismelle)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Interference colour chart of a birefringent plate")
set(CPACK_PACKAGE_DESCRIPTION
    "Teaching program for optical mineralogy: computes and paints the interference\ncolours of a birefringent plate between crossed polarisers, in white light or\nin a narrow band of monochromatic light.")
if(NOT CPACK_PACKAGE_CONTACT)
  set(CPACK_PACKAGE_CONTACT "The Prismelle developers")
endif()
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# dpkg-shlibdeps (dpkg-dev) derives the runtime packages (Qt 6, QCustomPlot, libc, libstdc++)
# from the libraries the program really links.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Not a linked library, but the design fonts fall back to it: wider faces clip captions.
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation2)
include(CPack)
