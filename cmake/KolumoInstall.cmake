# Where an installed Kolumo puts its files, and the Debian package built from
# them by CPack (cpack -G DEB).

install(TARGETS kolumo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(PROGRAMS ${PROJECT_SOURCE_DIR}/dist/kolumo-launcher DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/songs/
        DESTINATION ${CMAKE_INSTALL_DATADIR}/kolumo/songs
        FILES_MATCHING PATTERN "*.mid")
install(FILES ${PROJECT_SOURCE_DIR}/dist/net.kolumo.Kolumo.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/dist/net.kolumo.Kolumo.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/dist/kolumo.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kolumo)

# The hicolor icon set, made by the icon generator into the build tree.
install(DIRECTORY $<TARGET_PROPERTY:kolumo_resources,KOLUMO_HICOLOR_DIR>/
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)

set(CPACK_PACKAGE_NAME kolumo)
set(CPACK_PACKAGE_VENDOR "The Kolumo developers")
set(CPACK_PACKAGE_CONTACT "The Kolumo developers <kolumo@kolumo.net>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "puzzle of coloured blocks taken from the ends of their rows")
set(CPACK_PACKAGE_DESCRIPTION
    "Each turn, take several blocks of one colour from the ends of their rows;\n clear the board to win. Every puzzle can be solved, and the game can show\n you how. Undo, retry, Ironman games, sound effects and MIDI music.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES TRUE)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://kolumo.net/")
# Linked libraries are found by dpkg-shlibdeps; what is loaded at run time
# is named here: Qt's platform plugins, the fonts the board draws with, and
# SDL with SDL_mixer, which the game opens only after its first frame.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, fonts-dejavu-core, fonts-liberation2, libsdl2-2.0-0, libsdl2-mixer-2.0-0")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "timgm6mb-soundfont | fluid-soundfont-gm")
set(CPACK_GENERATOR DEB)
include(CPack)
