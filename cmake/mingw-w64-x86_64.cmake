# Cross-compiling for 64-bit Windows with Debian's mingw-w64. The compilers
# with POSIX threads give std::mutex, which GoogleTest needs; winpthread is
# linked statically like the rest of the runtime.
# The Windows libraries (SDL 1.2, libpng, zlib) are found under
# ORVEL_WIN_PREFIX, where scripts/build-windows builds them.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(ORVEL_WIN_HOST x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${ORVEL_WIN_HOST}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ORVEL_WIN_HOST}-g++-posix)
set(CMAKE_RC_COMPILER ${ORVEL_WIN_HOST}-windres)
set(CMAKE_AR ${ORVEL_WIN_HOST}-ar)
set(CMAKE_RANLIB ${ORVEL_WIN_HOST}-ranlib)

if(NOT ORVEL_WIN_PREFIX)
  if(DEFINED ENV{ORVEL_WIN_CACHE})
    set(ORVEL_WIN_PREFIX $ENV{ORVEL_WIN_CACHE})
  else()
    set(ORVEL_WIN_PREFIX /var/cache/orvel-kite/win64)
  endif()
endif()
set(ORVEL_WIN_PREFIX ${ORVEL_WIN_PREFIX} CACHE PATH "Windows libraries built from Debian sources")

set(CMAKE_FIND_ROOT_PATH /usr/${ORVEL_WIN_HOST} ${ORVEL_WIN_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Programs carry their C and C++ runtimes, so the folder runs anywhere
# without the compiler's DLLs beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
# Release programs go into the zip without their symbols.
set(CMAKE_EXE_LINKER_FLAGS_RELEASE_INIT "-s")

# Cross-built tests run under Wine's 64-bit loader (ctest, test discovery).
find_program(ORVEL_WINE64 NAMES wine64 PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(ORVEL_WINE64)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${ORVEL_WINE64})
endif()
