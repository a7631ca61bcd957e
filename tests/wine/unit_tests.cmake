# The cross-built unit tests run under Wine file by file as named here: the
# tests of code that does not depend on the platform. The rest stay with the
# Linux build, each for its reason. Every test source of these folders must
# be in one of the two lists, so that none is dropped unnoticed. The few
# POSIX calls the tests make for scratch folders and broken-down times come
# from posix_compat.

set(ORVEL_WINDOWS_TEST_MODULES app archive scene anim snow dyntex clock calendar)
set(ORVEL_WINDOWS_TESTS
  app/command_line_test.cpp app/display_test.cpp app/frame_pacer_test.cpp app/pixel_shift_test.cpp app/preview_test.cpp
  app/scene_setup_test.cpp app/settings_test.cpp
  archive/archive_cache_test.cpp archive/archive_parser_test.cpp archive/archive_test.cpp
  archive/archive_texture_test.cpp archive/image_decoder_test.cpp
  scene/mesh_draw_test.cpp scene/mesh_entry_test.cpp scene/mesh_load_test.cpp
  scene/scene_node_test.cpp scene/transform_test.cpp
  anim/animator_test.cpp anim/cue_list_test.cpp anim/motion_curves_test.cpp
  snow/snowfall_test.cpp
  dyntex/dynamic_texture_manager_test.cpp dyntex/dynamic_texture_name_test.cpp dyntex/fire_generator_test.cpp
  dyntex/plasma_generator_test.cpp
  clock/clock_face_test.cpp
  calendar/calendar_grid_test.cpp calendar/fps_digits_test.cpp calendar/overlay_items_test.cpp)
set(ORVEL_LINUX_ONLY_TESTS
  app/install_dir_test.cpp                # symlinks, spawned Linux helpers
  app/display_open_test.cpp               # the SDL recorder replaces a shared libSDL,
  app/main_loop_test.cpp                  # which Windows links statically
  clock/clock_motion_test.cpp             # a time() that replaces the C library's
  calendar/calendar_test.cpp)             # (support/fake_local_time.cpp)

# Windows' <GL/gl.h> stops at GL 1.1; the recorder also names later enums.
target_compile_options(orvel_test_support PRIVATE "SHELL:-include GL/gl.h" "SHELL:-include GL/glext.h")
# mingw's GCC 12 sees a read from an empty region in vector::insert of a
# vector it cannot prove non-empty (a known false positive at -O2).
target_compile_options(orvel_test_support PRIVATE -Wno-stringop-overread)

add_library(orvel_posix_compat STATIC ${CMAKE_CURRENT_LIST_DIR}/posix_compat.cpp)
# The shared helpers make scratch folders too.
target_compile_options(orvel_test_support PRIVATE -include ${CMAKE_CURRENT_LIST_DIR}/posix_compat.h)

# Keeps of a module's test sources those named in ORVEL_WINDOWS_TESTS.
function(orvel_windows_test_sources module var)
  set(kept)
  foreach(src ${${var}})
    file(RELATIVE_PATH name ${CMAKE_SOURCE_DIR}/tests ${src})
    if(name IN_LIST ORVEL_WINDOWS_TESTS)
      list(APPEND kept ${src})
    elseif(module IN_LIST ORVEL_WINDOWS_TEST_MODULES AND NOT name IN_LIST ORVEL_LINUX_ONLY_TESTS)
      message(FATAL_ERROR "tests/${name}: name it in ORVEL_WINDOWS_TESTS or ORVEL_LINUX_ONLY_TESTS "
                          "(tests/wine/unit_tests.cmake)")
    endif()
  endforeach()
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
