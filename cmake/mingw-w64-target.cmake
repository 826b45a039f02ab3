# What the Windows toolchains share, included by each after it has named its
# target: Windows, and MinGW-w64's headers and libraries for MINGW_TRIPLE, never
# the build machine's.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
