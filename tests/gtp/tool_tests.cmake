# Tests that run talvex-gtp through the Go tools in tools/: matches refereed by GNU Go. Included
# by tests/gtp/CMakeLists.txt.

find_package(Python3 REQUIRED COMPONENTS Interpreter)

set(TALVEX_TOOLS_DIR ${PROJECT_SOURCE_DIR}/tools)
# Quoted for the tools' shell-like splitting of an engine command line.
set(TALVEX_GTP_COMMAND "'$<TARGET_FILE:talvex-gtp>'")

find_program(TALVEX_GNUGO gnugo PATHS /usr/games)
if(NOT TALVEX_GNUGO)
    message(STATUS "gnugo not found: the GTP match tests are not registered")
    return()
endif()
# Chinese rules: area scoring, as talvex-gtp's own final_score counts. Level 1, because the
# referee's final_score reads dead stones at its level, which takes seconds a game at the
# default level 10; legality does not depend on it.
set(TALVEX_REFEREE "'${TALVEX_GNUGO}' --mode gtp --chinese-rules --level 1")

# Self-play: every move of both sides accepted by the referee. In every build, so that the
# sanitizers watch long games of the front-end too. The move limit keeps the games short:
# talvex-gtp rarely passes, and the referee's scoring of a crowded board is slow.
add_test(NAME gtp.selfplay
         COMMAND ${Python3_EXECUTABLE} ${TALVEX_TOOLS_DIR}/gtp_match.py
                 --engine1 "${TALVEX_GTP_COMMAND} --seed 1"
                 --engine2 "${TALVEX_GTP_COMMAND} --seed 2"
                 --referee "${TALVEX_REFEREE}" --games 2 --moves 200 --komi 7.5 --quiet)
set_tests_properties(gtp.selfplay PROPERTIES TIMEOUT 240)

# Against GNU Go at its weakest level: every move of talvex-gtp accepted by the referee.
# Only in the plain build: GNU Go's own time dominates, and the sanitizers add nothing there.
if(TALVEX_SANITIZER STREQUAL "none")
    add_test(NAME gtp.match_gnugo
             COMMAND ${Python3_EXECUTABLE} ${TALVEX_TOOLS_DIR}/gtp_match.py
                     --engine1 "${TALVEX_GTP_COMMAND} --seed 1"
                     --engine2 "'${TALVEX_GNUGO}' --mode gtp --level 1"
                     --referee "${TALVEX_REFEREE}" --games 2 --moves 400 --komi 7.5 --quiet)
    set_tests_properties(gtp.match_gnugo PROPERTIES TIMEOUT 300)
endif()
