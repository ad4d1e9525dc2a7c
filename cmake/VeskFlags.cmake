# Compiler flags shared by every target.
#
# The fit is checked bit for bit, so the floating-point code must compile the same way everywhere:
# no fused multiply-add contraction, no fast-math, no tuning for the build machine.
add_compile_options(-ffp-contract=off -fno-fast-math)
foreach(flag -ffast-math -march=native -Ofast)
  if(CMAKE_CXX_FLAGS MATCHES "${flag}")
    message(FATAL_ERROR "${flag} changes the last bits of the fit; remove it from CMAKE_CXX_FLAGS")
  endif()
endforeach()

if(VESK_SANITIZE)
  # float-divide-by-zero stays off: the geometry relies on IEEE division (0/0, x/0).
  set(VESK_SANITIZE_FLAGS
      -fsanitize=address,undefined,float-cast-overflow
      -fno-sanitize=float-divide-by-zero
      -fno-sanitize-recover=all
      -fno-omit-frame-pointer)
  add_compile_options(${VESK_SANITIZE_FLAGS})
  add_link_options(${VESK_SANITIZE_FLAGS})
endif()

if(VESK_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "VESK_FUZZ needs clang++ (libFuzzer): -DCMAKE_CXX_COMPILER=clang++")
  endif()
  # Every library gets coverage instrumentation and the sanitizers; only the fuzz executables link
  # libFuzzer's main (-fsanitize=fuzzer, fuzz/CMakeLists.txt).
  set(VESK_FUZZ_FLAGS
      -fsanitize=fuzzer-no-link,address,undefined,float-cast-overflow
      -fno-sanitize=float-divide-by-zero
      -fno-sanitize-recover=all
      -fno-omit-frame-pointer)
  add_compile_options(${VESK_FUZZ_FLAGS})
  add_link_options(-fsanitize=address,undefined,float-cast-overflow)
endif()

# Warnings for our own targets (not for the libraries we link).
function(vesk_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  if(VESK_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# One GoogleTest executable per layer. Qt-based suites use the shared main, which picks the
# offscreen platform and a private settings folder before any Qt object exists.
function(vesk_test name)
  cmake_parse_arguments(T "QT" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  vesk_warnings(${name})
  if(T_QT)
    target_link_libraries(${name} PRIVATE vesk_test_main ${T_LIBS} GTest::gtest GTest::gmock)
  else()
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
  endif()
  target_compile_definitions(${name} PRIVATE VESK_TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data")
  set(env "QT_QPA_PLATFORM=offscreen")
  if(T_QT)
    # Qt's font and platform plugins keep process-lifetime caches that LeakSanitizer reports.
    list(APPEND env "ASAN_OPTIONS=detect_leaks=0")
  endif()
  # CTest names leave out gtest's print of a parameter (the test's own name suffix names it), so they
  # stay short and the same from run to run.
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 NO_PRETTY_VALUES PROPERTIES ENVIRONMENT "${env}")
  set_property(GLOBAL APPEND PROPERTY VESK_TEST_EXECUTABLES ${name})
endfunction()

# The tests of a suite that need file permissions enforced, run once more through
# tests/run_unprivileged.sh: as root (CI) they skip in the suite's own run and really run here.
# count is how many tests filter selects; all must run and pass.
function(vesk_unprivileged_test suite count filter)
  add_test(NAME ${suite}_unprivileged
    COMMAND ${PROJECT_SOURCE_DIR}/tests/run_unprivileged.sh ${count} $<TARGET_FILE:${suite}> ${filter})
  set_tests_properties(${suite}_unprivileged PROPERTIES ENVIRONMENT "ASAN_OPTIONS=detect_leaks=0")
endfunction()

# ccache, when present, makes rebuilds in several checkouts of the tree cheap: paths are hashed
# relative to the build folder, so two checkouts share their cached objects.
find_program(VESK_CCACHE ccache)
if(VESK_CCACHE AND NOT CMAKE_CXX_COMPILER_LAUNCHER)
  get_filename_component(vesk_checkouts "${PROJECT_SOURCE_DIR}/.." ABSOLUTE)
  set(CMAKE_CXX_COMPILER_LAUNCHER ${CMAKE_COMMAND} -E env CCACHE_BASEDIR=${vesk_checkouts} CCACHE_NOHASHDIR=1
                                  ${VESK_CCACHE})
endif()
