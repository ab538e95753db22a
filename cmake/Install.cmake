# Installs Tessaline the way a desktop expects to find a program: the binary,
# a desktop entry and AppStream metainfo under one application id, the icon in
# the hicolor theme and a manual page. `make package` packs the same files into
# a Debian package.
include(GNUInstallDirs)

set(TESSALINE_APP_ID org.example.Tessaline)
set(TESSALINE_DATA ${PROJECT_SOURCE_DIR}/data)

install(TARGETS tessaline RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
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
# Where the licence terms are found, as Debian packages say it.
install(FILES ${TESSALINE_DATA}/copyright DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/tessaline)

# The Debian package. dpkg-shlibdeps finds the Qt 6 libraries the binary links;
# the platform plugins are loaded at run time, so they are named here: without
# them the game cannot open a window.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tessaline)
set(CPACK_PACKAGE_VENDOR "Vantiro Software")
set(CPACK_PACKAGE_CONTACT "Vantiro Software <tessaline@example.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "colour-guessing puzzle game")
# The extended description keeps its line breaks; Debian wants lines under 80.
set(CPACK_PACKAGE_DESCRIPTION "Tessaline is a single-player puzzle game. The board is a grid of hidden
squares, up to 30 by 30, each of one of six colours. Choose a colour and
click a square you believe has it: a right guess uncovers the square and may
spread to its neighbours, a wrong one loses the game. Uncovered squares count
their neighbours of the colours you choose to scan. The size of the board,
the share of each colour and the shape of the board, with squares turned into
blocks, are yours to set.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
# Qt's native Wayland backend: without it the game still runs on a Wayland
# desktop through its X server, so it is recommended (installed by default)
# rather than required.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)
include(CPack)
