# Checks the Debian package that dpkg-buildpackage wrote into OUT and unpacked
# into OUT/root: its control fields, that its dependencies name the Qt 6
# runtime and the platform plugins, that its files lie under /usr with
# Debian's modes and owners, and that the binary is stripped and bound now.
# lintian checks the rest of what Debian asks (a separate test).
cmake_minimum_required(VERSION 3.25)
include("${CMAKE_CURRENT_LIST_DIR}/expected-files.cmake")

file(GLOB debs "${OUT}/tessaline_*.deb")
list(LENGTH debs count)
if(NOT count EQUAL 1)
    message(FATAL_ERROR "expected one tessaline_*.deb in ${OUT}, found ${count}")
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
    "Maintainer => ^Vantiro Software <vantiro@example.com>$"
    "Description => ^colour-guessing puzzle game\n Tessaline is "
    "Depends => (^|, )qt6-qpa-plugins(,|$)"
    "Recommends => ^qt6-wayland, sound-theme-freedesktop, libcanberra-pulse$")
# Each library the game links, by the name of its file: the package must
# depend, with a version, on the package that holds it on this system, under
# whatever name the release gives that package (libqt6core6 became
# libqt6core6t64 with 64-bit time_t).
foreach(library libQt6Core.so.6 libQt6Widgets.so.6 libcanberra.so.0 libc.so.6)
    execute_process(COMMAND dpkg-query -S "*/${library}" OUTPUT_VARIABLE owners
        OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE result)
    # "libqt6core6t64:amd64: /usr/lib/x86_64-linux-gnu/libQt6Core.so.6", and
    # other lines for other architectures' copies (libc6-i386: /lib32/...).
    set(owner "")
    if(owners MATCHES "(^|\n)([^:,\n]+):${arch}: ")
        set(owner "${CMAKE_MATCH_2}")
    endif()
    if(NOT result EQUAL 0 OR owner STREQUAL "")
        string(APPEND failures "no installed package holds ${library}\n")
    else()
        string(REPLACE "+" "\\+" owner "${owner}")
        list(APPEND fields "Depends => (^|, )${owner} \\(>= ")
    endif()
endforeach()
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
foreach(row IN LISTS TESSALINE_INSTALLED_FILES)
    tessaline_split_row("${row}" path pattern mode)
    if(NOT path IN_LIST packed)
        string(APPEND failures "missing from the package: /usr/${path}\n")
    elseif(NOT packed_mode_${path} STREQUAL "${mode} root/root")
        string(APPEND failures "/usr/${path} is packed as ${packed_mode_${path}}, expected ${mode} root/root\n")
    endif()
endforeach()

set(binary "${OUT}/root/usr/games/tessaline")
execute_process(COMMAND file -b "${binary}" OUTPUT_VARIABLE kind)
if(NOT kind MATCHES ", stripped")
    string(APPEND failures "the packed binary is not stripped: ${kind}\n")
endif()
# Relocations bound at start-up (hardening=+all): lintian tells of a binary
# without only at the info level, which does not fail it.
execute_process(COMMAND readelf -d "${binary}" OUTPUT_VARIABLE dynamic RESULT_VARIABLE result)
if(NOT result EQUAL 0 OR NOT dynamic MATCHES "\\(FLAGS_1\\)[^\n]* NOW")
    string(APPEND failures "the packed binary is not bound now: no NOW among the FLAGS_1 of readelf -d\n")
endif()

if(failures)
    message(FATAL_ERROR "The package ${debs} is wrong:\n${failures}")
endif()
