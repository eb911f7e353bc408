# Read by cpack for each generator, before it builds and installs anything.

# cpack builds what is out of date only after reading the version that the folder was configured
# with, and keeps what the build says in a log; a build first shows what is new or wrong.
set(page ${CPACK_PRIME_SIEVE_PAGE})
if(EXISTS "${page}" AND ("${CPACK_PRIME_SIEVE_SOURCE}/CMakeLists.txt" IS_NEWER_THAN "${page}"
                         OR "${CPACK_PRIME_SIEVE_SOURCE}/CHANGELOG.md" IS_NEWER_THAN "${page}"))
  message(FATAL_ERROR "This build folder is behind CMakeLists.txt or CHANGELOG.md: build it "
                      "again, then package it")
endif()

# The Debian package holds Debian's own files (debian_files.cmake) in place of the licence.
set(components program licence)
if(CPACK_GENERATOR STREQUAL "DEB")
  set(components program)
  list(APPEND CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/debian_files.cmake)
endif()
# Each package installs its components into one tree. Naming them keeps cpack's install records
# apart from those of a plain install, which may be another user's (an install as root).
list(GET CPACK_INSTALL_CMAKE_PROJECTS 0 build)
list(TRANSFORM components REPLACE ".+" "${build};${CPACK_PACKAGE_NAME};\\0;/"
     OUTPUT_VARIABLE CPACK_INSTALL_CMAKE_PROJECTS)
