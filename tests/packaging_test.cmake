# The scripts that make the manual page and the packages, against known answers: the Debian
# changelog made of release notes that hold what Markdown and UTF-8 allow, byte for byte; the files
# the source package takes from a folder that is no git checkout; and what each script refuses,
# and why. Run as cmake -DPACKAGING=packaging -P packaging_test.cmake.

# A refusal ends the script that refuses, so each case is this script run again, which runs the
# script named and says what it left.
if(SCRIPT STREQUAL "changelog.cmake")
  include(${PACKAGING}/${SCRIPT})
  read_changelog(${CHANGELOG} 2.0.0 prime-sieve "M <m@example.org>")
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
# Fails the test unless SCRIPT, run with the definitions that follow, says exactly SAID or stops
# saying it.
function(expect said script)
  execute_process(COMMAND ${CMAKE_COMMAND} -DPACKAGING=${PACKAGING} -DSCRIPT=${script} ${ARGN}
                  -P ${CMAKE_CURRENT_LIST_FILE} OUTPUT_VARIABLE read ERROR_VARIABLE error)
  string(REGEX REPLACE "[ \n]+" " " error "${error}")
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

## [1.0.0] - 2026-12-07

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
read("## [2.0.0] - 2026-12-07\n\n- A.\n${first}"
     [[: "## [1.0.0] - 2026-12-07" is not dated before the release above it]])
read("${next}- A.\n\n## [1.0.0] - 2026-12-07\n"
     [[: "## [1.0.0] - 2026-12-07" has no "- " item under it]])
read("${next}- A.\n- \n${first}" [[: "- " is an item with no text]])
read("${next}- A.\n\nProse.\n${first}" [[: "Prose." belongs to no "- " item]])
read("${next}- A.\n\n## [2.1.0] - 2026-12-07\n\n- B.\n"
     [[: "## [2.1.0] - 2026-12-07": 2.1.0 is not below 2.0.0, the version of the release above]])
read("${next}- A.\n${long}\n" [[" is longer than a line of Debian's changelog, 80 characters]])
read("## [Unreleased]\n${first}" "CHANGELOG.md has no heading for version 2.0.0")

# Where dpkg-dev is missing, plain cpack makes no Debian package, and says so.
expect("-- No Debian package: that needs dpkg-dev\n" generators.cmake -DCPACK_GENERATOR=DEB
       -DCMAKE_FIND_USE_SYSTEM_ENVIRONMENT_PATH=OFF)
expect("cpack can't package in ${scratch}, whose path holds one of [ ] * ?" per_generator.cmake
       "-DCPACK_PACKAGE_DIRECTORY=${scratch}")
file(WRITE ${scratch}/LICENSE "MIT License\n\nCopyleft 2026 the prime_sieve developers\n\nText.\n")
expect("LICENSE has no line \"Copyright YEAR HOLDER\"" debian_files.cmake
       "-DCPACK_PRIME_SIEVE_SOURCE=${scratch}")
file(WRITE ${scratch}/dialogue/prime_sieve.1 ".TH PRIME_SIEVE 1 \"May 2026\" \"prime_sieve\"\n")
expect([[dialogue/prime_sieve.1 does not start with .TH PRIME_SIEVE 1 "" "prime_sieve"]]
       manual_page.cmake -DVERSION=1.0.0 "-DSOURCE=${scratch}" "-DOUTPUT=${scratch}/page")

# Every file of a folder that is no git checkout but those of its build folders, and nothing of a
# folder whose path its own path matches as a pattern.
foreach(file source/.hidden source/sub/kept source/out/CMakeCache.txt source/out/made)
  file(WRITE ${scratch}/${file} "")
endforeach()
file(WRITE "${CMAKE_CURRENT_BINARY_DIR}/packaging_test/a 1 b/source/stray" "")
set(staged ${CMAKE_CURRENT_BINARY_DIR}/packaging_test/staged)
expect("" source_files.cmake "-DCPACK_PRIME_SIEVE_SOURCE=${scratch}/source"
       -DCMAKE_INSTALL_PREFIX=${staged})
file(GLOB_RECURSE files RELATIVE ${staged} ${staged}/*)
if(NOT files STREQUAL ".hidden;sub/kept")
  message(SEND_ERROR "The source package of a folder that is no git checkout holds: ${files}")
endif()
