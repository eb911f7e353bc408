# Reading CHANGELOG.md, shared by the manual page the build makes and the Debian package cpack
# makes, so that both refuse the same release notes.

# Reads CHANGELOG, newest release first: a heading "## [VERSION] - YYYY-MM-DD" a release, followed
# by its "- " items, whose next lines go on indented or not; an "## [Unreleased]" section on top
# is left out. Stops naming CHANGELOG.md and the line at fault unless every heading has that form
# and a real date later than the one below it, every release has an item and every item text,
# every line fits Debian's changelog, and the newest release is VERSION. Sets month
# ("December 2026") of the newest release, and debian_changelog to the releases in Debian's form
# for PACKAGE, each signed by MAINTAINER, with every byte of the items as written. GNU date reads
# the dates and writes them as the page and Debian's changelog have them.
function(read_changelog changelog version package maintainer)
  # Taken a line at a time by a regular expression, never as a CMake list, which would split lines
  # at ";" and join them at "[". An end mark closes the last release as a heading would.
  file(READ ${changelog} rest)
  string(APPEND rest "\n## \n")
  # A character's UTF-8 bytes after its first are left out when a line's characters are counted.
  string(ASCII 128 45 191 continuation_bytes)
  string(REPEAT "." 81 too_long)
  set(release "")
  set(text "")
  set(trailer "")
  while(rest MATCHES "^([^\n]*)\n(.*)")
    set(line "${CMAKE_MATCH_1}")
    set(rest "${CMAKE_MATCH_2}")
    set(at "CHANGELOG.md: \"${line}\"")
    # A release whose text still ends with its heading has no item yet.
    if(line MATCHES "^## " AND text MATCHES "medium\n\n$")
      message(FATAL_ERROR "${release} has no \"- \" item under it")
    elseif(rest STREQUAL "")
      break()
    elseif(line MATCHES "^## " AND (release OR NOT line STREQUAL "## [Unreleased]"))
      if(NOT line MATCHES "^## \\[([^]]+)\\] - ([0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9])$")
        message(FATAL_ERROR "${at} is not a heading ## [VERSION] - YYYY-MM-DD")
      endif()
      execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C date -u -d ${CMAKE_MATCH_2}
                      "+%B %Y;%a, %d %b %Y %T %z" OUTPUT_VARIABLE date RESULT_VARIABLE failed)
      if(failed)
        message(FATAL_ERROR "${at}: ${CMAKE_MATCH_2} is not a date")
      elseif(NOT release)
        set(newest ${CMAKE_MATCH_1})
        list(GET date 0 month)
      elseif(NOT CMAKE_MATCH_2 STRLESS above)
        message(FATAL_ERROR "${at} is not dated before the release above it")
      endif()
      # The date to sign with ends with date's newline.
      list(GET date 1 signed)
      string(APPEND text "${trailer}${package} (${CMAKE_MATCH_1}) unstable; urgency=medium\n\n")
      set(trailer "\n -- ${maintainer}  ${signed}\n")
      set(release "${at}")
      set(above ${CMAKE_MATCH_2})
      continue()
    elseif(NOT release OR line MATCHES "^[ \t]*$")
      continue()
    elseif(line MATCHES "^-[ \t]*$" OR (text MATCHES "medium\n\n$" AND NOT line MATCHES "^- "))
      message(FATAL_ERROR "${at} is neither a \"- \" item with text nor a line of one")
    elseif(line MATCHES "^- (.*)")
      set(entry "  * ${CMAKE_MATCH_1}")
    elseif(line MATCHES "^ ? ?(.*)")
      # An item's next line, however it is indented: Markdown takes it as the item's.
      set(entry "    ${CMAKE_MATCH_1}")
    endif()
    string(REGEX REPLACE "[${continuation_bytes}]" "" characters "${entry}")
    if(characters MATCHES "${too_long}")
      message(FATAL_ERROR "${at} is longer than a line of Debian's changelog, 80 characters")
    endif()
    string(APPEND text "${entry}\n")
  endwhile()
  if(NOT newest STREQUAL version)
    message(FATAL_ERROR "CHANGELOG.md has no heading for version ${version}, the one project() "
                        "names: add \"## [${version}] - YYYY-MM-DD\" above that of ${newest}")
  endif()
  string(REGEX REPLACE "\n$" "" trailer "${trailer}")
  set(month ${month} PARENT_SCOPE)
  set(debian_changelog "${text}${trailer}" PARENT_SCOPE)
endfunction()
