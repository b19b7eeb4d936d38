# Replays one real log through qvt-host and compares the result with an independent count.
# -DHOST= -DPLUGIN= -DLOG= -DCOUNTER= -DPYTHON= -DWORK= [-DEMULATOR= -DHOST_PATH_PREFIX=Z:]
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
execute_process(
  COMMAND ${EMULATOR} "${HOST}" --plugin "${HOST_PATH_PREFIX}${PLUGIN}"
          --dir "${HOST_PATH_PREFIX}${WORK}" replay "${HOST_PATH_PREFIX}${LOG}"
          --out "${HOST_PATH_PREFIX}${WORK}/result.txt"
  RESULT_VARIABLE rc ERROR_VARIABLE err)
message(STATUS "${err}")
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "qvt-host replay failed (${rc})")
endif()
execute_process(COMMAND "${PYTHON}" "${COUNTER}" "${LOG}" "${WORK}/result.txt"
                RESULT_VARIABLE rc OUTPUT_VARIABLE out)
message(STATUS "${out}")
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "the result's counts differ from the log's")
endif()
