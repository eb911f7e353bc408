# Whether plain cpack makes the Debian package: only for the machine's own architecture, where
# CPack's own dpkg-shlibdeps reads Depends from the program, and only with dpkg-dev, which names
# the architectures. Elsewhere configure says why, and cpack -G DEB refuses saying the same.
find_program(DPKG_ARCHITECTURE dpkg-architecture)
if(DPKG_ARCHITECTURE)
  # Forced, as in a package's build the architectures dpkg-buildpackage sets would stand instead.
  execute_process(COMMAND ${DPKG_ARCHITECTURE} -f -t ${compiler_target}
                  OUTPUT_VARIABLE architectures ERROR_QUIET)
  if(architectures MATCHES "DEB_BUILD_ARCH=([^\n]*)")
    set(build_architecture ${CMAKE_MATCH_1})
  endif()
  if(architectures MATCHES "DEB_HOST_ARCH=([^\n]*)")
    set(host_architecture ${CMAKE_MATCH_1})
  endif()
endif()

if(NOT DPKG_ARCHITECTURE)
  set(CPACK_PRIME_SIEVE_NO_DEBIAN_PACKAGE "The Debian package needs dpkg-dev: install it")
elseif(NOT host_architecture OR NOT "${host_architecture}" STREQUAL "${build_architecture}")
  string(CONCAT CPACK_PRIME_SIEVE_NO_DEBIAN_PACKAGE "The program is built for ${compiler_target}, "
    "not for this machine: its Debian package is a distribution build's job "
    "(dpkg-buildpackage -a ARCH -Pcross,nocheck, with the debian/ folder of CONTRIBUTING.md)")
endif()
if(CPACK_PRIME_SIEVE_NO_DEBIAN_PACKAGE)
  message(STATUS "${CPACK_PRIME_SIEVE_NO_DEBIAN_PACKAGE}; plain cpack leaves it out")
else()
  list(PREPEND CPACK_GENERATOR DEB)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
endif()
