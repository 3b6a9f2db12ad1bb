# cmake -DPROGRAM=orvo-calc -DOUTPUT=orvo-calc.1 -P WriteManPage.cmake
execute_process(COMMAND ${PROGRAM} --man OUTPUT_FILE ${OUTPUT} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  file(REMOVE ${OUTPUT})
  message(FATAL_ERROR "${PROGRAM} --man failed: ${status}")
endif()
