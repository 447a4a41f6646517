# Builds that look for memory faults and undefined behaviour. KESTOVA_SANITIZE runs the ordinary
# tests under AddressSanitizer and UndefinedBehaviorSanitizer; KESTOVA_FUZZ (clang only) adds
# libFuzzer's coverage instrumentation, and tests/ then builds the fuzz targets instead of the
# replay drivers. Any fault ends the program: a test that passes ran clean.
option(KESTOVA_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(KESTOVA_FUZZ "Build the libFuzzer targets (clang) with both sanitizers" OFF)

if(KESTOVA_SANITIZE OR KESTOVA_FUZZ)
  # GCC leaves float-to-integer overflow out of "undefined"; a drawing's huge number reaching an
  # integer conversion is exactly what these builds are for.
  set(kestova_sanitizers address,undefined,float-cast-overflow)
  if(KESTOVA_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
      message(FATAL_ERROR "KESTOVA_FUZZ needs clang: configure with -DCMAKE_CXX_COMPILER=clang++-14")
    endif()
    add_compile_options(-fsanitize=fuzzer-no-link)
  endif()
  add_compile_options(-fsanitize=${kestova_sanitizers} -fno-sanitize-recover=all
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=${kestova_sanitizers})
endif()
