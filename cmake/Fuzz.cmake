# SPDX-License-Identifier: GPL-3.0-or-later
# libFuzzer targets need clang; everything is instrumented for coverage and built with
# AddressSanitizer and UndefinedBehaviorSanitizer, so a fault stops the run at once.
if(PRISMELLE_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "PRISMELLE_FUZZ needs clang: configure with -DCMAKE_CXX_COMPILER=clang++")
  endif()
  set(_fuzz_san -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_compile_options(-fsanitize=fuzzer-no-link ${_fuzz_san})
  add_link_options(${_fuzz_san})
endif()
