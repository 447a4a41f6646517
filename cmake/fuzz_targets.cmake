# kestova_add_fuzz_target(<name> SOURCES ... LIBS ... [TOOLKIT_FREE])
#
# A fuzz target's source defines LLVMFuzzerTestOneInput (tests/support/fuzz_target.h), built one
# of two ways:
# - with KESTOVA_FUZZ, <name>_fuzz: a libFuzzer program, run by scripts/fuzz.sh;
# - otherwise <name>_replay, which runs the entry point once per file, and the test
#   <name>_regressions that replays the target's committed inputs beside its source:
#   <name>/regressions (reproducers of faults found and mended) and <name>/corpus. Reproducers
#   of faults not yet mended wait in <name>/pending, which nothing runs.
# TOOLKIT_FREE targets need no Qt: they join the sanitizer build's tests (label toolkit-free).

add_library(kestova_fuzz_support STATIC
  ${PROJECT_SOURCE_DIR}/tests/support/fuzz_failure.cpp
  ${PROJECT_SOURCE_DIR}/tests/support/memory_file.cpp)
target_include_directories(kestova_fuzz_support PUBLIC ${PROJECT_SOURCE_DIR}/tests)

add_custom_target(kestova_fuzz_targets)

function(kestova_add_fuzz_target name)
  cmake_parse_arguments(ARG "TOOLKIT_FREE" "" "SOURCES;LIBS" ${ARGN})
  if(KESTOVA_FUZZ)
    add_executable(${name}_fuzz ${ARG_SOURCES})
    target_link_libraries(${name}_fuzz PRIVATE ${ARG_LIBS} kestova_fuzz_support)
    target_link_options(${name}_fuzz PRIVATE -fsanitize=fuzzer)
    add_dependencies(kestova_fuzz_targets ${name}_fuzz)
    return()
  endif()

  add_executable(${name}_replay ${ARG_SOURCES}
    ${PROJECT_SOURCE_DIR}/tests/support/fuzz_replay_main.cpp)
  target_link_libraries(${name}_replay PRIVATE ${ARG_LIBS} kestova_fuzz_support)
  set(data ${CMAKE_CURRENT_SOURCE_DIR}/${name})
  add_test(NAME ${name}_regressions COMMAND ${name}_replay ${data}/regressions ${data}/corpus)
  set_tests_properties(${name}_regressions PROPERTIES TIMEOUT 600)
  if(ARG_TOOLKIT_FREE)
    set_tests_properties(${name}_regressions PROPERTIES LABELS toolkit-free)
    add_dependencies(kestova_toolkit_free_tests ${name}_replay)
  endif()
endfunction()
