# Installs the build into a fresh folder and checks that the game, its desktop entry and its
# icons are where a desktop looks for them:
#
#   cmake -DBUILD_DIR=<build> -DPREFIX=<folder> -DBINDIR=bin -DDATADIR=share -P check_install.cmake
#
# The entry is also checked with desktop-file-validate when that program is installed.
cmake_minimum_required(VERSION 3.25)

foreach(required BUILD_DIR PREFIX BINDIR DATADIR)
    if(NOT ${required})
        message(FATAL_ERROR "check_install.cmake needs -D${required}=...")
    endif()
endforeach()

file(REMOVE_RECURSE "${PREFIX}")
execute_process(
    COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
    RESULT_VARIABLE result
    OUTPUT_VARIABLE output
    ERROR_VARIABLE output)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed (${result}); is the game built?\n${output}")
endif()

# Kept as text, not as a list: a tool's output may hold semicolons.
set(problems "")

set(program "${PREFIX}/${BINDIR}/talvex-go")
if(NOT EXISTS "${program}" OR IS_DIRECTORY "${program}")
    string(APPEND problems "\n  no program at ${program}")
endif()

set(entry "${PREFIX}/${DATADIR}/applications/talvex-go.desktop")
if(NOT EXISTS "${entry}")
    string(APPEND problems "\n  no desktop entry at ${entry}")
else()
    file(STRINGS "${entry}" lines)
    foreach(line "[Desktop Entry]" "Type=Application" "Name=Talvex Go" "Exec=talvex-go"
                 "Icon=talvex-go" "Terminal=false")
        if(NOT line IN_LIST lines)
            string(APPEND problems "\n  the desktop entry lacks the line '${line}'")
        endif()
    endforeach()
    find_program(desktop_file_validate desktop-file-validate)
    if(desktop_file_validate)
        execute_process(
            COMMAND "${desktop_file_validate}" "${entry}"
            RESULT_VARIABLE result
            OUTPUT_VARIABLE output
            ERROR_VARIABLE output)
        if(NOT result EQUAL 0)
            string(APPEND problems "\n  desktop-file-validate refuses the entry:\n${output}")
        endif()
    else()
        message(STATUS "desktop-file-validate is not installed; the entry's lines were checked")
    endif()
endif()

# Each icon is a PNG file of its folder's size: the signature, then IHDR's width and height.
foreach(size 16 32 48 64 128)
    set(icon "${PREFIX}/${DATADIR}/icons/hicolor/${size}x${size}/apps/talvex-go.png")
    if(NOT EXISTS "${icon}")
        string(APPEND problems "\n  no icon at ${icon}")
        continue()
    endif()
    file(READ "${icon}" signature LIMIT 8 HEX)
    file(READ "${icon}" width OFFSET 16 LIMIT 4 HEX)
    file(READ "${icon}" height OFFSET 20 LIMIT 4 HEX)
    if(NOT signature STREQUAL "89504e470d0a1a0a" OR width STREQUAL "" OR height STREQUAL "")
        string(APPEND problems "\n  ${icon} is no PNG file")
        continue()
    endif()
    math(EXPR width "0x${width}")
    math(EXPR height "0x${height}")
    if(NOT width EQUAL size OR NOT height EQUAL size)
        string(APPEND problems "\n  ${icon} is ${width} x ${height}, not ${size} x ${size}")
    endif()
endforeach()

if(problems)
    message(FATAL_ERROR "The installed tree in ${PREFIX} is incomplete:${problems}")
endif()
file(REMOVE_RECURSE "${PREFIX}")
message(STATUS "Installed: the program, its desktop entry and 5 icons")
