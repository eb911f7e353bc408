# Read by cpack for each generator, before it builds and installs anything.

# cpack builds what is out of date only after reading the version that the folder was configured
# with, and keeps what the build says in a log; a build first shows what is new or wrong. The
# source package, which installs nothing, needs nothing of the build.
if(CPACK_INSTALL_CMAKE_PROJECTS AND EXISTS "${CPACK_PRIME_SIEVE_PAGE}" AND
   ("${CPACK_PRIME_SIEVE_SOURCE}/CMakeLists.txt" IS_NEWER_THAN "${CPACK_PRIME_SIEVE_PAGE}" OR
    "${CPACK_PRIME_SIEVE_SOURCE}/CHANGELOG.md" IS_NEWER_THAN "${CPACK_PRIME_SIEVE_PAGE}"))
  message(FATAL_ERROR "This build folder is behind CMakeLists.txt or CHANGELOG.md: build again")
endif()

if(CPACK_GENERATOR STREQUAL "DEB")
  # The Debian package holds Debian's own files (debian_files.cmake) in place of the licence, so
  # only the program's component.
  list(SUBLIST CPACK_INSTALL_CMAKE_PROJECTS 0 4 CPACK_INSTALL_CMAKE_PROJECTS)
  list(APPEND CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/debian_files.cmake)
  # dpkg-architecture names the architecture from the compiler's target, and dpkg-shlibdeps reads
  # the Depends from the C library where the compiler found it: another architecture's for a cross
  # build. Both are looked for before anything is built.
  execute_process(COMMAND dpkg-architecture -t ${CPACK_PRIME_SIEVE_TARGET} -qDEB_HOST_ARCH
                  OUTPUT_VARIABLE arch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  find_path(CPACK_PRIME_SIEVE_LIBC libc.so.6 PATHS ${CPACK_PRIME_SIEVE_LIBRARIES} NO_DEFAULT_PATH)
  if(NOT arch)
    message(FATAL_ERROR "The Debian package needs dpkg-dev: install it")
  elseif(NOT CPACK_PRIME_SIEVE_LIBC)
    message(FATAL_ERROR "The Debian package for ${arch} needs libc6-${arch}-cross: install it")
  endif()
  set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE ${arch})
endif()
