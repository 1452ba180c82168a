# Installs the build into PREFIX; both programs start from there, and the desktop entry, icons,
# manual pages and AppStream metadata are where a desktop looks, validated when a validator is.
cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed (${result}); is the game built?\n${output}")
endif()
set(problems "")

# Runs a validator when it is installed: `validate(<program> <file> <options>...)`.
function(validate program file)
    find_program(path_of_${program} ${program})
    if(path_of_${program})
        execute_process(COMMAND "${path_of_${program}}" ${ARGN} "${file}"
            RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
        if(NOT result EQUAL 0)
            set(problems "${problems}\n  ${program} refuses ${file}:\n${output}" PARENT_SCOPE)
        endif()
    else()
        message(STATUS "${program} is not installed; ${file} was not validated")
    endif()
endfunction()

set(bin "${PREFIX}/${BINDIR}")
file(WRITE "${PREFIX}.gtp" "name\nquit\n")
execute_process(COMMAND "${bin}/talvex-gtp" INPUT_FILE "${PREFIX}.gtp" OUTPUT_VARIABLE answer)
file(REMOVE "${PREFIX}.gtp")
if(NOT answer MATCHES "^= Talvex Go\n")
    string(APPEND problems "\n  the installed talvex-gtp does not answer 'name': ${answer}")
endif()
# Without a display the game ends at once, saying so: it starts, its libraries found.
execute_process(COMMAND "${CMAKE_COMMAND}" -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
    "${bin}/talvex-go" RESULT_VARIABLE result ERROR_VARIABLE output)
if(NOT result EQUAL 0)
    string(APPEND problems "\n  the installed talvex-go does not start (${result}): ${output}")
endif()

# Where each file lies is the package check's; here they must be usable.
set(share "${PREFIX}/${DATADIR}")
file(STRINGS "${share}/applications/talvex-go.desktop" lines)
foreach(line "Exec=talvex-go" "Icon=talvex-go")
    if(NOT line IN_LIST lines)
        string(APPEND problems "\n  the desktop entry lacks the line '${line}'")
    endif()
endforeach()
validate(desktop-file-validate "${share}/applications/talvex-go.desktop")
# --no-net: the screenshot's address is not fetched.
validate(appstreamcli "${share}/metainfo/talvex-go.metainfo.xml" validate --no-net --strict)
find_program(man man)
foreach(name talvex-go talvex-gtp)
    # --warnings=w: a page that renders with any warning of groff's is refused.
    if(man)
        execute_process(COMMAND "${CMAKE_COMMAND}" -E env LC_ALL=C.UTF-8 MANWIDTH=80
            "${man}" --warnings=w -l "${PREFIX}/${MANDIR}/man6/${name}.6.gz"
            RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE warnings)
        if(NOT result EQUAL 0 OR NOT warnings STREQUAL "")
            string(APPEND problems "\n  the manual page of ${name} fails or warns:\n${warnings}")
        endif()
    endif()
endforeach()

if(problems)
    message(FATAL_ERROR "The installed tree in ${PREFIX} is incomplete:${problems}")
endif()
file(REMOVE_RECURSE "${PREFIX}")
