# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (the posix-threads variant, which
# the standard library's threads and mutexes need).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VANDREL_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VANDREL_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VANDREL_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${VANDREL_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${VANDREL_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Whole programs that need only the DLLs every Windows has: no libgcc, libstdc++ or
# winpthread DLL beside the executable.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_EXE_LINKER_FLAGS_RELEASE_INIT "-s")

# Test programs run under Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
