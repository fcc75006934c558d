# Installing like a desktop program: the executables in bin/, the station
# list and the help in share/tovk/, the menu entry, the icon and the software
# centre's description; and the Debian package built by `cpack -G DEB`.
include(GNUInstallDirs)

set(TOVK_PACKAGING_DIR ${CMAKE_SOURCE_DIR}/packaging)

foreach(program tovk tovk-term)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()

# The window's sound device module, where the window looks for it from bin/.
if(TARGET tovk-sound-device)
  install(TARGETS tovk-sound-device LIBRARY DESTINATION lib/tovk)
endif()

install(FILES ${CMAKE_SOURCE_DIR}/data/TOVK.SS ${CMAKE_SOURCE_DIR}/docs/help/tovk-help.html
  DESTINATION ${CMAKE_INSTALL_DATADIR}/tovk)
install(FILES ${TOVK_PACKAGING_DIR}/org.tovk.Tovk.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${TOVK_PACKAGING_DIR}/tovk.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${TOVK_PACKAGING_DIR}/org.tovk.Tovk.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The Debian package.
set(CPACK_PACKAGE_NAME tovk)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tovk developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Sweepstakes radio contest operating game")
set(CPACK_PACKAGE_DESCRIPTION
  "Tovk puts you behind the microphone of an amateur-radio contest station\nfor one Sweepstakes weekend: call CQ, tune the band, copy the exchange\nthrough the noise and work all 75 sections. Everything heard is simulated:\nno radio and no network are needed.")
set(CPACK_PACKAGE_CONTACT "Tovk developers <tovk@localhost>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Tovk developers <tovk@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The window draws its button pictures from SVG on screens whose pixel ratio
# is neither 1 nor 2, with Qt's SVG plugins (in libqt6svg6 on Debian 12); its
# Courier New and Arial come from the metric-compatible Liberation fonts.
# espeak-ng is loaded when the sound first speaks, so dpkg-shlibdeps does not
# see it.
set(TOVK_DEBIAN_RUNTIME "libqt6svg6 (>= 6.4), fonts-liberation2, libespeak-ng1")
find_program(TOVK_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(TOVK_DPKG_SHLIBDEPS)
  # The libraries the executables link (Qt, the C++ and C libraries) with
  # the versions they need, found by dpkg-shlibdeps.
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "${TOVK_DEBIAN_RUNTIME}")
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6widgets6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6core6 (>= 6.4), libqt6multimedia6 (>= 6.4), libsndfile1, libstdc++6 (>= 12), libc6 (>= 2.34), ${TOVK_DEBIAN_RUNTIME}")
endif()
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-qpa-plugins")
set(CPACK_GENERATOR DEB)
include(CPack)
