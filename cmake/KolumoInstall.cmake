# Where an installed Kolumo puts its files, and the Debian package built from
# them by CPack (cpack -G DEB).

# A game's programs go in games/ beside bin/ (/usr/games in the package,
# ~/.local/games for a player's own install); kolumo-launcher finds the data
# one folder up from there.
set(KOLUMO_GAMESDIR games)
set(KOLUMO_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/kolumo)

# The man pages, metainfo and changelog, with the version of project(), and
# the man pages and changelog compressed as Debian wants them (gzip -9n: no
# name or time stamp, so the package is reproducible).
set(dist_out ${PROJECT_BINARY_DIR}/dist)
configure_file(${PROJECT_SOURCE_DIR}/dist/net.kolumo.Kolumo.metainfo.xml.in
               ${dist_out}/net.kolumo.Kolumo.metainfo.xml @ONLY)
set(compressed)
foreach(page kolumo.6 kolumo-launcher.6)
  configure_file(${PROJECT_SOURCE_DIR}/dist/${page}.in ${dist_out}/${page} @ONLY)
  list(APPEND compressed ${page})
endforeach()
# The translated man pages, dist/man/<lang>/*.6.in, each language in the
# folder man looks in for it; a language added there is picked up by the
# next build without touching this file.
file(GLOB translated_pages CONFIGURE_DEPENDS RELATIVE ${PROJECT_SOURCE_DIR}/dist/man
     ${PROJECT_SOURCE_DIR}/dist/man/*/*.6.in)
set(translated_man_pages)
foreach(source ${translated_pages})
  string(REGEX REPLACE "\\.in$" "" page ${source})
  configure_file(${PROJECT_SOURCE_DIR}/dist/man/${source} ${dist_out}/man/${page} @ONLY)
  list(APPEND compressed man/${page})
  list(APPEND translated_man_pages ${page})
endforeach()
configure_file(${PROJECT_SOURCE_DIR}/dist/changelog ${dist_out}/changelog COPYONLY)
list(APPEND compressed changelog)
set(compressed_files)
foreach(name ${compressed})
  add_custom_command(OUTPUT ${dist_out}/${name}.gz
    COMMAND gzip -9n -c ${name} > ${name}.gz
    DEPENDS ${dist_out}/${name}
    WORKING_DIRECTORY ${dist_out}
    COMMENT "Compressing ${name}")
  list(APPEND compressed_files ${dist_out}/${name}.gz)
endforeach()
add_custom_target(kolumo_dist_files ALL DEPENDS ${compressed_files})

install(TARGETS kolumo RUNTIME DESTINATION ${KOLUMO_GAMESDIR})
install(PROGRAMS ${PROJECT_SOURCE_DIR}/dist/kolumo-launcher DESTINATION ${KOLUMO_GAMESDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/songs/
        DESTINATION ${CMAKE_INSTALL_DATADIR}/kolumo/songs
        FILES_MATCHING PATTERN "*.mid")
install(FILES ${dist_out}/net.kolumo.Kolumo.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${dist_out}/kolumo.6.gz ${dist_out}/kolumo-launcher.6.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
foreach(page ${translated_man_pages})
  get_filename_component(language ${page} DIRECTORY)
  install(FILES ${dist_out}/man/${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/${language}/man6)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${dist_out}/changelog.gz
              ${PROJECT_SOURCE_DIR}/dist/copyright
        DESTINATION ${KOLUMO_DOCDIR})

# The menu entry names the launcher by its installed path, known only at
# install time (cmake --install --prefix, or CPack's /usr): games/ is not on
# every PATH, ~/.local/games on almost none.
string(CONFIGURE [[
  file(READ "@PROJECT_SOURCE_DIR@/dist/net.kolumo.Kolumo.desktop" entry)
  string(REPLACE "Exec=kolumo-launcher"
         "Exec=${CMAKE_INSTALL_PREFIX}/@KOLUMO_GAMESDIR@/kolumo-launcher" entry "${entry}")
  file(WRITE "@dist_out@/installed/net.kolumo.Kolumo.desktop" "${entry}")
  file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}/@CMAKE_INSTALL_DATADIR@/applications"
       TYPE FILE FILES "@dist_out@/installed/net.kolumo.Kolumo.desktop")
]] install_desktop_entry @ONLY)
install(CODE "${install_desktop_entry}")

# The hicolor icon set, made by the icon generator into the build tree.
install(DIRECTORY $<TARGET_PROPERTY:kolumo_resources,KOLUMO_HICOLOR_DIR>/
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)

set(CPACK_PACKAGE_NAME kolumo)
set(CPACK_PACKAGE_VENDOR "The Kolumo developers")
set(CPACK_PACKAGE_CONTACT "The Kolumo developers <kolumo@kolumo.net>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "puzzle of coloured blocks taken from the ends of their rows")
# CPack indents every line of the description itself; a line of ours that
# began with a space would be shown as preformatted text.
set(CPACK_PACKAGE_DESCRIPTION
    "Each turn, take several blocks of one colour from the ends of their rows;\nclear the board to win. Every puzzle can be solved, and the game can show\nyou how. Undo, retry, Ironman games, sound effects and MIDI music.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES TRUE)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://kolumo.net/")
# Linked libraries are found by dpkg-shlibdeps; what is loaded at run time
# is named here: Qt's platform plugins, the fonts the board draws with, and
# SDL with SDL_mixer, which the game opens only after its first frame. On a
# Wayland desktop Qt's Wayland plugin lets the game run without XWayland.
# Qt's own catalogues translate its colour and file choosers; the CJK fonts
# draw Japanese and Chinese.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, fonts-dejavu-core, fonts-liberation2, libsdl2-2.0-0, libsdl2-mixer-2.0-0")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
  "timgm6mb-soundfont | fluid-soundfont-gm, qt6-wayland, qt6-translations-l10n, fonts-noto-cjk")
set(CPACK_GENERATOR DEB)
include(CPack)
