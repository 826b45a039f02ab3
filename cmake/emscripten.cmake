# The page's build: Debian's emscripten (em++) for WebAssembly. Every compile and
# link goes through env, so that emscripten's own node scripts find Debian's node
# modules (acorn) whatever node is first on the PATH, and through the GBK
# launcher, as the clang build: the page's core keeps the window's code page.
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)

set(VELTRO_EMSCRIPTEN_ENV env NODE_PATH=/usr/share/nodejs)
set(CMAKE_CXX_COMPILER_LAUNCHER ${VELTRO_EMSCRIPTEN_ENV} ${CMAKE_CURRENT_LIST_DIR}/clang-gbk-compile.sh)
set(CMAKE_CXX_LINKER_LAUNCHER ${VELTRO_EMSCRIPTEN_ENV})
