# Starts the real program where no display can be opened and checks that it
# ends with status 1 and one plain line naming the display, not an abort.
#   cmake -DPROGRAM=<tessaline> -P check-display.cmake
#
# The runtime directory is a short one of its own under /tmp, not in the build
# tree: a socket's path must fit in 108 bytes, and a checkout may lie deep.

execute_process(COMMAND mktemp -d /tmp/tsl.XXXXXX OUTPUT_VARIABLE runtime
    OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)

# An X display number with no server behind it.
set(x 77)
while(EXISTS "/tmp/.X11-unix/X${x}" OR EXISTS "/tmp/.X${x}-lock")
    math(EXPR x "${x} + 1")
endwhile()

# Each row: a name, the environment (;-separated, escaped as \;), then the
# pattern of the one line the program must print.
set(rows
    "nothing set|FOO=1|^tessaline: no display found \\(neither DISPLAY nor WAYLAND_DISPLAY is set\\)"
    "no X server|DISPLAY=:${x}|^tessaline: cannot open the X display \":${x}\""
    "no compositor|QT_QPA_PLATFORM=wayland|^tessaline: cannot open the Wayland display \"wayland-0\""
    "no such socket|QT_QPA_PLATFORM=wayland,WAYLAND_DISPLAY=tessaline-none|^tessaline: cannot open the Wayland display \"tessaline-none\""
    "unknown platform|QT_QPA_PLATFORM=tessaline-none|^tessaline: cannot open a display of the platform \"tessaline-none\"")

set(failures "")
foreach(row IN LISTS rows)
    string(REPLACE "|" ";" fields "${row}")
    list(GET fields 0 name)
    list(GET fields 1 settings)
    list(GET fields 2 pattern)
    string(REPLACE "," ";" settings "${settings}")
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
            --unset=QT_QPA_PLATFORM --unset=XDG_SESSION_TYPE
            XDG_RUNTIME_DIR=${runtime} ${settings} "${PROGRAM}"
        RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
    string(REGEX MATCHALL "\n" lines "${err}")
    list(LENGTH lines count)
    if(NOT status STREQUAL "1")
        string(APPEND failures "${name}: exit status \"${status}\", not 1\n")
    endif()
    if(NOT count EQUAL 1 OR NOT err MATCHES "${pattern}" OR NOT out STREQUAL "")
        string(APPEND failures "${name}: said \"${out}${err}\", not one line like /${pattern}/\n")
    endif()
endforeach()

file(REMOVE_RECURSE "${runtime}")
if(failures)
    message(FATAL_ERROR "${failures}")
endif()
