# The sanitizer build (clang only): AddressSanitizer and UndefinedBehaviorSanitizer with
# libFuzzer's coverage instrumentation, for the libraries that need no Qt, their tests and the
# fuzz targets (scripts/sanitize.sh runs the tests, scripts/fuzz.sh the targets). Any fault
# ends the program: a test that passes ran clean.
option(KESTOVA_SANITIZE
  "Build the libraries without Qt, their tests and the fuzz targets with the sanitizers (clang)"
  OFF)

if(KESTOVA_SANITIZE)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR
      "KESTOVA_SANITIZE needs clang: configure with -DCMAKE_CXX_COMPILER=clang++-14")
  endif()
  # A drawing's huge number reaching an integer conversion is exactly what this build is for.
  set(kestova_sanitizers address,undefined,float-cast-overflow)
  add_compile_options(-fsanitize=${kestova_sanitizers} -fsanitize=fuzzer-no-link
                      -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=${kestova_sanitizers})
endif()
