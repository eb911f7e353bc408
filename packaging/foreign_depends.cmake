# Run by cpack once the Debian package's files are in place, for a program built for another
# architecture than this machine's: dpkg-shlibdeps looks a program's libraries up among this
# machine's own packages, which hold none for another architecture, so the Depends is read here.
# Only the C library can be named this way (with its maths library and loader): its package and
# symbol versions are the same on every architecture, GLIBC_2.36 needing libc6 2.36 or later.
file(GLOB_RECURSE program "${CPACK_TEMPORARY_DIRECTORY}/*")
list(FILTER program INCLUDE REGEX "/bin/prime_sieve$")
if(NOT CPACK_PRIME_SIEVE_READELF)
  message(FATAL_ERROR "readelf is needed to read the libraries that the program for "
                      "${CPACK_DEBIAN_PACKAGE_ARCHITECTURE} needs: install binutils")
endif()
execute_process(COMMAND ${CPACK_PRIME_SIEVE_READELF} -W --dynamic --dyn-syms ${program}
                OUTPUT_VARIABLE dynamic COMMAND_ERROR_IS_FATAL ANY)
# A list item with an opening bracket would swallow the items after it, so none is kept.
string(REPLACE "[" " " dynamic "${dynamic}")
string(REGEX MATCHALL "\\(NEEDED\\)[^]\n]*" needed "${dynamic}")
foreach(library IN LISTS needed)
  string(REGEX REPLACE ".* " "" library "${library}")
  if(NOT library MATCHES "^(libc\\.so\\.6|libm\\.so\\.6|ld[-.a-z0-9_]*\\.so\\.[0-9]+)$")
    message(FATAL_ERROR "The program for ${CPACK_DEBIAN_PACKAGE_ARCHITECTURE} needs ${library}, "
                        "whose package only dpkg-shlibdeps on a machine of that architecture can "
                        "name: make the Debian package there")
  endif()
endforeach()
string(REGEX MATCHALL "GLIBC_[0-9.]+[0-9]" versions "${dynamic}")
list(SORT versions COMPARE NATURAL)
list(GET versions -1 newest)
string(REPLACE "GLIBC_" "libc6 (>= " CPACK_DEBIAN_PACKAGE_DEPENDS "${newest})")
