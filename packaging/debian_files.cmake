# Run by cpack once the Debian package's files are staged: writes beside them the copyright file
# and the changelog Debian asks for, made from LICENSE and CHANGELOG.md and signed by the package's
# maintainer, and lintian's overrides, and names the package's architecture and Depends.
set(staged ${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX})
set(doc ${staged}/share/doc/${CPACK_DEBIAN_PACKAGE_NAME})

# The licence's copyright line becomes the Copyright field and the text after it the licence
# body, each line indented by one blank and an empty line written as a dot.
file(READ ${CPACK_PRIME_SIEVE_SOURCE}/LICENSE licence)
string(REGEX MATCH "Copyright \\(c\\) ([^\n]*)\n\n(.*)" licence "${licence}")
set(holder "${CMAKE_MATCH_1}")
string(STRIP "${CMAKE_MATCH_2}" licence)
string(REPLACE "\n\n" "\n.\n" licence "${licence}")
string(REPLACE "\n" "\n " licence "${licence}")
configure_file(${CMAKE_CURRENT_LIST_DIR}/copyright.in ${doc}/copyright @ONLY)

include(${CMAKE_CURRENT_LIST_DIR}/changelog.cmake)
read_changelog(${CPACK_PRIME_SIEVE_SOURCE}/CHANGELOG.md ${CPACK_PACKAGE_VERSION}
               ${CPACK_DEBIAN_PACKAGE_NAME} "${CPACK_DEBIAN_PACKAGE_MAINTAINER}")
file(WRITE ${doc}/changelog "${debian_changelog}")
# Without the name and the time in its header, the same text always compresses to the same bytes.
execute_process(COMMAND gzip -9 -n -f ${doc}/changelog COMMAND_ERROR_IS_FATAL ANY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/lintian-overrides
               ${staged}/share/lintian/overrides/${CPACK_DEBIAN_PACKAGE_NAME} COPYONLY)

# dpkg-architecture names the architecture from the compiler's target, and dpkg-shlibdeps reads
# the Depends. cpack's own call of dpkg-shlibdeps can't be pointed at another architecture's C
# library, which Debian's cross compilers keep under /usr/TRIPLE, and would name it as the cross
# packages do (libc6:arm64), so it is called here, alike for every architecture.
execute_process(COMMAND dpkg-architecture -t ${CPACK_PRIME_SIEVE_TARGET} -qDEB_HOST_ARCH
                OUTPUT_VARIABLE architecture OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
execute_process(COMMAND dpkg-architecture -a ${architecture} -qDEB_HOST_GNU_TYPE
                OUTPUT_VARIABLE triple OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
# dpkg-shlibdeps reads the package's name from a control file of Debian's source layout.
set(shlibs ${CPACK_TOPLEVEL_DIRECTORY}/shlibs)
file(WRITE ${shlibs}/debian/control "Source: ${CPACK_DEBIAN_PACKAGE_NAME}\n\n"
     "Package: ${CPACK_DEBIAN_PACKAGE_NAME}\nArchitecture: any\n")
execute_process(COMMAND dpkg-shlibdeps -O -l/usr/${triple}/lib ${staged}/bin/prime_sieve
                WORKING_DIRECTORY ${shlibs} OUTPUT_VARIABLE depends ERROR_VARIABLE error
                RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "dpkg-shlibdeps could not read what the program needs (install dpkg-dev, "
                      "and for another architecture its C library, libc6-${architecture}-cross): "
                      "${failed}\n${error}")
endif()
string(REGEX REPLACE "^shlibs:Depends=|:${architecture}|\n" "" CPACK_DEBIAN_PACKAGE_DEPENDS
       "${depends}")
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE ${architecture})
