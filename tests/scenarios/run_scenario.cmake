# SPDX-License-Identifier: MIT
# Runs one scenario script through the replay player and compares its output with
# the expected file byte for byte. Scripts named error_* must stop with status 2.
#   cmake -DREPLAY=... -DSCRIPT=... -DEXPECTED=... [-DMODE=--model] -P run_scenario.cmake
execute_process(
    COMMAND ${REPLAY} ${MODE} ${SCRIPT}
    OUTPUT_VARIABLE actual
    ERROR_VARIABLE errors
    RESULT_VARIABLE status)

get_filename_component(name ${SCRIPT} NAME_WE)
if(name MATCHES "^error_")
    if(NOT status EQUAL 2 OR NOT errors MATCHES "(^|\n)line [0-9]+: ")
        message(FATAL_ERROR "expected status 2 and a line message, got ${status}: ${errors}")
    endif()
elseif(NOT status EQUAL 0)
    message(FATAL_ERROR "replay failed with status ${status}: ${errors}")
endif()

file(READ ${EXPECTED} expected)
if(NOT actual STREQUAL expected)
    file(WRITE ${EXPECTED}.actual "${actual}")
    message(FATAL_ERROR "output differs from ${EXPECTED}; see ${EXPECTED}.actual")
endif()
