# The scripts that make the manual page and the packages, against known answers: the Debian
# changelog made of release notes that hold what Markdown and UTF-8 allow, byte for byte; a page
# made whatever the notes hold; and what each script refuses, and why. Run as
# cmake -DPACKAGING=packaging -P packaging_test.cmake.

# A refusal ends the script that refuses, so each case is this script run again, which runs the
# script named and says what it left.
if(SCRIPT STREQUAL "changelog.cmake")
  include(${PACKAGING}/${SCRIPT})
  read_changelog(${CHANGELOG} 2.0.0 prime-sieve "M <m@example.org>")
  read_release_month(${CHANGELOG} 2.0.0)
  execute_process(COMMAND ${CMAKE_COMMAND} -E echo_append "${month}\n${debian_changelog}")
  return()
elseif(DEFINED SCRIPT)
  include(${PACKAGING}/${SCRIPT})
  execute_process(COMMAND ${CMAKE_COMMAND} -E echo_append "${CPACK_GENERATOR}")
  return()
endif()

# A path that holds a pattern's characters, which a sibling folder's path matches.
set(scratch "${CMAKE_CURRENT_BINARY_DIR}/packaging_test/a [1] *")
file(REMOVE_RECURSE ${CMAKE_CURRENT_BINARY_DIR}/packaging_test)
# Fails the test unless SCRIPT, run with the definitions that follow, says exactly SAID or says it
# among other words.
function(expect said script)
  execute_process(COMMAND ${CMAKE_COMMAND} -DPACKAGING=${PACKAGING} -DSCRIPT=${script} ${ARGN}
                  -P ${CMAKE_CURRENT_LIST_FILE} OUTPUT_VARIABLE read ERROR_VARIABLE error)
  string(REGEX REPLACE "[ \n]+" " " error "${read}${error}")
  string(FIND "${error}" "${said}" refused)
  if(NOT "${read}" STREQUAL "${said}" AND refused EQUAL -1)
    message(SEND_ERROR "${script} ${ARGN}\n${notes}\nexpected:\n${said}\nbut got:\n${read}${error}")
  endif()
endfunction()
# The same for the reader of CHANGELOG.md, given NOTES.
function(read notes said)
  file(WRITE ${scratch}/CHANGELOG.md "${notes}")
  expect("${said}" changelog.cmake "-DCHANGELOG=${scratch}/CHANGELOG.md")
endfunction()

