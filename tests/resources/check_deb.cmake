# Builds the Debian package from a build folder and reads it back with dpkg-deb: the control
# fields a package archive needs, Depends found by dpkg-shlibdeps, no maintainer scripts, and
# exactly the installed files, owned by root with the modes they need:
#
#   cmake -DBUILD_DIR=<build> -DOUTPUT_DIR=<folder> -DCPACK=<cpack> -DVERSION=<version>
#         -P check_deb.cmake
cmake_minimum_required(VERSION 3.25)

foreach(required BUILD_DIR OUTPUT_DIR CPACK VERSION)
    if(NOT ${required})
        message(FATAL_ERROR "check_deb.cmake needs -D${required}=...")
    endif()
endforeach()
foreach(tool dpkg-deb dpkg-shlibdeps)
    find_program(path_of_${tool} ${tool})
    if(NOT path_of_${tool})
        message(FATAL_ERROR "${tool} is not installed: tools/install-deps.sh installs dpkg-dev")
    endif()
endforeach()

file(REMOVE_RECURSE "${OUTPUT_DIR}")
execute_process(
    COMMAND "${CPACK}" -G DEB --config "${BUILD_DIR}/CPackConfig.cmake" -B "${OUTPUT_DIR}"
    WORKING_DIRECTORY "${BUILD_DIR}"
    RESULT_VARIABLE result
    OUTPUT_VARIABLE output
    ERROR_VARIABLE output)
file(GLOB debs "${OUTPUT_DIR}/talvex-go_*.deb")
list(LENGTH debs count)
if(NOT result EQUAL 0 OR NOT count EQUAL 1)
    message(FATAL_ERROR
            "cpack -G DEB made ${count} packages (${result}); is the game built?\n${output}")
endif()
set(deb "${debs}")

set(problems "")

execute_process(COMMAND "${path_of_dpkg-deb}" --field "${deb}" OUTPUT_VARIABLE control)
# Each field's value up to the end of its line; Depends must name the libraries the programs
# link, which only dpkg-shlibdeps adds.
foreach(field "Package: talvex-go" "Version: ${VERSION}" "Section: games" "Priority: optional"
              "Architecture: [a-z0-9]+" "Maintainer: [^\n]+ <[^\n]+@[^\n]+>"
              "Homepage: https://" "Depends: [^\n]*libc6" "Depends: [^\n]*libstdc\\+\\+6"
              "Depends: [^\n]*libsdl2-2\\.0-0" "Depends: [^\n]*libfreetype6"
              "Depends: [^\n]*libfontconfig1" "Description: [^\n]+\n [^\n]+")
    if(NOT control MATCHES "(^|\n)${field}")
        string(APPEND problems "\n  the control fields lack '${field}'")
    endif()
endforeach()

# Anything run at install or removal could leave files that the package does not list.
execute_process(COMMAND "${path_of_dpkg-deb}" --info "${deb}" OUTPUT_VARIABLE info)
foreach(script preinst postinst prerm postrm config triggers conffiles)
    if(info MATCHES "[0-9] lines?[ *]+${script}[ \n]")
        string(APPEND problems "\n  the package has a maintainer file '${script}'")
    endif()
endforeach()

execute_process(COMMAND "${path_of_dpkg-deb}" --contents "${deb}" OUTPUT_VARIABLE contents)
set(expected
    "-rwxr-xr-x ./usr/bin/talvex-go"
    "-rwxr-xr-x ./usr/bin/talvex-gtp"
    "-rw-r--r-- ./usr/share/applications/talvex-go.desktop"
    "-rw-r--r-- ./usr/share/metainfo/talvex-go.metainfo.xml"
    "-rw-r--r-- ./usr/share/man/man6/talvex-go.6.gz"
    "-rw-r--r-- ./usr/share/man/man6/talvex-gtp.6.gz")
foreach(size 16 32 48 64 128)
    list(APPEND expected "-rw-r--r-- ./usr/share/icons/hicolor/${size}x${size}/apps/talvex-go.png")
endforeach()
string(REPLACE "\n" ";" lines "${contents}")
set(files "")
foreach(line ${lines})
    # mode owner/group size date time path
    if(NOT line MATCHES "^([^ ]+) +([^ ]+) +[0-9]+ +[^ ]+ +[^ ]+ +(.+)$")
        continue()
    endif()
    set(mode "${CMAKE_MATCH_1}")
    set(owner "${CMAKE_MATCH_2}")
    set(path "${CMAKE_MATCH_3}")
    if(NOT owner STREQUAL "root/root")
        string(APPEND problems "\n  ${path} belongs to ${owner}, not root/root")
    endif()
    if(mode MATCHES "^d")
        if(NOT mode STREQUAL "drwxr-xr-x" OR NOT path MATCHES "^\\./(usr/.*)?$")
            string(APPEND problems "\n  the folder ${path} is ${mode}")
        endif()
    else()
        list(APPEND files "${mode} ${path}")
    endif()
endforeach()
list(SORT files)
list(SORT expected)
if(NOT files STREQUAL expected)
    string(REPLACE ";" "\n    " files "${files}")
    string(APPEND problems "\n  the package holds other files than the install's:\n    ${files}")
endif()

if(problems)
    message(FATAL_ERROR "The package ${deb} is not as it should be:${problems}\n${control}")
endif()
file(REMOVE_RECURSE "${OUTPUT_DIR}")
message(STATUS "Package: ${deb}\n${control}")
