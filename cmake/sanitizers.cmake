# Checked builds.
#
# SCENARIO_SANITIZE builds every target with AddressSanitizer and
# UndefinedBehaviorSanitizer (gcc or clang). SCENARIO_BUILD_FUZZERS does the
# same with clang and adds libFuzzer's coverage to every library, so that
# the harnesses in fuzz/ see the compiler's branches. In both, the first
# report ends the program: a test or a fuzzer input that provokes one fails.

set(SCENARIO_SANITIZERS address,undefined,float-cast-overflow)

if(SCENARIO_SANITIZE OR SCENARIO_BUILD_FUZZERS)
  add_compile_options(-fsanitize=${SCENARIO_SANITIZERS} -fno-sanitize-recover=all
    -fno-omit-frame-pointer)
  add_link_options(-fsanitize=${SCENARIO_SANITIZERS})
  # Index checks in the standard containers: AddressSanitizer does not see an
  # index past the size of a vector that stays within its capacity.
  add_compile_definitions(_GLIBCXX_ASSERTIONS)
  # gcc's flow analysis sees through the sanitizers' instrumentation badly and
  # warns of uninitialised members inside std::function and std::optional
  # that every path initialises.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    add_compile_options(-Wno-maybe-uninitialized)
  endif()
endif()

if(SCENARIO_BUILD_FUZZERS)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "The fuzzers need clang (libFuzzer); configure with the fuzz preset")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link
    -fsanitize-coverage-ignorelist=${PROJECT_SOURCE_DIR}/fuzz/coverage_ignore.txt)
endif()
