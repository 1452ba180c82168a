# Installs the game the way desktop programs are installed: the binary, its desktop entry and
# its icon.
include(GNUInstallDirs)
install(TARGETS talvex-go RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS talvex-gtp RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/resources/talvex-go.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# The icon theme's fallback looks up talvex-go.png in a folder for each size.
foreach(size 16 32 48 64 128)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/artwork/talvex-go-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME talvex-go.png)
endforeach()
