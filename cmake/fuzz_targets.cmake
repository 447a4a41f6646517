# kestova_add_fuzz_target(<name> SOURCES ... LIBS ... [REPLAY_CORPUS <folder> <pattern>])
#
# A fuzz target's source defines LLVMFuzzerTestOneInput (tests/support/fuzz_target.h), built one
# of two ways:
# - in the sanitizer build, <name>_fuzz: a libFuzzer program, which scripts/fuzz.sh fuzzes, and
#   the test <name>_regressions that replays the target's committed inputs through it once each
#   under the sanitizers; REPLAY_CORPUS adds the test <name>_replays_<folder's name>, which does
#   the same for every file under a folder of drawings that match a pattern (the corpus suites
#   that the optimised build runs);
# - otherwise <name>_replay, which runs the entry point once per file, and the test
#   <name>_regressions that replays the target's committed inputs with it.
# The committed inputs sit beside the target's source: <name>/regressions (reproducers of faults
# found and mended) and <name>/corpus. Reproducers of faults not yet mended wait in
# <name>/pending, which nothing runs. Every fuzz target needs no Qt.

add_library(kestova_fuzz_support STATIC
  ${PROJECT_SOURCE_DIR}/tests/support/fuzz_failure.cpp
  ${PROJECT_SOURCE_DIR}/tests/support/memory_file.cpp)
target_include_directories(kestova_fuzz_support PUBLIC ${PROJECT_SOURCE_DIR}/tests)

add_custom_target(kestova_fuzz_targets)
set(kestova_replay_inputs ${PROJECT_SOURCE_DIR}/tests/support/replay_inputs.sh)

function(kestova_add_fuzz_target name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;REPLAY_CORPUS" ${ARGN})
  set(data ${CMAKE_CURRENT_SOURCE_DIR}/${name})
  if(KESTOVA_SANITIZE)
    set(program ${name}_fuzz)
    add_executable(${program} ${ARG_SOURCES})
    target_link_libraries(${program} PRIVATE ${ARG_LIBS} kestova_fuzz_support)
    target_link_options(${program} PRIVATE -fsanitize=fuzzer)
    add_dependencies(kestova_fuzz_targets ${program})
    add_test(NAME ${name}_regressions COMMAND bash ${kestova_replay_inputs}
      $<TARGET_FILE:${program}> "*" ${data}/regressions ${data}/corpus)
    # Replays are the longest tests of this build: started first, the rest runs beside them.
    set_tests_properties(${name}_regressions PROPERTIES COST 100)
    if(ARG_REPLAY_CORPUS)
      list(GET ARG_REPLAY_CORPUS 0 folder)
      list(GET ARG_REPLAY_CORPUS 1 pattern)
      get_filename_component(corpus ${folder} NAME)
      add_test(NAME ${name}_replays_${corpus} COMMAND bash ${kestova_replay_inputs}
        $<TARGET_FILE:${program}> "${pattern}" ${folder})
      set_tests_properties(${name}_replays_${corpus} PROPERTIES
        LABELS toolkit-free SKIP_RETURN_CODE 77 TIMEOUT 900 COST 100)
    endif()
  else()
    set(program ${name}_replay)
    add_executable(${program} ${ARG_SOURCES}
      ${PROJECT_SOURCE_DIR}/tests/support/fuzz_replay_main.cpp)
    target_link_libraries(${program} PRIVATE ${ARG_LIBS} kestova_fuzz_support)
    add_test(NAME ${name}_regressions COMMAND ${program} ${data}/regressions ${data}/corpus)
  endif()
  set_tests_properties(${name}_regressions PROPERTIES LABELS toolkit-free TIMEOUT 600)
  add_dependencies(kestova_toolkit_free_tests ${program})
endfunction()
