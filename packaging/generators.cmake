# Read by cpack with the packaging settings, before it takes the packages to make from them: plain
# cpack leaves out the Debian package where dpkg-dev is missing, and says so.
find_program(CPACK_PRIME_SIEVE_DPKG_ARCHITECTURE dpkg-architecture)
if(CPACK_GENERATOR MATCHES "DEB" AND NOT CPACK_PRIME_SIEVE_DPKG_ARCHITECTURE)
  list(REMOVE_ITEM CPACK_GENERATOR DEB)
  message(STATUS "No Debian package: that needs dpkg-dev")
endif()
