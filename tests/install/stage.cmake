# Installs the build tree afresh into STAGE, so every check sees exactly what
# this build installs and nothing left over from an earlier run.
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE "${STAGE}")
execute_process(
    COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${STAGE}"
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install into ${STAGE} failed: ${result}")
endif()
