# Runs one libFuzzer target for a bounded time (cmake -P). It reads the seed
# corpus, which may be empty or absent, and writes the inputs it finds to a
# scratch folder so that the seeds stay as the tests wrote them. Any crash,
# sanitizer report, leak, single allocation over 64 MiB (the most one image
# may take) or input that takes more than ten seconds (a hang) fails the
# run; the input is kept in the artifacts folder.
foreach(v FUZZER CORPUS WORK SECONDS)
  if(NOT DEFINED ${v})
    message(FATAL_ERROR "run_fuzzer.cmake needs -D${v}=...")
  endif()
endforeach()

file(REMOVE_RECURSE ${WORK}/found)
file(MAKE_DIRECTORY ${WORK}/found ${WORK}/artifacts ${CORPUS})
execute_process(
  COMMAND ${FUZZER} -max_total_time=${SECONDS} -max_len=4096 -timeout=10 -malloc_limit_mb=65 -rss_limit_mb=1024
          -artifact_prefix=${WORK}/artifacts/ -print_final_stats=1 ${WORK}/found ${CORPUS}
  RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "${FUZZER} failed (${rc}); the input is in ${WORK}/artifacts/")
endif()
