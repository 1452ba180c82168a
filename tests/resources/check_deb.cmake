# Builds the Debian package with CPACK into OUTPUT_DIR and reads it back: name, version, Depends
# found by dpkg-shlibdeps, no maintainer scripts, exactly the installed files with root's modes.
cmake_minimum_required(VERSION 3.25)

foreach(tool dpkg-deb dpkg-shlibdeps)
    find_program(path_of_${tool} ${tool} REQUIRED)
endforeach()
file(REMOVE_RECURSE "${OUTPUT_DIR}")
execute_process(
    COMMAND "${CPACK}" -G DEB --config "${BUILD_DIR}/CPackConfig.cmake" -B "${OUTPUT_DIR}"
    WORKING_DIRECTORY "${BUILD_DIR}" RESULT_VARIABLE result OUTPUT_VARIABLE output
    ERROR_VARIABLE output)
file(GLOB deb "${OUTPUT_DIR}/talvex-go_*.deb")
list(LENGTH deb count)
if(NOT result EQUAL 0 OR NOT count EQUAL 1)
    message(FATAL_ERROR "cpack -G DEB made ${count} packages (${result}):\n${output}")
endif()
set(problems "")

execute_process(COMMAND "${path_of_dpkg-deb}" --field "${deb}" OUTPUT_VARIABLE control)
foreach(field "Package: talvex-go" "Version: ${VERSION}" "Maintainer: [^\n]+@"
              "Depends: [^\n]*libsdl2-2\\.0-0" "Depends: [^\n]*libfreetype6")
    if(NOT control MATCHES "(^|\n)${field}")
        string(APPEND problems "\n  the control fields lack '${field}'")
    endif()
endforeach()

# Anything run at install or removal could leave files that the package does not list.
execute_process(COMMAND "${path_of_dpkg-deb}" --info "${deb}" OUTPUT_VARIABLE info)
if(info MATCHES "[0-9] lines?[ *]+(preinst|postinst|prerm|postrm|config|triggers)[ \n]")
    string(APPEND problems "\n  the package has a maintainer script '${CMAKE_MATCH_1}'")
endif()

execute_process(COMMAND "${path_of_dpkg-deb}" --contents "${deb}" OUTPUT_VARIABLE contents)
set(expected
    "-rwxr-xr-x root/root ./usr/bin/talvex-go" "-rwxr-xr-x root/root ./usr/bin/talvex-gtp"
    "-rw-r--r-- root/root ./usr/share/applications/talvex-go.desktop"
    "-rw-r--r-- root/root ./usr/share/metainfo/talvex-go.metainfo.xml"
    "-rw-r--r-- root/root ./usr/share/man/man6/talvex-go.6.gz"
    "-rw-r--r-- root/root ./usr/share/man/man6/talvex-gtp.6.gz")
foreach(size 16 32 48 64 128)
    list(APPEND expected
         "-rw-r--r-- root/root ./usr/share/icons/hicolor/${size}x${size}/apps/talvex-go.png")
endforeach()
string(REPLACE "\n" ";" lines "${contents}")
set(files "")
foreach(line ${lines})
    # mode owner/group size date time path; folders as drwxr-xr-x root/root
    if(line MATCHES "^([^ ]+ +[^ ]+) +[0-9]+ +[^ ]+ +[^ ]+ +(.+)$")
        string(REGEX REPLACE " +" " " entry "${CMAKE_MATCH_1} ${CMAKE_MATCH_2}")
        if(NOT entry MATCHES "^drwxr-xr-x root/root \\./(usr/.*)?$")
            list(APPEND files "${entry}")
        endif()
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
