# Second cross build for 64-bit Windows: Debian's clang for the MinGW-w64 target with
# lld, on the headers and libraries of the MinGW-w64 (-posix) g++, and llvm-rc, which
# reads resource scripts as Microsoft's rc.exe does. It stands in for Visual Studio:
# a compiler other than g++ and an rc-style resource compiler take the sources.
set(MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-target.cmake)

set(CMAKE_C_COMPILER clang)
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_C_COMPILER_TARGET ${MINGW_TRIPLE})
set(CMAKE_CXX_COMPILER_TARGET ${MINGW_TRIPLE})
set(CMAKE_AR llvm-ar)
set(CMAKE_RANLIB llvm-ranlib)

# clang cannot read Debian's version folder name (12-posix): name the libstdc++ and
# libgcc of the -posix g++, and winpthread, which its thread model needs.
file(GLOB gcc_dirs /usr/lib/gcc/${MINGW_TRIPLE}/*-posix)
list(GET gcc_dirs -1 gcc_dir)
set(CMAKE_SYSROOT /usr/${MINGW_TRIPLE})
set(CMAKE_CXX_FLAGS_INIT "-isystem ${gcc_dir}/include/c++ \
-isystem ${gcc_dir}/include/c++/${MINGW_TRIPLE} -isystem ${gcc_dir}/include/c++/backward")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fuse-ld=lld -L${gcc_dir} -lpthread")

# CMake preprocesses the resource script with clang, then hands it to llvm-rc.
set(CMAKE_RC_COMPILER ${CMAKE_CURRENT_LIST_DIR}/llvm-rc-utf8.sh)

# The program's texts are compiled to GBK by converting the preprocessed sources.
set(CMAKE_CXX_COMPILER_LAUNCHER ${CMAKE_CURRENT_LIST_DIR}/clang-gbk-compile.sh)
