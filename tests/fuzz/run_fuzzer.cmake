# A fuzz run of the test run: each committed seed once, then libFuzzer from the seeds alone with a
# fixed seed for a fixed number of inputs, so that the result is the same on every run.
#   cmake -DFUZZER=<exe> -DSEEDS=<dir> -DWORK=<dir> -DSEED=<n> -DRUNS=<n> -P run_fuzzer.cmake
# libFuzzer learns from the values the target compares, addresses among them, so it runs without
# address randomisation, with an empty environment and with the same short paths wherever the
# trees lie: the stack then starts at the same address.
cmake_minimum_required(VERSION 3.20)
foreach(var FUZZER SEEDS WORK SEED RUNS)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "run_fuzzer.cmake: -D${var}=… is missing")
  endif()
endforeach()

file(GLOB seeds LIST_DIRECTORIES false RELATIVE ${SEEDS} ${SEEDS}/*)
if(NOT seeds)
  message(FATAL_ERROR "no committed seeds in ${SEEDS}")
endif()
list(SORT seeds)
list(TRANSFORM seeds PREPEND seeds/)

# New inputs go to corpus/, crashing ones to artifacts/; both start empty.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/corpus ${WORK}/artifacts)
file(CREATE_LINK ${FUZZER} ${WORK}/fuzzer SYMBOLIC)
file(CREATE_LINK ${SEEDS} ${WORK}/seeds SYMBOLIC)

find_program(env_program env REQUIRED)
set(launch ${env_program} -i)
set(options)
find_program(setarch_program setarch)
if(setarch_program)
  execute_process(COMMAND ${setarch_program} -R true RESULT_VARIABLE no_aslr OUTPUT_QUIET
                  ERROR_QUIET)
endif()
if(setarch_program AND no_aslr EQUAL 0)
  list(APPEND launch ${setarch_program} -R)
else()
  # The addresses then differ from run to run; with compares not steering the mutations, the
  # runs differ little.
  message(WARNING "address randomisation stays on: runs may differ a little")
  list(APPEND options -use_cmp=0)
endif()

function(run_step step)
  execute_process(COMMAND ${launch} ./fuzzer -artifact_prefix=artifacts/ ${ARGN}
                  WORKING_DIRECTORY ${WORK} RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${step}: ${FUZZER} ended with ${result}; new inputs that crashed are "
                        "in ${WORK}/artifacts")
  endif()
endfunction()

run_step("committed seeds" ${seeds})
run_step("fixed seed" -seed=${SEED} -runs=${RUNS} -reload=0 -print_final_stats=1 ${options}
         corpus seeds)
