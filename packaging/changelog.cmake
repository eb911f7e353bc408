# Reading CHANGELOG.md, shared by the manual page the build makes and the Debian package cpack
# makes, so that both refuse the same release notes.

# Reads CHANGELOG, newest release first: a heading "## [VERSION] - YYYY-MM-DD" a release, followed
# by its "- " items, whose lines go on indented by two blanks. Stops naming CHANGELOG.md and the
# line at fault unless every heading has that form and a real date later than the one below it,
# every release has an item, every line fits Debian's changelog, and the newest release is
# VERSION. Sets release_month ("December 2026") of the newest release, and debian_changelog to the
# whole file in Debian's form for PACKAGE, each release signed by MAINTAINER. GNU date reads the
# dates and writes them as the page and Debian's changelog have them.
function(read_changelog changelog version package maintainer)
  file(STRINGS ${changelog} lines)
  set(text "")
  set(heading "")
  set(trailer "")
  set(empty "urgency=medium\n\n$")
  # An item's lines take two characters more in Debian's changelog, whose lines are 80 at most.
  string(REPEAT "." 77 too_long)
  foreach(line IN LISTS lines)
    if(line MATCHES "^## " AND text MATCHES "${empty}")
      message(FATAL_ERROR "CHANGELOG.md: \"${heading}\" has no \"- \" item under it")
    elseif(line MATCHES "^## ")
      if(NOT line MATCHES "^## \\[([^]]+)\\] - ([0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9])$")
        message(FATAL_ERROR "CHANGELOG.md: \"${line}\" is not a heading ## [VERSION] - YYYY-MM-DD")
      endif()
      execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C date -u -d ${CMAKE_MATCH_2}
                      "+%B %Y;%a, %d %b %Y %T %z" OUTPUT_VARIABLE date RESULT_VARIABLE failed
                      OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
      if(failed)
        message(FATAL_ERROR "CHANGELOG.md: \"${line}\": ${CMAKE_MATCH_2} is not a date")
      elseif(NOT heading)
        set(newest ${CMAKE_MATCH_1})
        list(GET date 0 month)
      elseif(NOT CMAKE_MATCH_2 STRLESS above)
        message(FATAL_ERROR "CHANGELOG.md: \"${heading}\" is not dated after \"${line}\" below it")
      endif()
      list(GET date 1 signed)
      string(APPEND text "${trailer}${package} (${CMAKE_MATCH_1}) unstable; urgency=medium\n\n")
      set(trailer "\n -- ${maintainer}  ${signed}\n\n")
      set(heading "${line}")
      set(above ${CMAKE_MATCH_2})
    elseif(heading AND line MATCHES "^(- |  )${too_long}")
      message(FATAL_ERROR "CHANGELOG.md: \"${line}\" is longer than Debian's changelog takes")
    elseif(heading AND line MATCHES "^- (.*)")
      string(APPEND text "  * ${CMAKE_MATCH_1}\n")
    elseif(heading AND line MATCHES "^  (.*)")
      string(APPEND text "    ${CMAKE_MATCH_1}\n")
    endif()
  endforeach()
  if(text MATCHES "${empty}")
    message(FATAL_ERROR "CHANGELOG.md: \"${heading}\" has no \"- \" item under it")
  elseif(NOT newest STREQUAL version)
    message(FATAL_ERROR "CHANGELOG.md has no heading for version ${version}, the one project() "
                        "names: add \"## [${version}] - YYYY-MM-DD\" above that of ${newest}")
  endif()
  string(REGEX REPLACE "\n$" "" trailer "${trailer}")
  set(release_month ${month} PARENT_SCOPE)
  set(debian_changelog "${text}${trailer}" PARENT_SCOPE)
endfunction()
