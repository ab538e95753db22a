# Checks the installed manual page as man-db reads it: groff must render it
# without a warning, the NAME line must give a whatis entry, and the page must
# have the sections a reader looks for.
cmake_minimum_required(VERSION 3.25)
set(page "${STAGE}/share/man/man6/tessaline.6.gz")
if(NOT EXISTS "${page}")
    message(FATAL_ERROR "no manual page at ${page}")
endif()

set(ENV{LC_ALL} C.UTF-8)
set(ENV{MANWIDTH} 80)
set(ENV{MANROFFSEQ} "")
execute_process(COMMAND man --warnings -E UTF-8 -l -Tutf8 -Z "${page}"
    OUTPUT_QUIET ERROR_VARIABLE warnings RESULT_VARIABLE result)
if(NOT result EQUAL 0 OR NOT warnings STREQUAL "")
    message(FATAL_ERROR "groff warns about ${page} (exit ${result}):\n${warnings}")
endif()

execute_process(COMMAND lexgrog "${page}" OUTPUT_VARIABLE whatis RESULT_VARIABLE result)
if(NOT result EQUAL 0 OR NOT whatis MATCHES "\"tessaline - [^\"]+\"")
    message(FATAL_ERROR "no whatis entry for tessaline in ${page}: ${whatis}")
endif()

execute_process(COMMAND man -l -P cat "${page}" OUTPUT_VARIABLE text RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "man cannot show ${page}")
endif()
set(missing "")
foreach(heading NAME SYNOPSIS DESCRIPTION OPTIONS FILES BUGS AUTHOR "SEE ALSO")
    if(NOT text MATCHES "\n${heading}\n")
        list(APPEND missing ${heading})
    endif()
endforeach()
if(NOT text MATCHES "^TESSALINE\\(6\\)")
    list(APPEND missing "the title TESSALINE(6)")
endif()
if(missing)
    message(FATAL_ERROR "${page} lacks: ${missing}\n${text}")
endif()
