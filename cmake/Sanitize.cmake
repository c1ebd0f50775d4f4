# The sanitizer tree (build/sanitize, clang): every portable library and the unit tests built with
# AddressSanitizer and UndefinedBehaviorSanitizer, plus the fuzz targets of tests/fuzz. The first
# report ends the process (no recovery), so a test that passes only by luck after an out-of-bounds
# read fails here. The libraries also carry libFuzzer's coverage counters; the unit tests ignore them.
option(SUITE_SANITIZE "Build with ASan + UBSan (clang) and build the fuzz targets" OFF)
if(SUITE_SANITIZE)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "SUITE_SANITIZE needs clang (libFuzzer): configure with CMAKE_CXX_COMPILER=clang++")
  endif()
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer
                      -fsanitize=fuzzer-no-link)
  add_link_options(-fsanitize=address,undefined)
endif()
