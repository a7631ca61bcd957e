# The Windows libraries, built from Debian's sources by scripts/build-windows
# into ORVEL_WIN_PREFIX: static SDL 1.2, libpng and zlib, plus the system
# libraries they call. OpenGL itself is not here: the show links opengl32 and
# glu32, the unit tests the GL recorder in their place.
if(NOT ORVEL_WIN_PREFIX)
  message(FATAL_ERROR "ORVEL_WIN_PREFIX is not set: configure with cmake/mingw-w64-x86_64.cmake")
endif()
foreach(lib SDL png16 z)
  find_library(ORVEL_WIN_LIB_${lib} NAMES lib${lib}.a PATHS ${ORVEL_WIN_PREFIX}/lib NO_DEFAULT_PATH NO_CACHE
    NO_CMAKE_FIND_ROOT_PATH)
  if(NOT ORVEL_WIN_LIB_${lib})
    message(FATAL_ERROR "lib${lib}.a not found in ${ORVEL_WIN_PREFIX}/lib: run scripts/build-windows")
  endif()
endforeach()

add_library(orvel_win32_deps INTERFACE)
target_include_directories(orvel_win32_deps INTERFACE ${ORVEL_WIN_PREFIX}/include ${ORVEL_WIN_PREFIX}/include/SDL)
# <GL/gl.h> pulls in all of <windows.h> unless these are given; the shared
# code should not see its macros (near, far, min, max, ...). The values equal
# the ones <windows.h> sets, so the two never disagree. Without dllimport the
# GL calls bind to plain symbols: opengl32's in the show, the recorder's in
# the unit tests.
target_compile_definitions(orvel_win32_deps INTERFACE
  _GDI32_ WINGDIAPI= WINAPI=__stdcall APIENTRY=WINAPI GLAPIENTRY=APIENTRY CALLBACK=__stdcall NOMINMAX WIN32_LEAN_AND_MEAN)
target_link_libraries(orvel_win32_deps INTERFACE
  ${ORVEL_WIN_LIB_SDL} ${ORVEL_WIN_LIB_png16} ${ORVEL_WIN_LIB_z}
  user32 gdi32 winmm advapi32 shell32 ole32 uuid version imm32)
