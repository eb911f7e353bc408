# Run by cpack once the Debian package's files are staged: writes beside them the copyright file
# and the changelog Debian asks for, made from LICENSE and CHANGELOG.md and signed by the package's
# maintainer, and lintian's overrides, and reads the Depends of a package for another architecture.
set(staged ${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX})
set(doc ${staged}/share/doc/${CPACK_DEBIAN_PACKAGE_NAME})

# The licence's copyright line becomes the Copyright field and the text after it the licence
# body, each line indented by one blank and an empty line written as a dot.
file(READ ${CPACK_PRIME_SIEVE_SOURCE}/LICENSE licence)
if(NOT licence MATCHES "Copyright (\\([cC]\\) |© )?([^\n]+)\n\n(.*[^\n])")
  message(FATAL_ERROR "LICENSE has no line \"Copyright YEAR HOLDER\" with the licence after it, "
                      "from which the Debian package's copyright file is made")
endif()
set(holder "${CMAKE_MATCH_2}")
string(REPLACE "\n" "\n " licence "${CMAKE_MATCH_3}")
string(REPLACE "\n \n" "\n .\n" licence "${licence}")
configure_file(${CMAKE_CURRENT_LIST_DIR}/copyright.in ${doc}/copyright @ONLY)

include(${CMAKE_CURRENT_LIST_DIR}/changelog.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/compress.cmake)
read_changelog(${CPACK_PRIME_SIEVE_SOURCE}/CHANGELOG.md ${CPACK_PACKAGE_VERSION}
               ${CPACK_DEBIAN_PACKAGE_NAME} "${CPACK_DEBIAN_PACKAGE_MAINTAINER}")
file(WRITE ${doc}/changelog "${debian_changelog}")
compress(${doc}/changelog)
configure_file(${CMAKE_CURRENT_LIST_DIR}/lintian-overrides
               ${staged}/share/lintian/overrides/${CPACK_DEBIAN_PACKAGE_NAME} COPYONLY)

if(CPACK_DEBIAN_PACKAGE_SHLIBDEPS)
  return()
endif()
# For another architecture (debian_package.cmake), dpkg-shlibdeps is pointed at its C library. It
# runs in a folder of Debian's source layout, for which an empty debian/control serves, and warns
# of a program not below a folder that holds a DEBIAN folder: one folder so named serves both.
file(WRITE ${CPACK_TOPLEVEL_DIRECTORY}/DEBIAN/debian/control "")
execute_process(COMMAND dpkg-shlibdeps -O -l${CPACK_PRIME_SIEVE_LIBC_DIR} ${staged}/bin/prime_sieve
                WORKING_DIRECTORY ${CPACK_TOPLEVEL_DIRECTORY}/DEBIAN OUTPUT_VARIABLE depends
                COMMAND_ERROR_IS_FATAL ANY)
string(REGEX REPLACE "^shlibs:Depends=|:${CPACK_DEBIAN_PACKAGE_ARCHITECTURE}|\n" ""
       CPACK_DEBIAN_PACKAGE_DEPENDS "${depends}")
