# Builds the Debian package from this build tree into OUT and checks it: its
# control fields, that its dependencies name the Qt 6 runtime, and that it
# holds exactly the installed files under /usr, with Debian's modes, the
# binary stripped.
cmake_minimum_required(VERSION 3.25)
include("${CMAKE_CURRENT_LIST_DIR}/expected-files.cmake")

file(REMOVE_RECURSE "${OUT}")
execute_process(COMMAND cpack --config "${BUILD_DIR}/CPackConfig.cmake" -B "${OUT}"
    OUTPUT_VARIABLE log ERROR_VARIABLE log RESULT_VARIABLE result)
file(GLOB debs "${OUT}/*.deb")
list(LENGTH debs count)
if(NOT result EQUAL 0 OR NOT count EQUAL 1)
    message(FATAL_ERROR "cpack made ${count} packages (exit ${result}):\n${log}")
endif()
get_filename_component(deb_name "${debs}" NAME)

execute_process(COMMAND dpkg --print-architecture OUTPUT_VARIABLE arch
    OUTPUT_STRIP_TRAILING_WHITESPACE)

set(failures "")
if(NOT deb_name STREQUAL "tessaline_${VERSION}_${arch}.deb")
    string(APPEND failures "package file ${deb_name}, expected tessaline_${VERSION}_${arch}.deb\n")
endif()

# Each row: control field, then the pattern its value must match.
set(fields
    "Package => ^tessaline$"
    "Version => ^${VERSION}$"
    "Architecture => ^${arch}$"
    "Section => ^games$"
    "Maintainer => ^Vantiro Software <tessaline@example.com>$"
    "Description => ^colour-guessing puzzle game\n Tessaline is "
    "Depends => (^|, )libqt6widgets6 \\(>= 6"
    "Depends => (^|, )libqt6core6 \\(>= 6"
    "Depends => (^|, )qt6-qpa-plugins(,|$)"
    "Depends => (^|, )libc6 \\(>= "
    "Recommends => ^qt6-wayland$")
foreach(row IN LISTS fields)
    string(FIND "${row}" " => " split)
    string(SUBSTRING "${row}" 0 ${split} field)
    math(EXPR split "${split} + 4")
    string(SUBSTRING "${row}" ${split} -1 pattern)
    execute_process(COMMAND dpkg-deb -f "${debs}" ${field} OUTPUT_VARIABLE value
        OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT value MATCHES "${pattern}")
        string(APPEND failures "${field}: \"${value}\" does not match /${pattern}/\n")
    endif()
endforeach()

# dpkg-deb -c prints "mode owner size date time path" a line.
execute_process(COMMAND dpkg-deb -c "${debs}" OUTPUT_VARIABLE listing RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "dpkg-deb cannot list ${debs}")
endif()
string(REPLACE "\n" ";" lines "${listing}")
set(packed "")
foreach(line IN LISTS lines)
    if(line MATCHES "^(-[^ ]+) +([^ ]+) +[0-9]+ [^ ]+ [^ ]+ \\./usr/(.*)$")
        set(packed_mode_${CMAKE_MATCH_3} "${CMAKE_MATCH_1} ${CMAKE_MATCH_2}")
        list(APPEND packed "${CMAKE_MATCH_3}")
    elseif(line MATCHES "^-")
        string(APPEND failures "a file outside /usr: ${line}\n")
    endif()
endforeach()
set(expected "")
foreach(row IN LISTS TESSALINE_INSTALLED_FILES)
    tessaline_split_row("${row}" path pattern mode)
    list(APPEND expected "${path}")
    if(NOT path IN_LIST packed)
        string(APPEND failures "missing from the package: /usr/${path}\n")
    elseif(NOT packed_mode_${path} STREQUAL "${mode} root/root")
        string(APPEND failures "/usr/${path} is packed as ${packed_mode_${path}}, expected ${mode} root/root\n")
    endif()
endforeach()
foreach(path IN LISTS packed)
    if(NOT path IN_LIST expected)
        string(APPEND failures "packed but not expected: /usr/${path}\n")
    endif()
endforeach()

execute_process(COMMAND dpkg-deb -x "${debs}" "${OUT}/root" RESULT_VARIABLE result)
execute_process(COMMAND file -b "${OUT}/root/usr/bin/tessaline" OUTPUT_VARIABLE kind)
if(NOT result EQUAL 0 OR NOT kind MATCHES ", stripped")
    string(APPEND failures "the packed binary is not stripped: ${kind}\n")
endif()

if(failures)
    message(FATAL_ERROR "The package ${debs} is wrong:\n${failures}")
endif()
