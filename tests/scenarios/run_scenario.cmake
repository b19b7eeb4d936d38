# Runs one scenario: `qvt-host --dir <fresh folder> run script.txt` against the built plug-in
# (or, for a folder with replay-args.txt, `qvt-host --dir <fresh folder> replay LOG [OPTIONS]
# --out <folder>/result.txt` with LOG and OPTIONS from that file, LOG inside the scenario's
# folder), then compares every file under the scenario's expected/ folder byte for byte with what the
# run produced (expected/stdout.txt is the run's standard output), and fails on any file the
# run left in the folder that expected/ does not list.
#
#   -DHOST=qvt-host  -DPLUGIN=libqvt.so|QVT.dll  -DSCENARIO=<folder>  -DWORK=<scratch folder>
#   [-DEMULATOR=<wine runner>]  [-DHOST_PATH_PREFIX=Z:]  (paths as the Windows program sees them)
#   [-DDECORATED=1]  look the entry points up by their decorated names (Windows plug-in)
#   [-DUPDATE=1]  copy the run's files into expected/ instead of comparing (to make a scenario;
#                 read every file before committing it)
foreach(var HOST PLUGIN SCENARIO WORK)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "run_scenario.cmake needs -D${var}=")
  endif()
endforeach()

set(folder "${WORK}/folder")
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${folder}")

# The host's own files that a script writes are inputs, not results.
set(host_inputs "Kelvo2.ini")

set(lookup "")
if(DECORATED)
  set(lookup --decorated)
endif()
if(EXISTS "${SCENARIO}/replay-args.txt")
  file(STRINGS "${SCENARIO}/replay-args.txt" replay_args LIMIT_COUNT 1)
  separate_arguments(replay_args UNIX_COMMAND "${replay_args}")
  list(POP_FRONT replay_args log)
  set(command replay "${HOST_PATH_PREFIX}${SCENARIO}/${log}" ${replay_args}
              --out "${HOST_PATH_PREFIX}${folder}/result.txt")
else()
  set(command run "${HOST_PATH_PREFIX}${SCENARIO}/script.txt")
endif()
execute_process(
  COMMAND ${EMULATOR} "${HOST}" ${lookup} --operator ok --plugin "${HOST_PATH_PREFIX}${PLUGIN}"
          --dir "${HOST_PATH_PREFIX}${folder}" ${command}
  OUTPUT_FILE "${WORK}/stdout.txt"
  ERROR_FILE "${WORK}/stderr.txt"
  RESULT_VARIABLE rc
  TIMEOUT 120)
file(READ "${WORK}/stderr.txt" err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "qvt-host failed (${rc}):\n${err}")
endif()

file(GLOB_RECURSE produced RELATIVE "${folder}" "${folder}/*")
list(REMOVE_ITEM produced ${host_inputs})

if(UPDATE)
  file(REMOVE_RECURSE "${SCENARIO}/expected")
  file(MAKE_DIRECTORY "${SCENARIO}/expected")
  file(COPY_FILE "${WORK}/stdout.txt" "${SCENARIO}/expected/stdout.txt")
  foreach(rel IN LISTS produced)
    get_filename_component(dir "${SCENARIO}/expected/${rel}" DIRECTORY)
    file(MAKE_DIRECTORY "${dir}")
    file(COPY_FILE "${folder}/${rel}" "${SCENARIO}/expected/${rel}")
  endforeach()
  message(STATUS "expected files written for ${SCENARIO}")
  return()
endif()

file(GLOB_RECURSE expected RELATIVE "${SCENARIO}/expected" "${SCENARIO}/expected/*")
set(failures "")
foreach(rel IN LISTS expected)
  if(rel STREQUAL "stdout.txt")
    set(actual "${WORK}/stdout.txt")
  else()
    set(actual "${folder}/${rel}")
    list(REMOVE_ITEM produced "${rel}")
  endif()
  if(NOT EXISTS "${actual}")
    string(APPEND failures "missing: ${rel}\n")
    continue()
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${SCENARIO}/expected/${rel}"
                          "${actual}" RESULT_VARIABLE differ)
  if(NOT differ EQUAL 0)
    file(READ "${SCENARIO}/expected/${rel}" want)
    file(READ "${actual}" got)
    string(APPEND failures "differs: ${rel}\n--- expected\n${want}\n--- got (${actual})\n${got}\n")
  endif()
endforeach()
foreach(rel IN LISTS produced)
  string(APPEND failures "not expected: ${rel}\n")
endforeach()
if(failures)
  message(FATAL_ERROR "scenario ${SCENARIO}:\n${failures}\nstderr:\n${err}")
endif()
