# Installation and the Debian package.
#
#   cmake --install build --prefix P
#
# puts the program with its data files in one program folder, P/lib/globina
# (the program finds its data beside itself), starts it from P/bin/globina,
# and adds what a desktop needs: the launcher, the icons, the AppStream
# metadata and the manual page. scripts/package builds the .deb with CPack.

# One reverse-DNS id for the launcher, the icons, the metadata and the program.
set(GLOBINA_APP_ID org.globina.globina)
set(GLOBINA_SCREENSHOT_URL "https://globina.org/screenshots/main-menu.png"
    CACHE STRING "Where the screenshot of the AppStream metadata is published")
set(GLOBINA_PROGRAM_DIR lib/globina)
target_compile_definitions(globina PRIVATE GLOBINA_APP_ID="${GLOBINA_APP_ID}")

set(staged ${CMAKE_BINARY_DIR}/desktop)
configure_file(${CMAKE_SOURCE_DIR}/desktop/globina.desktop.in
               ${staged}/${GLOBINA_APP_ID}.desktop @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/desktop/globina.metainfo.xml.in
               ${staged}/${GLOBINA_APP_ID}.metainfo.xml @ONLY)
# A relative link, so the installed tree works under any prefix and DESTDIR;
# the program resolves it to find its folder.
file(CREATE_LINK ../${GLOBINA_PROGRAM_DIR}/globina ${staged}/globina SYMBOLIC)
add_custom_command(OUTPUT ${staged}/globina.6.gz
  COMMAND gzip -9nc ${CMAKE_SOURCE_DIR}/desktop/globina.6 > ${staged}/globina.6.gz
  DEPENDS ${CMAKE_SOURCE_DIR}/desktop/globina.6 VERBATIM)
add_custom_target(globina_manual ALL DEPENDS ${staged}/globina.6.gz)

install(TARGETS globina RUNTIME DESTINATION ${GLOBINA_PROGRAM_DIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/assets/ DESTINATION ${GLOBINA_PROGRAM_DIR})
install(FILES ${staged}/globina DESTINATION bin)
install(FILES ${staged}/${GLOBINA_APP_ID}.desktop DESTINATION share/applications)
install(FILES ${staged}/${GLOBINA_APP_ID}.metainfo.xml DESTINATION share/metainfo)
install(FILES ${staged}/globina.6.gz DESTINATION share/man/man6)
foreach(size 16 22 24 32 48 64 128 256)
  install(FILES ${CMAKE_SOURCE_DIR}/desktop/icons/${size}.png
          DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME ${GLOBINA_APP_ID}.png)
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/desktop/icons/globina.svg
        DESTINATION share/icons/hicolor/scalable/apps RENAME ${GLOBINA_APP_ID}.svg)

# The Debian package: globina_<version>_<arch>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME globina)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "geography quiz: countries, capitals and flags of the world")
set(CPACK_PACKAGE_DESCRIPTION
    "Globina is a geography quiz for one player. Click the countries on a map,\n"
    "click the capitals and cities, pick flags from a sheet or answer four-choice\n"
    "questions, against a running percentage and a clock, with a top-ten list\n"
    "for every exercise. It speaks Swedish, English, French, German, Spanish,\n"
    "Italian, Danish and Dutch.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Globina developers")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
# The libraries the program links come from dpkg-shlibdeps. The Qt platform
# plugins, the SQLite driver and the sound library are loaded, not linked:
# without the plugins no window opens, without the driver no mistakes are
# recorded, and without the mixer the quiz is silent. The screens are laid
# out for Liberation Sans. Music needs a General MIDI
# soundfont and F1 the help viewer, but the quiz plays without either.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6sql6-sqlite, fonts-liberation, libsdl2-mixer-2.0-0")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "timgm6mb-soundfont | sf3-soundfont-gm, xchm, xdg-utils")
include(CPack)
