# Read by cpack for each generator, before it builds and installs anything. Every package is of a
# release that CHANGELOG.md records. An archive holds what an install does; the Debian package
# holds its copyright file and changelog in place of the licence, and depends on what
# dpkg-shlibdeps reads its program to need.
set(CHANGELOG ${CPACK_PRIME_SIEVE_CHANGELOG})
set(VERSION ${CPACK_PACKAGE_VERSION})
include(${CMAKE_CURRENT_LIST_DIR}/changelog.cmake)
if(CPACK_GENERATOR STREQUAL "DEB")
  set(CPACK_COMPONENTS_ALL program debian)
  if(NOT CPACK_DEBIAN_PACKAGE_ARCHITECTURE)
    message(FATAL_ERROR "dpkg-architecture names the Debian package's architecture, and it was "
                        "not found when the build was configured: install dpkg-dev, then "
                        "configure the build again")
  endif()
  execute_process(COMMAND dpkg --print-architecture OUTPUT_VARIABLE machine
                  OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  if(machine STREQUAL CPACK_DEBIAN_PACKAGE_ARCHITECTURE)
    # cpack would make a package without Depends, saying so in passing, if a tool were missing.
    find_program(DPKG_SHLIBDEPS dpkg-shlibdeps)
    find_program(FILE_PROGRAM file)
    if(NOT DPKG_SHLIBDEPS OR NOT FILE_PROGRAM)
      message(FATAL_ERROR "dpkg-shlibdeps and file read the libraries the program needs, for "
                          "the package's Depends: install dpkg-dev and file")
    endif()
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  else()
    list(APPEND CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/foreign_depends.cmake)
  endif()
endif()
