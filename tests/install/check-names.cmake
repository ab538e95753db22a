# Checks that the installed pieces name one another: the desktop entry starts
# an installed binary and names an icon the theme has at every size, and the
# metainfo describes that desktop entry under the same application id.
cmake_minimum_required(VERSION 3.25)
include("${CMAKE_CURRENT_LIST_DIR}/expected-files.cmake")

file(GLOB desktop_file "${STAGE}/share/applications/*.desktop")
list(LENGTH desktop_file count)
if(NOT count EQUAL 1)
    message(FATAL_ERROR "expected one desktop entry in ${STAGE}/share/applications, found ${count}")
endif()
get_filename_component(desktop_id "${desktop_file}" NAME)
string(REGEX REPLACE "\\.desktop$" "" app_id "${desktop_id}")

# The value of one key of the desktop entry, which must occur exactly once.
function(desktop_key key out)
    file(STRINGS "${desktop_file}" lines REGEX "^${key}=")
    list(LENGTH lines n)
    if(NOT n EQUAL 1)
        message(FATAL_ERROR "${desktop_id}: expected one ${key}= line, found ${n}")
    endif()
    string(REGEX REPLACE "^${key}=" "" value "${lines}")
    set(${out} "${value}" PARENT_SCOPE)
endfunction()

# The text of every element <tag ...>text</tag> of the metainfo whose opening
# tag matches attributes (a regular expression).
file(READ "${STAGE}/share/metainfo/${app_id}.metainfo.xml" metainfo)
function(metainfo_texts tag attributes out)
    string(REGEX MATCHALL "<${tag}${attributes}>[^<]*</${tag}>" elements "${metainfo}")
    set(texts "")
    foreach(element IN LISTS elements)
        string(REGEX REPLACE "^<[^>]*>([^<]*)<.*$" "\\1" text "${element}")
        string(STRIP "${text}" text)
        list(APPEND texts "${text}")
    endforeach()
    set(${out} "${texts}" PARENT_SCOPE)
endfunction()

set(failures "")
desktop_key(Exec exec)
desktop_key(Icon icon)
metainfo_texts(id "" ids)
metainfo_texts(launchable " type=\"desktop-id\"" launchables)
metainfo_texts(binary "" binaries)

# The command must be a bare name found in the installed games directory, as a
# launcher finds it on PATH (which holds /usr/games on Debian).
string(REGEX REPLACE " .*$" "" command "${exec}")
if(command MATCHES "/" OR NOT EXISTS "${STAGE}/games/${command}")
    string(APPEND failures "Exec=${exec}: no ${command} in ${STAGE}/games\n")
endif()

# Each row: what is compared, what it holds, what it must hold.
set(rows
    "metainfo id|${ids}|${app_id}"
    "metainfo launchable|${launchables}|${desktop_id}"
    "metainfo provided binary|${binaries}|${command}"
    "desktop entry Icon|${icon}|${app_id}")
foreach(row IN LISTS rows)
    string(REPLACE "|" ";" fields "${row}")
    list(GET fields 0 what)
    list(GET fields 1 actual)
    list(GET fields 2 wanted)
    if(NOT actual STREQUAL wanted)
        string(APPEND failures "${what} is \"${actual}\", expected \"${wanted}\"\n")
    endif()
endforeach()

set(icon_dirs scalable)
foreach(size IN LISTS TESSALINE_ICON_SIZES)
    list(APPEND icon_dirs "${size}x${size}")
endforeach()
foreach(dir IN LISTS icon_dirs)
    file(GLOB found "${STAGE}/share/icons/hicolor/${dir}/apps/${icon}.*")
    if(NOT found)
        string(APPEND failures "Icon=${icon}: none in hicolor/${dir}/apps\n")
    endif()
endforeach()

if(failures)
    message(FATAL_ERROR "The installed names do not agree:\n${failures}")
endif()
