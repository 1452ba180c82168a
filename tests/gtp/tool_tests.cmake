# Matches of talvex-gtp refereed by GNU Go, through tools/gtp_match.py.

find_package(Python3 REQUIRED COMPONENTS Interpreter)

set(TALVEX_TOOLS_DIR ${PROJECT_SOURCE_DIR}/tools)
# Quoted for the tools' shell-like splitting of an engine command line.
set(TALVEX_GTP_COMMAND "'$<TARGET_FILE:talvex-gtp>'")

find_program(TALVEX_GNUGO gnugo PATHS /usr/games)
if(NOT TALVEX_GNUGO)
    message(STATUS "gnugo not found: the GTP match tests are not registered")
    return()
endif()
# Area scoring, as talvex-gtp counts; level 1, as the referee's scoring at level 10 takes seconds.
set(TALVEX_REFEREE "'${TALVEX_GNUGO}' --mode gtp --chinese-rules --level 1")

# Self-play, every move of both sides accepted by the referee; in every build, for the
# sanitizers. The move limit keeps games short, as talvex-gtp rarely passes.
add_test(NAME gtp.selfplay
         COMMAND ${Python3_EXECUTABLE} ${TALVEX_TOOLS_DIR}/gtp_match.py
                 --engine1 "${TALVEX_GTP_COMMAND} --seed 1"
                 --engine2 "${TALVEX_GTP_COMMAND} --seed 2"
                 --referee "${TALVEX_REFEREE}" --games 2 --moves 200 --komi 7.5 --quiet)
set_tests_properties(gtp.selfplay PROPERTIES TIMEOUT 240)

# Against GNU Go at its weakest level; only in the plain build, as GNU Go's time dominates.
if(TALVEX_SANITIZER STREQUAL "none")
    add_test(NAME gtp.match_gnugo
             COMMAND ${Python3_EXECUTABLE} ${TALVEX_TOOLS_DIR}/gtp_match.py
                     --engine1 "${TALVEX_GTP_COMMAND} --seed 1"
                     --engine2 "'${TALVEX_GNUGO}' --mode gtp --level 1"
                     --referee "${TALVEX_REFEREE}" --games 2 --moves 400 --komi 7.5 --quiet)
    set_tests_properties(gtp.match_gnugo PROPERTIES TIMEOUT 300)
endif()
