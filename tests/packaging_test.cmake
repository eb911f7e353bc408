# The packaging scripts against known answers: the rule that holds a release together, the refusal
# of a folder cpack reads as a pattern, and the choice of packages. Run as
# cmake -DPACKAGING=packaging -P packaging_test.cmake.

# The choice of packages is made in the configure's scope: its cases run this script again, to
# include the script named and say which packages it chose.
if(DEFINED SCRIPT)
  include(${PACKAGING}/${SCRIPT})
  execute_process(COMMAND ${CMAKE_COMMAND} -E echo_append "${CPACK_GENERATOR}")
  return()
endif()

# A path that holds a pattern's characters, which no script may read as a pattern.
set(scratch "${CMAKE_CURRENT_BINARY_DIR}/packaging_test [1] *")
# Fails the test unless cmake, run with the arguments given, ends with STATUS and says SAID among
# what it says, white space compared as one blank.
function(expect status said)
  execute_process(COMMAND ${CMAKE_COMMAND} ${ARGN} RESULT_VARIABLE result
                  OUTPUT_VARIABLE output ERROR_VARIABLE output)
  string(REGEX REPLACE "[ \n]+" " " output "${output}")
  string(FIND "${output}" "${said}" at)
  if(NOT result EQUAL status OR at EQUAL -1)
    message(SEND_ERROR "cmake ${ARGN}\nexpected ${status}: ${said}\nbut got ${result}: ${output}")
  endif()
endfunction()

# The rule, for version 2.0.0: CHANGELOG.md holds HEADING between an unreleased section and an
# older release, and the page's header names DATE and VERSION.
function(release status said heading date version)
  file(WRITE ${scratch}/CHANGELOG.md
       "# Notes\n\n## [Unreleased]\n\n- Soon.\n\n${heading}\n\n- A.\n\n## [1.0.0] - 2026-12-07\n")
  file(WRITE ${scratch}/page ".TH PRIME_SIEVE 1 ${date} \"prime_sieve ${version}\" \"Commands\"\n")
  expect(${status} "${said}" -DVERSION=2.0.0 "-DCHANGELOG=${scratch}/CHANGELOG.md"
         "-DPAGE=${scratch}/page" -P ${PACKAGING}/release_check.cmake)
endfunction()
foreach(date 2028-01-01 2028-09-09 2028-10-19 2028-11-30 2028-12-31)
  release(0 "" "## [2.0.0] - ${date}" ${date} 2.0.0)
endforeach()
set(no_heading [[CHANGELOG.md has no heading "## [2.0.0] - YYYY-MM-DD" for version 2.0.0]])
foreach(heading "## [2a0b0] - 2028-02-29" "## [2.0.0] - 2028-13-01" "## [2.0.0] - 2028-00-10"
                "## [2.0.0] - 2028-02-32" "## [2.0.0] - 2028-02-00" "## [2.0.0] - 28-02-29"
                "## [2.0.0] - 2028-02-29 and more" "x## [2.0.0] - 2028-02-29")
  release(1 "${no_heading}" "${heading}" 2028-02-29 2.0.0)
endforeach()
set(wrong_page "dialogue/prime_sieve.1.in's header does not name the release's date")
release(1 "${wrong_page}" "## [2.0.0] - 2028-02-29" 2028-02-28 2.0.0)
release(1 "${wrong_page}" "## [2.0.0] - 2028-02-29" 2028-02-29 2.0.00)

# cpack refuses a folder it reads as a pattern, and a release the rule refuses (the last above).
foreach(folder "a [1]" "a *" "a ?")
  expect(1 "cpack can't package in ${folder}, whose path holds one of [ ] * ?"
         "-DCPACK_PACKAGE_DIRECTORY=${folder}" -P ${PACKAGING}/per_generator.cmake)
endforeach()
expect(1 "${wrong_page}" -DCPACK_PACKAGE_VERSION=2.0.0 "-DCPACK_PRIME_SIEVE_SOURCE=${scratch}"
       "-DCPACK_PRIME_SIEVE_PAGE=${scratch}/page" -P ${PACKAGING}/per_generator.cmake)

# The Debian package for the machine's own architecture alone, and only with dpkg-dev.
set(choose -DCPACK_GENERATOR=TGZ -DSCRIPT=debian_package.cmake "-DPACKAGING=${PACKAGING}"
    -P ${CMAKE_CURRENT_LIST_FILE})
expect(0 "The Debian package needs dpkg-dev: install it; plain cpack leaves it out TGZ"
       -DCMAKE_FIND_USE_SYSTEM_ENVIRONMENT_PATH=OFF ${choose})
find_program(dpkg_architecture dpkg-architecture)
if(dpkg_architecture)
  execute_process(COMMAND ${dpkg_architecture} -q DEB_BUILD_MULTIARCH
                  OUTPUT_VARIABLE native OUTPUT_STRIP_TRAILING_WHITESPACE)
  expect(0 "DEB;TGZ" -Dcompiler_target=${native} ${choose})
  set(foreign_targets arm-linux-gnueabihf s390x-linux-gnu x)
  list(REMOVE_ITEM foreign_targets ${native})
  foreach(foreign IN LISTS foreign_targets)
    expect(0 "for ${foreign}, not for this machine: its Debian package is a distribution build's"
           -Dcompiler_target=${foreign} ${choose})
  endforeach()
endif()
