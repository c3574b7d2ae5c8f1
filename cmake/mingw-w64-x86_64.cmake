# Cross build for 64-bit Windows with Debian's MinGW-w64 (posix threads):
#   cmake -S . -B build-mingw -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
# The executables are linked statically, so they need no DLLs beside them. They run under Wine
# (wine64), which CMake uses to run them during the build and in tests.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(QORL_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${QORL_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QORL_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${QORL_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${QORL_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

find_program(QORL_WINE64 NAMES wine64 PATHS /usr/lib/wine NO_DEFAULT_PATH)
find_program(QORL_WINE64 NAMES wine64)
if(QORL_WINE64)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${QORL_WINE64})
endif()
