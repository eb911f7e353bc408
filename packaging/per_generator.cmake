# Read by cpack for each generator, before it installs anything.

# cpack reads the folder it packages in as a pattern as well as a path, so that a folder whose
# path holds a pattern's character would give packages that hold nothing.
if(CPACK_PACKAGE_DIRECTORY MATCHES "[][*?]")
  message(FATAL_ERROR "cpack can't package in ${CPACK_PACKAGE_DIRECTORY}, whose path holds one of "
                      "[ ] * ?: give it another folder, as cpack -B FOLDER")
endif()
include(${CMAKE_CURRENT_LIST_DIR}/release_check.cmake)
check_release(${CPACK_PACKAGE_VERSION} ${CPACK_PRIME_SIEVE_SOURCE}/CHANGELOG.md
              ${CPACK_PRIME_SIEVE_PAGE})

if(NOT CPACK_INSTALL_CMAKE_PROJECTS)
  # The source package: cpack would copy the whole source folder, build folders and uncommitted
  # changes with it, where the commit checked out is wanted.
  set(CPACK_INSTALL_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/source_files.cmake)
  return()
endif()

if(CPACK_GENERATOR STREQUAL "DEB")
  if(CPACK_PRIME_SIEVE_NO_DEBIAN_PACKAGE)
    message(FATAL_ERROR "${CPACK_PRIME_SIEVE_NO_DEBIAN_PACKAGE}")
  endif()
  # The Debian package holds Debian's own files (debian_files.cmake) in place of the licence, so
  # only the program's component.
  list(SUBLIST CPACK_INSTALL_CMAKE_PROJECTS 0 4 CPACK_INSTALL_CMAKE_PROJECTS)
  list(APPEND CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/debian_files.cmake)
endif()
list(APPEND CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/staged_modes.cmake)
