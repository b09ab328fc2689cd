# Runs PROGRAM and fails unless it exits with status 0 and its standard
# output matches the regular expression EXPECT.
execute_process(COMMAND ${PROGRAM}
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
message(STATUS "${PROGRAM} exited with ${result}\n${output}${errors}")
if(NOT result EQUAL 0)
    message(FATAL_ERROR "exit status ${result}, expected 0")
endif()
if(NOT output MATCHES "${EXPECT}")
    message(FATAL_ERROR "standard output does not match: ${EXPECT}")
endif()