set(first "\n## [1.0.0] - 2026-12-07\n\n- First.\n")
read([==[# Changelog

Text above the releases [ is left alone, as is the layout's source,
[Keep a Changelog](https://keepachangelog.com/en/1.1.0/).

## [Unreleased]

### Added
- Not released yet.

## [2.0.0] - 2028-02-29

### Added

- The end of the input – Ctrl-D – ends the program as “no” would.
- Reads the limit [decimal
  only]; a \ stays, as do ${HOME}, @VERSION@ and "quotes".

  A second paragraph of that item.
- A line that Markdown takes as the item's
next one.

### Fixed
- Counted in characters, as lintian counts them, not in bytes: é – “quoted” üö

## [1.0.0] - 2026-12-07 [YANKED]

- First.

[unreleased]: https://example.org/compare/v2.0.0...HEAD
[2.0.0]: https://example.org/compare/v1.0.0...v2.0.0
]==] [==[February 2028
prime-sieve (2.0.0) unstable; urgency=medium

  Added:
  * The end of the input – Ctrl-D – ends the program as “no” would.
  * Reads the limit [decimal
    only]; a \ stays, as do ${HOME}, @VERSION@ and "quotes".

    A second paragraph of that item.
  * A line that Markdown takes as the item's
    next one.

  Fixed:
  * Counted in characters, as lintian counts them, not in bytes: é – “quoted” üö

 -- M <m@example.org>  Tue, 29 Feb 2028 00:00:00 +0000

prime-sieve (1.0.0) unstable; urgency=medium

  * First.

 -- M <m@example.org>  Mon, 07 Dec 2026 00:00:00 +0000
]==])

set(next "## [2.0.0] - 2026-12-08\n\n")
set(long "  Counted in characters, as lintian counts them, not in bytes: é – “quoted” üö!")
read("## 2.0.0 - 2026-12-08\n${first}" [[: "## 2.0.0 - 2026-12-08" is not a heading]])
read("## [2.0.0] - 2027-02-29\n${first}" [[- 2027-02-29": 2027-02-29 is not a date]])
read("## [2.0.0] - 2026-12-06\n\n- A.\n${first}"
     [[: "## [1.0.0] - 2026-12-07" is dated after the release above it]])
read("${next}- A.\n\n## [1.0.0] - 2026-12-07\n"
     [[: "## [1.0.0] - 2026-12-07" has no "- " item under it]])
read("${next}- A.\n- \n${first}" [[: "- " is an item with no text]])
read("${next}- A.\n\nProse.\n${first}" [[: "Prose." belongs to no "- " item]])
read("${next}- A.\n\n## [2.1.0] - 2026-12-07\n\n- B.\n"
     [[: "## [2.1.0] - 2026-12-07": 2.1.0 is not below 2.0.0, the version of the release above]])
read("${next}- A.\n${long}\n" [[" is longer than a line of Debian's changelog, 80 characters]])
read("## [Unreleased]\n${first}" "CHANGELOG.md has no heading for version 2.0.0")
read("## [3.0.0] - 2026-12-07\n\n- A.\n${first}"
     "CHANGELOG.md's newest release is 3.0.0, above 2.0.0, the version project() names: name 3.0.0")

# Where dpkg-dev or the target's C library is missing (a folder for 32-bit x86 beside the 64-bit
# compiler's holds the machine's own), there is no Debian package.
expect("The Debian package needs dpkg-dev: install it; plain cpack leaves it out"
       debian_package.cmake -DCMAKE_FIND_USE_SYSTEM_ENVIRONMENT_PATH=OFF)
find_program(dpkg_architecture dpkg-architecture)
file(WRITE ${scratch}/lib32/libc.so.6 "")
if(dpkg_architecture)
  expect("dpkg --add-architecture armhf, apt-get update, and apt-get install libc6:armhf"
         debian_package.cmake -Dcompiler_target=arm-linux-gnueabihf
         "-DCMAKE_CXX_IMPLICIT_LINK_DIRECTORIES=${scratch}/lib32")
endif()
expect("cpack can't package in ${scratch}, whose path holds one of [ ] * ?" per_generator.cmake
       "-DCPACK_PACKAGE_DIRECTORY=${scratch}")
expect("${PACKAGING} is no git checkout's top folder" source_files.cmake
       "-DCPACK_PRIME_SIEVE_SOURCE=${PACKAGING}")
file(WRITE ${scratch}/LICENSE "MIT License\n\nCopyleft 2026 the prime_sieve developers\n\nText.\n")
expect("LICENSE has no line \"Copyright YEAR HOLDER\"" debian_files.cmake
       "-DCPACK_PRIME_SIEVE_SOURCE=${scratch}")
file(WRITE ${scratch}/dialogue/prime_sieve.1 ".TH PRIME_SIEVE 1 \"May 2026\" \"prime_sieve\"\n")
expect([[dialogue/prime_sieve.1 does not start with .TH PRIME_SIEVE 1 "" "prime_sieve"]]
       manual_page.cmake -DVERSION=1.0.0 "-DSOURCE=${scratch}" "-DOUTPUT=${scratch}/page")

# The page needs only its release's heading: no note stops its making.
file(WRITE ${scratch}/CHANGELOG.md "## [1.0.0] - 2026-12-07\n\n- ${long}${long}\n\nProse.\n-\n")
file(WRITE ${scratch}/dialogue/prime_sieve.1 ".TH PRIME_SIEVE 1 \"\" \"prime_sieve\"\n")
expect("" manual_page.cmake -DVERSION=1.0.0 "-DSOURCE=${scratch}" "-DOUTPUT=${scratch}/page")
if(NOT EXISTS ${scratch}/page.gz)
  message(SEND_ERROR "No manual page was made beside release notes that the Debian package refuses")
endif()
