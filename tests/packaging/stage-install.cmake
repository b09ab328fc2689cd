# Installs the build tree BUILD_DIR (configuration CONFIG) into a fresh
# STAGE_DIR, so nothing left from an earlier run can stand in for a file
# that is no longer installed. Also removes the consumer's build tree
# CONSUMER_DIR, which was configured against the old stage.
file(REMOVE_RECURSE ${STAGE_DIR} ${CONSUMER_DIR})
execute_process(
    COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --config ${CONFIG} --prefix ${STAGE_DIR}
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "installing into ${STAGE_DIR} failed: ${result}")
endif()
