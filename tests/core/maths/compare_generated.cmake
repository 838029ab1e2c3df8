# SPDX-License-Identifier: MIT
# Fails unless GENERATOR run with ARGUMENT writes exactly the file COMMITTED.
execute_process(COMMAND ${GENERATOR} ${ARGUMENT} OUTPUT_VARIABLE generated RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${GENERATOR} ${ARGUMENT} failed: ${result}")
endif()
file(READ ${COMMITTED} committed)
if(NOT generated STREQUAL committed)
  message(FATAL_ERROR "${COMMITTED} is not what ${GENERATOR} ${ARGUMENT} writes: write it again")
endif()
