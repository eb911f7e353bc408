# Whether this build makes the Debian package, and for which architecture. It needs dpkg-dev, which
# names the architecture of the compiler's target and reads Depends, and that architecture's C
# library, from which Depends is read. Where either is missing, the other packages are made alone
# and configure says what the Debian package needs, as cpack -G DEB does.
find_program(DPKG_ARCHITECTURE dpkg-architecture)
if(NOT DPKG_ARCHITECTURE)
  set(CPACK_PRIME_SIEVE_NO_DEBIAN_PACKAGE "The Debian package needs dpkg-dev: install it")
else()
  # Forced, as in a package's build the architectures dpkg-buildpackage sets would stand instead.
  execute_process(COMMAND ${DPKG_ARCHITECTURE} -f -t ${compiler_target}
                  OUTPUT_VARIABLE architectures ERROR_QUIET)
  if(architectures MATCHES "DEB_BUILD_ARCH=([^\n]*)")
    set(build_architecture ${CMAKE_MATCH_1})
  endif()
  if(architectures MATCHES "DEB_HOST_ARCH=([^\n]*)")
    set(architecture ${CMAKE_MATCH_1})
    set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE ${architecture})
  endif()
  # The C library where the compiler finds it: its own architecture's (libc6:ARCH) or Debian's cross
  # one (libc6-ARCH-cross), never one in lib32, lib64 or libx32, where a compiler may look first,
  # which hold packages of the machine's own architecture.
  set(libraries ${CMAKE_CXX_IMPLICIT_LINK_DIRECTORIES})
  list(FILTER libraries EXCLUDE REGEX "/lib(32|64|x32)$")
  find_path(CPACK_PRIME_SIEVE_LIBC_DIR libc.so.6 PATHS ${libraries} NO_DEFAULT_PATH NO_CACHE)
  if(NOT architecture)
    set(CPACK_PRIME_SIEVE_NO_DEBIAN_PACKAGE
        "dpkg-architecture knows no Debian architecture for ${compiler_target}")
  elseif(NOT CPACK_PRIME_SIEVE_LIBC_DIR)
    string(CONCAT CPACK_PRIME_SIEVE_NO_DEBIAN_PACKAGE "The Debian package for ${architecture} "
      "needs that architecture's C library: dpkg --add-architecture ${architecture}, apt-get "
      "update, and apt-get install libc6:${architecture}; or apt-get install "
      "libc6-${architecture}-cross")
  endif()
endif()

if(CPACK_PRIME_SIEVE_NO_DEBIAN_PACKAGE)
  message(STATUS "${CPACK_PRIME_SIEVE_NO_DEBIAN_PACKAGE}; plain cpack leaves it out")
else()
  list(PREPEND CPACK_GENERATOR DEB)
endif()
# cpack's own call of dpkg-shlibdeps names another architecture's C library as the cross packages
# do (libc6:arm64), with no hook to mend the Depends it writes, so for those debian_files.cmake
# calls it, pointed at the C library found here.
if(architecture STREQUAL build_architecture)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
endif()
