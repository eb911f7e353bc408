# Run as the Debian package is made: makes what Debian asks of a native package beside the
# program, in BUILD:
#   copyright     the licence in Debian's machine-readable form, from SOURCE/LICENSE;
#   changelog.gz  SOURCE/CHANGELOG.md in Debian's changelog form, compressed with GZIP.
# UPSTREAM, PACKAGE and MAINTAINER name the program, its package and who answers for the package.

# The licence's copyright line becomes the Copyright field and the text after it the licence body,
# each line indented by one blank and an empty line written as a dot.
file(READ ${SOURCE}/LICENSE licence)
string(REGEX MATCH "Copyright \\(c\\) ([^\n]*)\n\n(.*)" found "${licence}")
if(NOT found)
  message(FATAL_ERROR "LICENSE has no copyright line followed by the licence")
endif()
set(holder "${CMAKE_MATCH_1}")
string(STRIP "${CMAKE_MATCH_2}" body)
string(REPLACE "\n\n" "\n.\n" body "${body}")
string(REPLACE "\n" "\n " body "${body}")
file(WRITE ${BUILD}/copyright
  "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"
  "Upstream-Name: ${UPSTREAM}\n\n"
  "Files: *\nCopyright: ${holder}\nLicense: Expat\n ${body}\n")

# Each release heading "## [VERSION] - YYYY-MM-DD" opens an entry, its "- " items become "  * "
# and their continued lines are indented to match; the entry closes with the maintainer and date.
set(CHANGELOG ${SOURCE}/CHANGELOG.md)
include(${CMAKE_CURRENT_LIST_DIR}/changelog.cmake)
file(STRINGS ${CHANGELOG} lines)
set(changelog "")
set(trailer "")
set(weekdays Sun Mon Tue Wed Thu Fri Sat)
foreach(line IN LISTS lines)
  if(line MATCHES "^## \\[([^]]+)\\] - ([^ ]+)$")
    string(APPEND changelog "${trailer}${PACKAGE} (${CMAKE_MATCH_1}) unstable; urgency=medium\n\n")
    read_release_date(${CMAKE_MATCH_2} entry)
    math(EXPR index "${entry_month} - 1")
    list(GET month_names ${index} month_name)
    string(SUBSTRING ${month_name} 0 3 month_name)
    # Sakamoto's rule for the day of the week, which counts January and February with the year
    # before.
    set(offsets 0 3 2 5 0 3 5 1 4 6 2 4)
    list(GET offsets ${index} offset)
    set(y ${entry_year})
    if(entry_month LESS 3)
      math(EXPR y "${y} - 1")
    endif()
    math(EXPR weekday
         "(${y} + ${y} / 4 - ${y} / 100 + ${y} / 400 + ${offset} + ${entry_day}) % 7")
    list(GET weekdays ${weekday} weekday_name)
    if(entry_day LESS 10)
      set(entry_day 0${entry_day})
    endif()
    set(date "${weekday_name}, ${entry_day} ${month_name} ${entry_year} 00:00:00 +0000")
    set(trailer "\n -- ${MAINTAINER}  ${date}\n\n")
  elseif(trailer AND line MATCHES "^- (.*)")
    string(APPEND changelog "  * ${CMAKE_MATCH_1}\n")
  elseif(trailer AND line MATCHES "^  (.*)")
    string(APPEND changelog "    ${CMAKE_MATCH_1}\n")
  endif()
endforeach()
string(REGEX REPLACE "\n\n$" "\n" trailer "${trailer}")
file(WRITE ${BUILD}/changelog "${changelog}${trailer}")
set(INPUT ${BUILD}/changelog)
set(OUTPUT ${BUILD}/changelog.gz)
include(${CMAKE_CURRENT_LIST_DIR}/gzip.cmake)
