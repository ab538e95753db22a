# The icon files committed under data/icons are byte for byte what the icon
# writer makes of the game's own drawing, and there are no others.
#   cmake -DWRITER=<tessaline_icons> -DCOMMITTED=<data/icons> -DOUT=<dir> -P check-icon-files.cmake
file(REMOVE_RECURSE ${OUT})
execute_process(COMMAND ${WRITER} ${OUT} RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${WRITER} failed: ${result}")
endif()
file(GLOB_RECURSE written RELATIVE ${OUT} ${OUT}/*)
file(GLOB_RECURSE committed RELATIVE ${COMMITTED} ${COMMITTED}/*)
list(SORT written)
list(SORT committed)
if(NOT written STREQUAL committed)
    message(FATAL_ERROR "the writer makes ${written}\nbut data/icons holds ${committed}")
endif()
foreach(name IN LISTS written)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUT}/${name} ${COMMITTED}/${name}
        RESULT_VARIABLE differs)
    if(NOT differs EQUAL 0)
        message(FATAL_ERROR "data/icons/${name} differs from what the writer makes: run make icons")
    endif()
endforeach()
