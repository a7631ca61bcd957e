# The cross-built unit tests: the folders whose code does not depend on the
# platform, run under Wine. Files that exercise Linux itself (symlinks,
# spawned Linux helpers, X11, a time() that replaces the C library's) are
# left to the Linux build; the few POSIX calls the tests make for scratch
# folders and broken-down times come from posix_compat.

set(ORVEL_WINDOWS_TEST_MODULES app archive scene anim snow dyntex clock calendar)
set(ORVEL_LINUX_ONLY_TEST "symlink\\(|<X11/|<gtk/|<spawn\\.h>|<sys/wait\\.h>|[^a-z_]fork\\(|ORVEL_HELPER_DIR|fake_local_time")

# Windows' <GL/gl.h> stops at GL 1.1; the recorder also names later enums.
target_compile_options(orvel_test_support PRIVATE "SHELL:-include GL/gl.h" "SHELL:-include GL/glext.h")
# mingw's GCC 12 sees a read from an empty region in vector::insert of a
# vector it cannot prove non-empty (a known false positive at -O2).
target_compile_options(orvel_test_support PRIVATE -Wno-stringop-overread)

add_library(orvel_posix_compat STATIC ${CMAKE_CURRENT_LIST_DIR}/posix_compat.cpp)

function(orvel_windows_test_sources module var)
  set(kept)
  list(FIND ORVEL_WINDOWS_TEST_MODULES ${module} index)
  if(index GREATER -1)
    foreach(src ${${var}})
      file(READ ${src} text)
      if(NOT text MATCHES "${ORVEL_LINUX_ONLY_TEST}")
        list(APPEND kept ${src})
      endif()
    endforeach()
  endif()
  set(${var} ${kept} PARENT_SCOPE)
endfunction()

# Tests that cannot hold on Windows as written. Death tests there re-run the
# whole test in a new process, which makes a new scratch folder, so a
# message expected to name the parent's folder never matches.
set(ORVEL_WINDOWS_TEST_FILTER_test_archive "-ArchiveTest.MalformedFileExitsWithOneLine")

# One CTest test per executable: a Wine start costs far more than a test.
function(orvel_windows_unit_test target)
  target_compile_options(${target} PRIVATE -include ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/posix_compat.h)
  target_link_libraries(${target} PRIVATE orvel_posix_compat)
  set(filter)
  if(ORVEL_WINDOWS_TEST_FILTER_${target})
    set(filter "--gtest_filter=${ORVEL_WINDOWS_TEST_FILTER_${target}}")
  endif()
  add_test(NAME wine_${target} COMMAND ${target} --gtest_brief=1 ${filter})
  set_tests_properties(wine_${target} PROPERTIES LABELS wine_unit TIMEOUT 300)
endfunction()
