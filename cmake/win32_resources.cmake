# Windows resources (icon, version, string table, manifest) compiled with
# the toolchain's windres. The icon is the asset generator's, made by the
# Linux build (scripts/build-windows passes its path as ORVEL_ICON).
enable_language(RC)
set(ORVEL_ICON "" CACHE FILEPATH "The programs' icon, made by the asset generator")
if(NOT EXISTS "${ORVEL_ICON}")
  message(FATAL_ERROR "ORVEL_ICON (\"${ORVEL_ICON}\") is not the generator's icon: run scripts/build-windows")
endif()
set(ORVEL_VERSION_TEXT ${PROJECT_VERSION})
set(ORVEL_VERSION_COMMAS "${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},${PROJECT_VERSION_PATCH},0")
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/resources)
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/resources/orvel_version.h CONTENT
  "#define ORVEL_VERSION_TEXT \"@ORVEL_VERSION_TEXT@\"\n#define ORVEL_VERSION_COMMAS @ORVEL_VERSION_COMMAS@\n" @ONLY)
configure_file(${ORVEL_ICON} ${CMAKE_BINARY_DIR}/resources/orvel-kite.ico COPYONLY)

# orvel_win32_resources(TARGET RC_FILE): RC_FILE from platform/win32/resources.
function(orvel_win32_resources target rc)
  set(dir ${CMAKE_SOURCE_DIR}/platform/win32/resources)
  target_sources(${target} PRIVATE ${dir}/${rc})
  # windres looks for the files a resource names (icon, manifest) in its
  # include folders as well as for #include.
  set_source_files_properties(${dir}/${rc} TARGET_DIRECTORY ${target} PROPERTIES
    INCLUDE_DIRECTORIES "${dir};${CMAKE_BINARY_DIR}/resources"
    OBJECT_DEPENDS "${dir}/version_info.rc;${dir}/show.manifest;${dir}/config.manifest;${CMAKE_BINARY_DIR}/resources/orvel-kite.ico")
endfunction()
