# The browser edition's toolchain: Debian's emscripten (the `web` preset).
# Its optimiser, run when a module is linked, finds acorn only through
# NODE_PATH, as the machine's Node is not Debian's; its programs run under
# Node, which must not fetch the .wasm beside them as a URL.
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)
set(CMAKE_CXX_LINKER_LAUNCHER env NODE_PATH=/usr/share/nodejs)
find_program(VENTORA_NODE NAMES node nodejs REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${VENTORA_NODE} --no-experimental-fetch)
