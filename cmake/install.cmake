# Installs the game the way desktop games are installed: the two programs, the desktop entry and
# icons, the manual pages (section 6, games) and the AppStream metadata that software centres read.
include(GNUInstallDirs)
# The install target and cpack install what is built, as `cmake --install` does, rather than
# building everything (tests and benchmarks too) first: build the two programs, then install.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
# Folders made by the install are 0755 whatever the umask, so that a package built from it
# gives every user access.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

install(TARGETS talvex-go RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS talvex-gtp RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/resources/talvex-go.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/resources/talvex-go.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The icon theme's fallback looks up talvex-go.png in a folder for each size.
foreach(size 16 32 48 64 128)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/artwork/talvex-go-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME talvex-go.png)
endforeach()

# The pages carry the project's version. They are made when the build is configured, not by a
# build target, so that an install after building only the programs finds them; compressed as
# Debian's policy asks (-n: no name or time stamp, the same bytes on every build) when gzip is
# there, else installed as they are, which man reads just as well.
find_program(TALVEX_GZIP gzip)
mark_as_advanced(TALVEX_GZIP)
foreach(page talvex-go talvex-gtp)
    set(source ${PROJECT_SOURCE_DIR}/resources/${page}.6.in)
    set(made ${PROJECT_BINARY_DIR}/man/${page}.6)
    configure_file(${source} ${made} @ONLY)
    if(TALVEX_GZIP)
        execute_process(COMMAND ${TALVEX_GZIP} -9 -n -c ${made}
                        OUTPUT_FILE ${made}.gz RESULT_VARIABLE result)
        if(NOT result EQUAL 0)
            message(FATAL_ERROR "gzip could not compress ${made}")
        endif()
        set(made ${made}.gz)
    endif()
    install(FILES ${made} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
endforeach()
