# The browser edition (the `web` preset, emscripten): the rooms the page
# uses compiled to WebAssembly (the use cases in commands and what they
# need, the Cp map's content without Qt), the C++ tests of core and engine
# run under Node, and the page itself in VENTORA_WEB_SITE.
set(VENTORA_WEB_SITE ${CMAKE_BINARY_DIR}/site CACHE PATH "Where the page is built")

# C++ exceptions carry the program's messages; they are off by default here.
target_compile_options(ventora_options INTERFACE -fexceptions)
target_link_options(ventora_options INTERFACE -fexceptions -sALLOW_MEMORY_GROWTH=1)

add_subdirectory(src/core)
add_subdirectory(src/engine)
add_subdirectory(src/output)
add_subdirectory(src/idf)
add_subdirectory(src/map)  # what its pictures show, without Qt
add_subdirectory(src/commands)

# The surroundings' readers and geometry; the JSON library is Debian's
# header-only one, its folder alone on the include path (not /usr/include).
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/nlohmann-json)
file(CREATE_LINK /usr/include/nlohmann ${CMAKE_BINARY_DIR}/nlohmann-json/nlohmann SYMBOLIC)
add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
target_include_directories(nlohmann_json::nlohmann_json INTERFACE ${CMAKE_BINARY_DIR}/nlohmann-json)
add_subdirectory(src/site)

# GoogleTest from Debian's sources, compiled here; no threads in the tests.
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)  # GTest::gtest_main, GTest::gmock
enable_testing()
include(GoogleTest)
add_subdirectory(tests)

add_subdirectory(web)
