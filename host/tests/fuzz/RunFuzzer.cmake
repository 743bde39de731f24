# cmake -DFUZZER=<exe> -DSEEDS=<folder> -DWORK=<scratch folder> [-DDICT=<file>] -P RunFuzzer.cmake
# One bounded libFuzzer run; new inputs and crash files land in the scratch folder.
foreach(var FUZZER SEEDS WORK)
  if(NOT ${var})
    message(FATAL_ERROR "${var} is not set")
  endif()
endforeach()

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/corpus ${WORK}/artifacts)
file(GLOB seeds ${SEEDS}/*)
if(NOT seeds)
  message(FATAL_ERROR "no seeds in ${SEEDS}")
endif()
file(COPY ${seeds} DESTINATION ${WORK}/corpus)

set(args -max_total_time=20 -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
  -artifact_prefix=${WORK}/artifacts/)
if(DICT)
  list(APPEND args -dict=${DICT})
endif()
execute_process(COMMAND ${FUZZER} ${args} ${WORK}/corpus RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "${FUZZER} exited with ${rc}; the failing input is in ${WORK}/artifacts")
endif()
