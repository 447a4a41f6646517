# Precompiled headers shared by the test programs, whose sources all parse the same heavy
# headers: the standard library, Eigen and GoogleTest, and for those that drive windows the core
# of Qt Widgets. One header is made for each of the two kinds and every test program reuses it:
# made per program it would cost as much as it saves. Only what nearly every source includes,
# and nothing that reads a macro which differs between the programs (QtTest reads the folder of
# each), since a precompiled header is loaded whole and only where those macros agree.
option(KESTOVA_PRECOMPILED_HEADERS "Precompile the headers every test source includes" ON)

# kestova_add_precompiled_headers(<name> LIBS ... HEADERS ...): the headers made once, with the
# flags that the libraries give.
function(kestova_add_precompiled_headers name)
  cmake_parse_arguments(ARG "" "" "LIBS;HEADERS" ${ARGN})
  if(NOT KESTOVA_PRECOMPILED_HEADERS)
    return()
  endif()
  add_library(${name} OBJECT ${PROJECT_SOURCE_DIR}/tests/support/precompiled_headers.cpp)
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
  target_precompile_headers(${name} PRIVATE ${ARG_HEADERS})
  kestova_cacheable_precompiled_headers(${name})
endfunction()

# ccache takes a precompiled header only through -include with -fpch-preprocess, and finds one
# made by clang the same as last time only when clang writes no time stamp into it.
function(kestova_cacheable_precompiled_headers target)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(${target} PRIVATE -fpch-preprocess)
  elseif(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    target_compile_options(${target} PRIVATE -fpch-preprocess "SHELL:-Xclang -fno-pch-timestamp")
  endif()
endfunction()

# kestova_use_precompiled_headers(<target> <name>)
function(kestova_use_precompiled_headers target name)
  if(NOT KESTOVA_PRECOMPILED_HEADERS)
    return()
  endif()
  target_precompile_headers(${target} REUSE_FROM ${name})
  kestova_cacheable_precompiled_headers(${target})
endfunction()
