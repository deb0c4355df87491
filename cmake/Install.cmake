# SPDX-License-Identifier: GPL-3.0-or-later
# Installation and the Debian package.
#
#   cmake --install build --prefix P
#
# puts the program with its data files in one program folder, P/lib/globina
# (the program finds its data beside itself), starts it from P/bin/globina,
# and adds what a desktop needs: the launcher, the icons, the AppStream
# metadata and the manual page. debian/ builds the .deb from these rules
# (scripts/package).

# One reverse-DNS id for the launcher, the icons, the metadata and the program.
set(GLOBINA_APP_ID org.globina.globina)
# The metadata names a screenshot only when the build is told where one is
# published: an address on a domain the project does not control would let
# whoever holds that domain decide what software centres show.
set(GLOBINA_SCREENSHOT_URL "" CACHE STRING
    "Web address of desktop/screenshot-main-menu.png for the AppStream metadata (empty: none)")
set(GLOBINA_METAINFO_SCREENSHOTS "")
if(GLOBINA_SCREENSHOT_URL)
  string(CONCAT GLOBINA_METAINFO_SCREENSHOTS
    "  <screenshots>\n"
    "    <screenshot type=\"default\">\n"
    "      <caption>The main menu: a part of the world and its exercises</caption>\n"
    "      <image>${GLOBINA_SCREENSHOT_URL}</image>\n"
    "    </screenshot>\n"
    "  </screenshots>\n")
endif()

# The versions and their dates come from debian/changelog, the one list of
# releases; its newest entry must be the version being built.
file(STRINGS ${CMAKE_SOURCE_DIR}/debian/changelog changelog REGEX "^(globina \\(| -- )")
set(GLOBINA_METAINFO_RELEASES "")
set(newest "")
foreach(line ${changelog})
  if(line MATCHES "^globina \\(([^)]+)\\)")
    set(version ${CMAKE_MATCH_1})
    if(NOT newest)
      set(newest ${version})
    endif()
  elseif(line MATCHES ", ([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
    set(day ${CMAKE_MATCH_1})
    set(year ${CMAKE_MATCH_3})
    set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
    list(FIND months ${CMAKE_MATCH_2} month)
    math(EXPR month "${month} + 1" OUTPUT_FORMAT DECIMAL)
    if(month LESS 10)
      set(month 0${month})
    endif()
    string(APPEND GLOBINA_METAINFO_RELEASES
           "    <release version=\"${version}\" date=\"${year}-${month}-${day}\"/>\n")
  endif()
endforeach()
if(NOT newest STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "debian/changelog's newest version ${newest} is not ${PROJECT_VERSION}")
endif()
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
