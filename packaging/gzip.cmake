# Compresses INPUT into OUTPUT with GZIP at its best, leaving the name and the time out of the
# header so that the same text always gives the same bytes.
if(NOT EXISTS "${GZIP}")
  message(FATAL_ERROR "gzip is needed to compress ${INPUT}, and none was found: install gzip, "
                      "then configure the build again")
endif()
execute_process(COMMAND ${GZIP} -9 -n -c INPUT_FILE ${INPUT} OUTPUT_FILE ${OUTPUT}
                COMMAND_ERROR_IS_FATAL ANY)
