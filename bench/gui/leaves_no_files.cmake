# SPDX-License-Identifier: MIT
# Runs one benchmark of qorl_gui_bench with a temporary folder of its own and fails when the run
# leaves a folder of its own naming there (Qt may put its runtime folder there too).
#   cmake -DBENCH=<qorl_gui_bench> -DWORK=<empty folder to use> -P leaves_no_files.cmake
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env "TMPDIR=${WORK}" "${BENCH}"
          "--benchmark_filter=BM_LoadTopicLongest$" "--benchmark_min_time=0.01"
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "qorl_gui_bench failed: ${result}")
endif()
file(GLOB left "${WORK}/qorl_gui_bench-*")
if(left)
  message(FATAL_ERROR "qorl_gui_bench left files behind: ${left}")
endif()
file(REMOVE_RECURSE "${WORK}")
