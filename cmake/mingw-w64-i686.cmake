# Cross build for 32-bit Windows with MinGW-w64's g++, for the PCs that still run
# it. SSE2 for every float: x87 registers would keep intermediate results wider than
# single precision (FLT_EVAL_METHOD 2), and the game's arithmetic rounds each one to
# single precision.
set(MINGW_TRIPLE i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-target.cmake)
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
