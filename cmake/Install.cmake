# Installs Tessaline the way a desktop expects to find a program: the binary,
# a desktop entry and AppStream metainfo under one application id, the icon in
# the hicolor theme and a manual page. `make package` packs the same files into
# a Debian package with debhelper (debian/), which adds the copyright file and
# the changelog.
include(GNUInstallDirs)

# Debian keeps games in /usr/games, which is on its users' PATH; distributions
# that keep them with the other programs set this to bin.
set(TESSALINE_INSTALL_GAMESDIR games CACHE STRING
    "Where the game's binary installs, relative to the prefix")

set(TESSALINE_APP_ID org.example.Tessaline)
set(TESSALINE_DATA ${PROJECT_SOURCE_DIR}/data)

install(TARGETS tessaline RUNTIME DESTINATION ${TESSALINE_INSTALL_GAMESDIR})
install(FILES ${TESSALINE_DATA}/${TESSALINE_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${TESSALINE_DATA}/${TESSALINE_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${TESSALINE_DATA}/icons/hicolor
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

# Manual pages go out compressed with gzip -9n (no name, no time stamp), so the
# same source always gives the same bytes.
set(TESSALINE_MAN_PAGE ${PROJECT_BINARY_DIR}/data/tessaline.6.gz)
add_custom_command(OUTPUT ${TESSALINE_MAN_PAGE}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/data
    COMMAND gzip -9n -c ${TESSALINE_DATA}/tessaline.6 > ${TESSALINE_MAN_PAGE}
    DEPENDS ${TESSALINE_DATA}/tessaline.6
    COMMENT "Compressing the manual page")
add_custom_target(tessaline_man_page ALL DEPENDS ${TESSALINE_MAN_PAGE})
install(FILES ${TESSALINE_MAN_PAGE} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
