# The rule that holds a release together: CHANGELOG.md has a heading "## [VERSION] - YYYY-MM-DD"
# for the version project() names, and the manual page's header names that version and that date.
# The tests run it as cmake -DVERSION=V -DCHANGELOG=FILE -DPAGE=FILE -P release_check.cmake, and
# cpack before it packages.

# Stops, naming CHANGELOG.md or the page's source, unless CHANGELOG and PAGE, the page as
# configured, agree with VERSION. A date is checked as a pattern, month 01 to 12 and day 01 to 31.
function(check_release version changelog page)
  file(READ ${changelog} notes)
  string(REPLACE "." "\\." version_pattern "${version}")
  set(date "[0-9][0-9][0-9][0-9]-(0[1-9]|1[0-2])-(0[1-9]|[12][0-9]|3[01])")
  if(NOT "\n${notes}\n" MATCHES "\n## \\[${version_pattern}\\] - (${date})\n")
    message(FATAL_ERROR "CHANGELOG.md has no heading \"## [${version}] - YYYY-MM-DD\" for version "
                        "${version}, the one project() names, with a month 01 to 12 and a day 01 "
                        "to 31: add it above the releases")
  endif()
  set(release_date ${CMAKE_MATCH_1})
  set(header ".TH PRIME_SIEVE 1 ${release_date} \"prime_sieve ${version}\"")
  file(READ ${page} text)
  string(FIND "\n${text}" "\n${header} " at)
  if(at EQUAL -1)
    message(FATAL_ERROR "dialogue/prime_sieve.1.in's header does not name the release's date as "
                        "CHANGELOG.md has it for version ${version}: make it .TH PRIME_SIEVE 1 "
                        "${release_date} \"prime_sieve @PROJECT_VERSION@\" \"User Commands\"")
  endif()
endfunction()

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
  check_release(${VERSION} ${CHANGELOG} ${PAGE})
endif()
