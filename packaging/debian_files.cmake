# Makes what Debian asks of a native package beside the program, in the current folder:
#   copyright     the licence in Debian's machine-readable form, from SOURCE/LICENSE;
#   changelog.gz  SOURCE/CHANGELOG.md in Debian's changelog form, compressed with GZIP;
#   depends.cmake the package's Depends: the newest C library version whose symbols PROGRAM uses,
#                 as OBJDUMP reads them.
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
file(WRITE copyright
  "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"
  "Upstream-Name: ${UPSTREAM}\n\n"
  "Files: *\nCopyright: ${holder}\nLicense: Expat\n ${body}\n")

# Each release heading "## [VERSION] - YYYY-MM-DD" opens an entry, its "- " items become "  * "
# and their continued lines are indented to match; the entry closes with the maintainer and date.
file(STRINGS ${SOURCE}/CHANGELOG.md lines)
set(changelog "")
set(trailer "")
set(weekdays Sun Mon Tue Wed Thu Fri Sat)
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
foreach(line IN LISTS lines)
  if(line MATCHES "^## \\[([^]]+)\\] - ([0-9]+)-([0-9]+)-([0-9]+)$")
    string(APPEND changelog "${trailer}${PACKAGE} (${CMAKE_MATCH_1}) unstable; urgency=medium\n\n")
    set(year ${CMAKE_MATCH_2})
    math(EXPR month "${CMAKE_MATCH_3}")
    set(day ${CMAKE_MATCH_4})
    math(EXPR index "${month} - 1")
    list(GET months ${index} month_name)
    # Sakamoto's rule for the day of the week, which counts January and February with the year
    # before.
    set(offsets 0 3 2 5 0 3 5 1 4 6 2 4)
    list(GET offsets ${index} offset)
    set(y ${year})
    if(month LESS 3)
      math(EXPR y "${y} - 1")
    endif()
    math(EXPR weekday "(${y} + ${y} / 4 - ${y} / 100 + ${y} / 400 + ${offset} + ${day}) % 7")
    list(GET weekdays ${weekday} weekday_name)
    set(date "${weekday_name}, ${day} ${month_name} ${year} 00:00:00 +0000")
    set(trailer "\n -- ${MAINTAINER}  ${date}\n\n")
  elseif(trailer AND line MATCHES "^- (.*)")
    string(APPEND changelog "  * ${CMAKE_MATCH_1}\n")
  elseif(trailer AND line MATCHES "^  (.*)")
    string(APPEND changelog "    ${CMAKE_MATCH_1}\n")
  endif()
endforeach()
if(NOT trailer)
  message(FATAL_ERROR "CHANGELOG.md has no release heading")
endif()
string(REGEX REPLACE "\n\n$" "\n" trailer "${trailer}")
file(WRITE changelog "${changelog}${trailer}")
set(INPUT changelog)
set(OUTPUT changelog.gz)
include(${CMAKE_CURRENT_LIST_DIR}/gzip.cmake)

# The C library's package takes its version from the newest symbol version, GLIBC_2.36 needing
# libc6 2.36 or later.
execute_process(COMMAND ${OBJDUMP} -T ${PROGRAM} OUTPUT_VARIABLE symbols
                COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCHALL "GLIBC_[0-9.]+[0-9]" versions "${symbols}")
set(depends "")
if(versions)
  list(SORT versions COMPARE NATURAL)
  list(GET versions -1 newest)
  string(REPLACE "GLIBC_" "libc6 (>= " depends "${newest})")
endif()
file(WRITE depends.cmake "set(CPACK_DEBIAN_PACKAGE_DEPENDS \"${depends}\")\n")
