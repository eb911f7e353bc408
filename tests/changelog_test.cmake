# The reader of CHANGELOG.md against known answers: the Debian changelog it makes of release notes
# that hold what Markdown and UTF-8 allow, byte for byte, and the notes it refuses, and why.
# Run as cmake -DREADER=packaging/changelog.cmake -P changelog_test.cmake.

# A refusal ends the script that reads, so each changelog is read by this script run again.
if(DEFINED CHANGELOG)
  include(${READER})
  read_changelog(${CHANGELOG} 2.0.0 prime-sieve "M <m@example.org>")
  execute_process(COMMAND ${CMAKE_COMMAND} -E echo_append "${month}\n${debian_changelog}")
  return()
endif()

set(changelog ${CMAKE_CURRENT_BINARY_DIR}/changelog_test/CHANGELOG.md)
# Fails the test unless the reader makes exactly SAID of NOTES, or refuses them with SAID.
function(expect notes said)
  file(WRITE ${changelog} "${notes}")
  execute_process(COMMAND ${CMAKE_COMMAND} -DREADER=${READER} -DCHANGELOG=${changelog}
                  -P ${CMAKE_CURRENT_LIST_FILE} OUTPUT_VARIABLE read ERROR_VARIABLE error)
  string(REGEX REPLACE "[ \n]+" " " error "${error}")
  string(FIND "${error}" "${said}" refused)
  if(NOT "${read}" STREQUAL "${said}" AND refused EQUAL -1)
    message(SEND_ERROR "Of these notes:\n${notes}\nexpected:\n${said}\nbut got:\n${read}${error}")
  endif()
endfunction()

set(first "\n## [1.0.0] - 2026-12-07\n\n- First.\n")
expect([==[# Changelog

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
expect("## 2.0.0 - 2026-12-08\n${first}" [[: "## 2.0.0 - 2026-12-08" is not a heading]])
expect("## [2.0.0] - 2027-02-29\n${first}" [[- 2027-02-29": 2027-02-29 is not a date]])
expect("## [2.0.0] - 2026-12-07\n\n- A.\n${first}"
       [[: "## [1.0.0] - 2026-12-07" is not dated before the release above it]])
expect("${next}- A.\n\n## [1.0.0] - 2026-12-07\n"
       [[: "## [1.0.0] - 2026-12-07" has no "- " item under it]])
expect("${next}- A.\n- \n${first}" [[: "- " is an item with no text]])
expect("${next}- A.\n\nProse.\n${first}" [[: "Prose." belongs to no "- " item]])
expect("${next}- A.\n\n## [2.1.0] - 2026-12-07\n\n- B.\n"
       [[: "## [2.1.0] - 2026-12-07": 2.1.0 is not below 2.0.0, the version of the release above]])
expect("${next}- A.\n${long}\n" [[" is longer than a line of Debian's changelog, 80 characters]])
expect("## [Unreleased]\n${first}" "CHANGELOG.md has no heading for version 2.0.0")
