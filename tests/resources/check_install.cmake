# Installs the build into a fresh folder and checks that the programs, the desktop entry, the
# icons, the manual pages and the AppStream metadata are where a desktop looks for them:
#
#   cmake -DBUILD_DIR=<build> -DPREFIX=<folder> -DBINDIR=bin -DDATADIR=share -DMANDIR=share/man
#         -P check_install.cmake
#
# Each file is also checked by its validator when that is installed: desktop-file-validate,
# appstreamcli, and man (groff) for warnings. The manual of talvex-gtp must name every command
# and option the program itself lists.
cmake_minimum_required(VERSION 3.25)

foreach(required BUILD_DIR PREFIX BINDIR DATADIR MANDIR)
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

# Runs a validator, when it is installed, on one file: `validate(<program> <what> <args>...)`.
function(validate program what)
    find_program(path_of_${program} ${program})
    if(NOT path_of_${program})
        message(STATUS "${program} is not installed; ${what} was not validated")
        return()
    endif()
    execute_process(
        COMMAND "${path_of_${program}}" ${ARGN}
        RESULT_VARIABLE result
        OUTPUT_VARIABLE output
        ERROR_VARIABLE output)
    if(NOT result EQUAL 0)
        set(problems "${problems}\n  ${program} refuses ${what}:\n${output}" PARENT_SCOPE)
    endif()
endfunction()

foreach(name talvex-go talvex-gtp)
    set(program "${PREFIX}/${BINDIR}/${name}")
    if(NOT EXISTS "${program}" OR IS_DIRECTORY "${program}")
        string(APPEND problems "\n  no program at ${program}")
    endif()
endforeach()

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
    validate(desktop-file-validate "the desktop entry" "${entry}")
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

set(metainfo "${PREFIX}/${DATADIR}/metainfo/talvex-go.metainfo.xml")
if(NOT EXISTS "${metainfo}")
    string(APPEND problems "\n  no AppStream metadata at ${metainfo}")
else()
    # The launchable is what a software centre starts: the installed desktop entry.
    file(READ "${metainfo}" xml)
    if(NOT xml MATCHES "<launchable type=\"desktop-id\">([^<]+)</launchable>"
       OR NOT EXISTS "${PREFIX}/${DATADIR}/applications/${CMAKE_MATCH_1}")
        string(APPEND problems "\n  the metadata launches no installed desktop entry")
    endif()
    # --no-net: the screenshot's address is not fetched. (validate-tree would also insist that
    # the file be named after the component id, org.talvexgo.talvex_go, rather than after the
    # program as its desktop entry is.)
    validate(appstreamcli "the metadata" validate --no-net --strict --no-color "${metainfo}")
endif()

# What the program itself lists, to be found in its manual: every GTP command and option.
set(gtp "${PREFIX}/${BINDIR}/talvex-gtp")
set(gtp_names "")
if(EXISTS "${gtp}")
    set(commands_file "${PREFIX}.commands")
    file(WRITE "${commands_file}" "list_commands\nquit\n")
    execute_process(COMMAND "${gtp}" INPUT_FILE "${commands_file}" OUTPUT_VARIABLE commands)
    execute_process(COMMAND "${gtp}" --help OUTPUT_VARIABLE usage)
    file(REMOVE "${commands_file}")
    string(REGEX MATCHALL "[a-z_]+" gtp_names "${commands}")
    string(REGEX MATCHALL "--[a-z]+" options "${usage}")
    list(APPEND gtp_names ${options})
    list(LENGTH gtp_names count)
    if(count LESS 10)
        string(APPEND problems "\n  talvex-gtp lists too little to check its manual:\n${commands}")
    endif()
endif()

find_program(man man)
foreach(name talvex-go talvex-gtp)
    set(page "${PREFIX}/${MANDIR}/man6/${name}.6.gz")
    if(NOT EXISTS "${page}")
        set(page "${PREFIX}/${MANDIR}/man6/${name}.6")
    endif()
    if(NOT EXISTS "${page}")
        string(APPEND problems "\n  no manual page at ${page}(.gz)")
        continue()
    endif()
    if(NOT man)
        message(STATUS "man is not installed; ${page} was not rendered")
        continue()
    endif()
    # --warnings=w: every warning groff has; a page that renders with any is refused.
    execute_process(
        COMMAND "${CMAKE_COMMAND}" -E env LC_ALL=C.UTF-8 MANWIDTH=80
                "${man}" --warnings=w -l "${page}"
        RESULT_VARIABLE result
        OUTPUT_VARIABLE text
        ERROR_VARIABLE warnings)
    if(NOT result EQUAL 0 OR NOT warnings STREQUAL "")
        string(APPEND problems "\n  man -l ${page} fails or warns (${result}):\n${warnings}")
        continue()
    endif()
    set(sections NAME SYNOPSIS DESCRIPTION FILES "EXIT STATUS")
    if(name STREQUAL "talvex-go")
        list(APPEND sections KEYS ENVIRONMENT)
    else()
        list(APPEND sections OPTIONS COMMANDS)
    endif()
    foreach(section ${sections})
        if(NOT text MATCHES "\n${section}\n")
            string(APPEND problems "\n  ${page} has no section ${section}")
        endif()
    endforeach()
    if(name STREQUAL "talvex-gtp")
        # Named as an entry: at the start of a tagged paragraph's tag, or after a comma in it
        # ("known_command name, list_commands"), not merely somewhere in the text.
        foreach(word ${gtp_names})
            if(NOT text MATCHES "\n       ([^ \n]+( [^ \n,]+)?, )*${word}[ ,\n]")
                string(APPEND problems
                       "\n  ${page} does not name '${word}', which talvex-gtp lists")
            endif()
        endforeach()
    endif()
endforeach()

if(problems)
    message(FATAL_ERROR "The installed tree in ${PREFIX} is incomplete:${problems}")
endif()
file(REMOVE_RECURSE "${PREFIX}")
message(STATUS "Installed: 2 programs, the desktop entry, 5 icons, 2 manual pages, the metadata")
