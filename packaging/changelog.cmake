# Reads the release headings of CHANGELOG, the path of CHANGELOG.md: "## [VERSION] - YYYY-MM-DD",
# newest first. Stops with a message naming CHANGELOG.md when a heading is not of that form or its
# date is not a real day, or when the newest heading is not for VERSION, the project's version.
# Leaves the year and month (1 to 12) of the newest release in release_year and release_month.

set(month_names January February March April May June July August September October November
    December)

# Sets <prefix>_year, <prefix>_month and <prefix>_day from the heading's date, which must be a day
# that the calendar has.
function(read_release_date date prefix)
  set(last 0)
  string(REGEX MATCH "^([0-9][0-9][0-9][0-9])-([0-9][0-9])-([0-9][0-9])$" found "${date}")
  if(found)
    set(year ${CMAKE_MATCH_1})
    math(EXPR month "1${CMAKE_MATCH_2} - 100")
    math(EXPR day "1${CMAKE_MATCH_3} - 100")
    math(EXPR by_4 "${year} % 4")
    math(EXPR by_100 "${year} % 100")
    math(EXPR by_400 "${year} % 400")
    set(february 28)
    if(by_4 EQUAL 0 AND (NOT by_100 EQUAL 0 OR by_400 EQUAL 0))
      set(february 29)
    endif()
    set(days 31 ${february} 31 30 31 30 31 31 30 31 30 31)
    if(month GREATER_EQUAL 1 AND month LESS_EQUAL 12)
      math(EXPR index "${month} - 1")
      list(GET days ${index} last)
    endif()
  endif()
  if(NOT found OR NOT last OR day LESS 1 OR day GREATER last)
    message(FATAL_ERROR "CHANGELOG.md: ${date} is not a date: a release heading is dated "
                        "YYYY-MM-DD")
  endif()
  set(${prefix}_year ${year} PARENT_SCOPE)
  set(${prefix}_month ${month} PARENT_SCOPE)
  set(${prefix}_day ${day} PARENT_SCOPE)
endfunction()

file(STRINGS "${CHANGELOG}" headings REGEX "^## ")
unset(newest)
foreach(heading IN LISTS headings)
  if(NOT heading MATCHES "^## \\[([^]]+)\\] - ([^ ]+)$")
    message(FATAL_ERROR "CHANGELOG.md: \"${heading}\" is not a release heading: "
                        "## [VERSION] - YYYY-MM-DD")
  endif()
  set(version ${CMAKE_MATCH_1})
  read_release_date(${CMAKE_MATCH_2} heading)
  if(NOT DEFINED newest)
    set(newest ${version})
    set(release_year ${heading_year})
    set(release_month ${heading_month})
  endif()
endforeach()
if(NOT newest STREQUAL VERSION)
  message(FATAL_ERROR "CHANGELOG.md has no heading for version ${VERSION}, the project's: its "
                      "newest release is \"${newest}\". Add \"## [${VERSION}] - YYYY-MM-DD\" "
                      "above it.")
endif()
