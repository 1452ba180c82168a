# Turns files into one constant byte array, at build time (the compiler has no #embed):
#
#   cmake -DSYMBOL=<Name> -DOUTPUT=<dir>/<base> -P embed_files.cmake -- <file>...
#
# writes <base>.h, which declares `artwork::<Name>` with its size in the type (so that constant
# tables can take sizeof), and <base>.cpp, which defines it: the files' bytes back to back.
cmake_minimum_required(VERSION 3.25)

if(NOT SYMBOL OR NOT OUTPUT)
    message(FATAL_ERROR "embed_files.cmake needs -DSYMBOL=<Name> and -DOUTPUT=<dir>/<base>")
endif()

set(inputs)
set(after_separator FALSE)
math(EXPR last "${CMAKE_ARGC} - 1")
foreach(i RANGE ${last})
    if(after_separator)
        list(APPEND inputs "${CMAKE_ARGV${i}}")
    elseif(CMAKE_ARGV${i} STREQUAL "--")
        set(after_separator TRUE)
    endif()
endforeach()
if(NOT inputs)
    message(FATAL_ERROR "embed_files.cmake: no files to embed for ${SYMBOL}")
endif()

set(hex "")
set(names "")
foreach(input IN LISTS inputs)
    if(NOT EXISTS "${input}")
        message(FATAL_ERROR "embed_files.cmake: ${input} does not exist")
    endif()
    file(READ "${input}" bytes HEX)
    if(bytes STREQUAL "")
        message(FATAL_ERROR "embed_files.cmake: ${input} is empty")
    endif()
    string(APPEND hex "${bytes}")
    get_filename_component(name "${input}" NAME)
    list(APPEND names "${name}")
endforeach()
string(LENGTH "${hex}" digits)
math(EXPR size "${digits} / 2")
list(JOIN names ", " from)

# Twelve bytes a line (CMake's regular expressions have no counted repetition).
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1, " array "${hex}")
string(REPEAT "0x[0-9a-f][0-9a-f], " 12 line)
string(REGEX REPLACE "(${line})" "\\1\n    " array "${array}")
string(REGEX REPLACE "[ \n]+$" "" array "${array}")
string(REPLACE ", \n" ",\n" array "${array}")

get_filename_component(base "${OUTPUT}" NAME)
file(WRITE "${OUTPUT}.h" "// Generated at build time from ${from}; do not edit.
#pragma once

#include <cstdint>

namespace artwork {
extern const std::uint8_t ${SYMBOL}[${size}];
}  // namespace artwork
")
file(WRITE "${OUTPUT}.cpp" "// Generated at build time from ${from}; do not edit.
#include \"${base}.h\"

namespace artwork {
const std::uint8_t ${SYMBOL}[${size}] = {
    ${array}
};
}  // namespace artwork
")
