# Cross-build for Windows x86_64 with MinGW-w64. The -posix compilers are
# used because GoogleTest needs std::mutex, which the win32 thread model lacks.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(WAVORIA_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${WAVORIA_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${WAVORIA_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${WAVORIA_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${WAVORIA_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Test programs run under Wine through a small wrapper.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tools/wine-run)
