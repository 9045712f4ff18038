# SPDX-License-Identifier: MIT
# The web build (preset "web"): Debian's emscripten compiles core, program, the page's
# binding and the toolkit-free tests to WebAssembly; node runs the tests.
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)

# emcc's JavaScript optimizer needs Debian's acorn module, which only Debian's own
# node finds by itself.
set(CMAKE_CXX_LINKER_LAUNCHER env NODE_PATH=/usr/share/nodejs)
# One file per program, the WebAssembly inside: node 20 and a page opened from
# file:// cannot fetch a second file. The test suites need more than the first 16 MB.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-sSINGLE_FILE=1 -sALLOW_MEMORY_GROWTH=1")
