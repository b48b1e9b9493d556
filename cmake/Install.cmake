# Installing like any Linux game: the program in bin/, its content in share/tovan/ (where the
# program looks beside its bin/ folder), the desktop entry, the emblem in the hicolor icon theme
# and the AppStream metainfo.
include(GNUInstallDirs)
set(TOVAN_APP_ID example.tidewhistle.Tovan)
set(TOVAN_ICON_SIZES 16 24 32 48 64 128 256)

install(TARGETS tovan RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
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
