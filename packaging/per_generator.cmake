# Read by cpack for each generator, before it builds and installs anything.

# cpack reads the folder it packages in as a pattern as well as a path, so that a folder whose
# path holds a pattern's character would give packages that hold nothing.
if(CPACK_PACKAGE_DIRECTORY MATCHES "[][*?]")
  message(FATAL_ERROR "cpack can't package in ${CPACK_PACKAGE_DIRECTORY}, whose path holds one of "
                      "[ ] * ?: give it another folder, as cpack -B FOLDER")
endif()

# The source package copies the repository's files itself (source_files.cmake), in place of the
# whole source folder as cpack would.
if(NOT CPACK_INSTALL_CMAKE_PROJECTS)
  set(CPACK_INSTALLED_DIRECTORIES "")
  set(CPACK_INSTALL_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/source_files.cmake)
  return()
endif()

# cpack has read the packaging settings as this folder was configured; were they changed since,
# it would package the old ones.
foreach(settings CMakeLists.txt packaging/CMakeLists.txt)
  if("${CPACK_PRIME_SIEVE_SOURCE}/${settings}" IS_NEWER_THAN "${CPACK_OUTPUT_CONFIG_FILE}")
    message(FATAL_ERROR "${settings} has changed since this build folder was configured: build "
                        "again, then package")
  endif()
endforeach()

if(CPACK_GENERATOR STREQUAL "DEB")
  if(NOT CPACK_PRIME_SIEVE_DPKG_ARCHITECTURE)
    message(FATAL_ERROR "The Debian package needs dpkg-dev: install it")
  endif()
  # The Debian package holds Debian's own files (debian_files.cmake) in place of the licence, so
  # only the program's component.
  list(SUBLIST CPACK_INSTALL_CMAKE_PROJECTS 0 4 CPACK_INSTALL_CMAKE_PROJECTS)
  list(APPEND CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/debian_files.cmake)
  # The architecture is that of the compiler's target, and Depends is read from that
  # architecture's C library where the compiler found it: its own (libc6:ARCH) or Debian's cross
  # one (libc6-ARCH-cross), never one in lib32, lib64 or libx32, where a compiler may look first,
  # which hold packages of the machine's own architecture.
  execute_process(COMMAND ${CPACK_PRIME_SIEVE_DPKG_ARCHITECTURE} -t ${CPACK_PRIME_SIEVE_TARGET}
                  -qDEB_HOST_ARCH OUTPUT_VARIABLE CPACK_DEBIAN_PACKAGE_ARCHITECTURE
                  OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET COMMAND_ERROR_IS_FATAL ANY)
  list(FILTER CPACK_PRIME_SIEVE_LIBRARIES EXCLUDE REGEX "/lib(32|64|x32)$")
  find_path(CPACK_PRIME_SIEVE_LIBC_DIR libc.so.6 PATHS ${CPACK_PRIME_SIEVE_LIBRARIES}
            NO_DEFAULT_PATH)
  if(NOT CPACK_PRIME_SIEVE_LIBC_DIR)
    set(architecture ${CPACK_DEBIAN_PACKAGE_ARCHITECTURE})
    message(FATAL_ERROR "The Debian package for ${architecture} needs that architecture's C "
                        "library: install libc6:${architecture} or libc6-${architecture}-cross")
  endif()
endif()

# cpack builds before it installs, but keeps what a failed build says in a log and names only the
# log; built here first, a failure shows its reason and cpack's own build then finds nothing to do.
list(GET CPACK_INSTALL_CMAKE_PROJECTS 0 build)
execute_process(COMMAND ${CMAKE_COMMAND} --build ${build} --config "${CPACK_BUILD_CONFIG}"
                OUTPUT_VARIABLE built ERROR_VARIABLE built RESULT_VARIABLE failed)
if(failed)
  message(NOTICE "${built}")
  message(FATAL_ERROR "Nothing packaged: the build failed, as it says above")
endif()
