# Replays one real log through qvt-host and compares the result with an independent count.
# -DHOST= -DPLUGIN= -DLOG= -DCOUNTER= -DPYTHON= -DWORK=
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
execute_process(
  COMMAND "${HOST}" --plugin "${PLUGIN}" --dir "${WORK}" replay "${LOG}" --out "${WORK}/result.txt"
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
