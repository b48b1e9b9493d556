# Installing like any Linux game: the program in bin/, its content in share/tovan/ (where the
# program looks beside its bin/ folder), the desktop entry, the emblem in the hicolor icon theme
# and the AppStream metainfo.
include(GNUInstallDirs)
set(TOVAN_APP_ID example.tidewhistle.Tovan)
set(TOVAN_ICON_SIZES 16 24 32 48 64 128 256)

install(TARGETS tovan RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT program)
# Debian keeps its games in /usr/games: the package's program goes there instead.
install(TARGETS tovan RUNTIME DESTINATION games COMPONENT debian_program EXCLUDE_FROM_ALL)
# The game folder without the program and the builder's contact sheet; the content tree of a
# build that links another tree's content is followed to its files.
install(DIRECTORY ${TOVAN_GAME_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/tovan
        USE_SOURCE_PERMISSIONS
        PATTERN tovan EXCLUDE
        PATTERN contact-sheet.png EXCLUDE)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/${TOVAN_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size IN LISTS TOVAN_ICON_SIZES)
    install(FILES ${TOVAN_GAME_DIR}/Images/Icons/TovanIcon${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${TOVAN_APP_ID}.png)
endforeach()
configure_file(${CMAKE_SOURCE_DIR}/packaging/${TOVAN_APP_ID}.metainfo.xml
               ${CMAKE_BINARY_DIR}/packaging/${TOVAN_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/packaging/${TOVAN_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The manual page and the package's papers, compressed as Debian installs them.
set(TOVAN_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/tovan)
foreach(paper IN ITEMS tovan.6 changelog)
    add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/packaging/${paper}.gz
        COMMAND sh -c "gzip -9n < '${CMAKE_SOURCE_DIR}/packaging/${paper}' > '${paper}.gz'"
        WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/packaging
        DEPENDS ${CMAKE_SOURCE_DIR}/packaging/${paper}
        VERBATIM)
endforeach()
add_custom_target(papers ALL DEPENDS ${CMAKE_BINARY_DIR}/packaging/tovan.6.gz
                                     ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
install(FILES ${CMAKE_BINARY_DIR}/packaging/tovan.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/copyright ${CMAKE_BINARY_DIR}/packaging/changelog.gz
        DESTINATION ${TOVAN_DOC_DIR})

# `cpack -G DEB` in the build folder makes tovan_<version>_amd64.deb from the same install.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tovan)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tidewhistle Studio")
set(CPACK_PACKAGE_CONTACT "Tidewhistle Studio <games@tidewhistle.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "match-three puzzle game of five islands")
# Lines under 80 characters, as the package's description reads in a terminal.
set(CPACK_PACKAGE_DESCRIPTION
    "Swap neighbouring fruits on a board of up to 16 by 12 tiles to make lines
of three or more; the cleared elements fly to their gathering slots while the
tube timer runs down. Chains, webs, spiders, worms, bubbles and potions
complicate the boards, and six tools clear them. The levels lie on five
islands of a world map, each ending in its guardian; the elements you gather
buy the works that rebuild the haven and fill your sticker book.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.tidewhistle.example/tovan)
# The libraries the program links, found by dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# One package of everything but the program in bin/: it has its own in games/.
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_COMPONENTS_ALL Unspecified debian_program)
include(CPack)
