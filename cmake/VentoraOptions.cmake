# One INTERFACE target that carries the language standard and the warning set.
# Every Ventora target links it; sanitizers come from the `asan` preset.
add_library(ventora_options INTERFACE)
target_compile_features(ventora_options INTERFACE cxx_std_20)
target_compile_options(ventora_options INTERFACE -Wall -Wextra -Wpedantic -Wshadow=local)
# GCC 12 reports false overlaps in std::string concatenation at -O2
# (-Wrestrict inside char_traits); the warning is fixed in later releases.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  target_compile_options(ventora_options INTERFACE -Wno-restrict)
endif()
if(VENTORA_WERROR)
  target_compile_options(ventora_options INTERFACE -Werror)
endif()

# ventora_library(NAME DIR [DEPS...]): a static library of every .cpp in DIR
# (non-recursive). Header-only while a layer has no sources yet.
function(ventora_library name dir)
  file(GLOB _sources CONFIGURE_DEPENDS "${dir}/*.cpp")
  if(_sources)
    add_library(${name} STATIC ${_sources})
    target_link_libraries(${name} PUBLIC ventora_options ${ARGN})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  else()
    add_library(${name} INTERFACE)
    target_link_libraries(${name} INTERFACE ventora_options ${ARGN})
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
  endif()
endfunction()

# ventora_test_dir(NAME DIR [LIBS...]): one GoogleTest executable of every
# *_test.cpp in DIR, each test registered with CTest.
function(ventora_test_dir name dir)
  file(GLOB _tests CONFIGURE_DEPENDS "${dir}/*_test.cpp")
  if(NOT _tests)
    return()
  endif()
  add_executable(${name} ${_tests})
  target_link_libraries(${name} PRIVATE ventora_options ventora_test_support GTest::gtest_main
                                        GTest::gmock ${ARGN})
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
                       # Two properties of one value each: a list value would be split on
                       # its way through test discovery and lose all but its first entry.
                       PROPERTIES ENVIRONMENT "VENTORA_TEST_DATA=${PROJECT_SOURCE_DIR}/tests/data"
                                  ENVIRONMENT_MODIFICATION "VENTORA_EXAMPLES=set:${PROJECT_SOURCE_DIR}/examples")
endfunction()
