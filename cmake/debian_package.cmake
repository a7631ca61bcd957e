# The Debian package: cmake --build build --target package writes
# build/orvel-kite_VERSION_amd64.deb with what cmake --install --prefix /usr
# installs. The dependencies come from the programs (dpkg-shlibdeps). SDL 1.2
# is libsdl1.2debian on both releases: Debian 12's own SDL 1.2, and on Debian
# 13 the compatibility layer over SDL2 under that name. Debian 12's package of
# that layer (libsdl1.2-compat) keeps its library in a private folder the
# programs do not search, so it must not count as an alternative. The
# package's own documents (copyright, changelog) are installed by
# cmake --install too, so the package holds nothing the install does not.

set(ORVEL_MAINTAINER "quorvant <orvel-kite@quorvant.invalid>")
set(ORVEL_DOC share/doc/orvel-kite)
configure_file(${CMAKE_SOURCE_DIR}/platform/posix/debian/changelog.in ${CMAKE_BINARY_DIR}/debian/changelog @ONLY)
# gzip -n: no name or time in the header, so the same changelog gives the same bytes.
execute_process(COMMAND gzip -9nf ${CMAKE_BINARY_DIR}/debian/changelog RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "cannot compress ${CMAKE_BINARY_DIR}/debian/changelog")
endif()
install(FILES ${CMAKE_SOURCE_DIR}/platform/posix/debian/copyright ${CMAKE_BINARY_DIR}/debian/changelog.gz
  DESTINATION ${ORVEL_DOC})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orvel-kite)
set(CPACK_PACKAGE_VENDOR quorvant)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "3-D screensaver: a snowy valley with a calendar and a clock")
set(CPACK_PACKAGE_DESCRIPTION "Under distance fog a snowy landscape turns slowly while snowflakes fall
through it; over it stand a calendar page of the current month (with a
Russian variant), an analog or digital clock and, after a minute, a
greeting. It runs as a display mode of xscreensaver and of MATE's
screensaver, full screen or in a window (orvel-kite), and comes with its
settings program (orvel-kite-config).")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${ORVEL_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION x11)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "xscreensaver | mate-screensaver")
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR})
include(CPack)
