# Run by cpack once the Debian package's files are staged: writes beside them the files Debian
# asks for, the copyright file made from LICENSE and a changelog of one entry for the release,
# signed by the package's maintainer; CHANGELOG.md as written; and lintian's overrides.
set(staged ${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX})
set(doc ${staged}/share/doc/${CPACK_DEBIAN_PACKAGE_NAME})
include(${CMAKE_CURRENT_LIST_DIR}/compress.cmake)

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

compress(${CPACK_PRIME_SIEVE_SOURCE}/CHANGELOG.md ${doc}/CHANGELOG.md.gz)
# Dated by SOURCE_DATE_EPOCH where it is set, as string(TIMESTAMP) takes it.
string(TIMESTAMP signed "%a, %d %b %Y %H:%M:%S +0000" UTC)
set(changelog ${CPACK_TOPLEVEL_DIRECTORY}/changelog)
file(WRITE ${changelog} "${CPACK_DEBIAN_PACKAGE_NAME} (${CPACK_PACKAGE_VERSION}) unstable; "
  "urgency=medium\n\n  * Release ${CPACK_PACKAGE_VERSION}: CHANGELOG.md.gz says what it brings.\n"
  "\n -- ${CPACK_DEBIAN_PACKAGE_MAINTAINER}  ${signed}\n")
compress(${changelog} ${doc}/changelog.gz)
configure_file(${CMAKE_CURRENT_LIST_DIR}/lintian-overrides
               ${staged}/share/lintian/overrides/${CPACK_DEBIAN_PACKAGE_NAME} COPYONLY)
