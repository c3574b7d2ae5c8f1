# SPDX-License-Identifier: MIT
# Cross build for 64-bit Windows with Debian's MinGW-w64 (posix threads):
#   cmake -S . -B build-mingw -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
#         [-DQORL_QT_WINDOWS=DIR]   (Qt for MinGW-w64, from scripts/build_qt_windows.sh)
# Programs without Qt link the compiler's runtime statically and need no DLLs; programs with Qt
# use the runtime DLLs the Qt DLLs use (cmake/WindowsRuntime.cmake). They run under Wine
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

# Qt for Windows is a second root; its moc, rcc and uic come from the host's Qt of the same
# version.
if(QORL_QT_WINDOWS)
  list(APPEND CMAKE_FIND_ROOT_PATH ${QORL_QT_WINDOWS})
  set(QT_HOST_PATH /usr CACHE PATH "The host's Qt, whose tools the cross build runs")
  set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "The host Qt's CMake files")
endif()

find_program(QORL_WINE64 NAMES wine64 PATHS /usr/lib/wine NO_DEFAULT_PATH)
find_program(QORL_WINE64 NAMES wine64)
if(QORL_WINE64)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${QORL_WINE64})
endif()
