# One INTERFACE target that carries the language standard and the warning set.
# Every Ventora target links it; sanitizers come from the `asan` preset.
add_library(ventora_options INTERFACE)
target_compile_features(ventora_options INTERFACE cxx_std_20)
target_compile_options(ventora_options INTERFACE -Wall -Wextra -Wpedantic)
# Clang (the fuzz build) has no -Wshadow=local.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  target_compile_options(ventora_options INTERFACE -Wshadow=local)
endif()
# GCC 12 reports false overlaps in std::string concatenation at -O2
# (-Wrestrict inside char_traits); the warning is fixed in later releases.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  target_compile_options(ventora_options INTERFACE -Wno-restrict)
endif()
if(VENTORA_WERROR)
  target_compile_options(ventora_options INTERFACE -Werror)
endif()

# ventora_test(NAME SOURCES... LIBS...): one GoogleTest executable, each test
# registered with CTest and told where the test data and the examples are.
function(ventora_test name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES;LIBS")
  add_executable(${name} ${arg_SOURCES})
  target_link_libraries(${name} PRIVATE ventora_options ventora_test_support GTest::gtest_main
                                        GTest::gmock ${arg_LIBS})
  # Listing the tests loads every shared library the executable links (over a
  # hundred with the map readers); on a cold, busy machine that outlasts the
  # five seconds test discovery allows by default.
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
                       # Two properties of one value each: a list value would be split on
                       # its way through test discovery and lose all but its first entry.
                       PROPERTIES ENVIRONMENT "VENTORA_TEST_DATA=${PROJECT_SOURCE_DIR}/tests/data"
                                  ENVIRONMENT_MODIFICATION "VENTORA_EXAMPLES=set:${PROJECT_SOURCE_DIR}/examples")
endfunction()
