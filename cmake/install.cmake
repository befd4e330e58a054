# What `cmake --install` and the Debian package put on a system: the game, its
# menu entry and its icons, all in the component "game". The replay tool, the
# tests and the benchmarks have no install rules, so they never ship.
include(GNUInstallDirs)

install(TARGETS zubble RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT game)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/zubble.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT game)
foreach(size 16 32)
  install(FILES ${PROJECT_SOURCE_DIR}/assets/icon${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
    RENAME zubble.png COMPONENT game)
endforeach()

# One Debian package, zubble_<version>_amd64.deb, holding the game component only.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zubble)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "maze-chase arcade game: eat the dots, dodge the ghosts")
set(CPACK_PACKAGE_CONTACT "The Zubble team")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_CMAKE_PROJECTS "${PROJECT_BINARY_DIR};${PROJECT_NAME};game;/")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Zubble team")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The panel and the captions need a font, and no library dependency brings one.
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-dejavu-core)
include(CPack)
