# Reading CHANGELOG.md, shared by the manual page the build makes and the Debian package cpack
# makes, so that both refuse the same release notes.

# Reads CHANGELOG, Markdown laid out as Keep a Changelog has it, newest release first. Text above
# the first release, an "## [Unreleased]" section on top and link reference definitions are left
# out. A release is a heading "## [VERSION] - YYYY-MM-DD", with "- " items, optionally grouped under
# "### KIND" headings. An item goes on over its next lines and over paragraphs indented after a
# blank line; any other text under a release belongs to no item and is refused. Stops naming
# CHANGELOG.md and the line at fault unless every heading has that form, a real date and a version
# below those of the release above it, every release has an item and every item text, every line
# fits Debian's changelog, and the newest release is VERSION. Sets month ("December 2026") of the
# newest release, and debian_changelog to the releases in Debian's form for PACKAGE, each signed by
# MAINTAINER, with every byte of the items as written. GNU date reads the dates and writes them as
# the page and Debian's changelog have them.
function(read_changelog changelog version package maintainer)
  # Taken a line at a time by a regular expression, never as a CMake list, which would split lines
  # at ";" and join them at "[".
  file(READ ${changelog} rest)
  string(APPEND rest "\n")
  # A character's UTF-8 bytes after its first are left out when a line's characters are counted.
  string(ASCII 128 45 191 continuation_bytes)
  string(REPEAT "[^\n]" 81 too_long)

  # The state, from line to line: section is intro, unreleased or release, where the line stands.
  # Of the release being read, heading names it as written, release_version and release_date are
  # its own, items counts its items so far, kind is the ### heading in Debian's form that its next
  # item is the first under, place is what the line follows (an item, a gap: a blank line after
  # an item, or a heading), and release_text holds its lines in Debian's form. releases holds the
  # releases done, in Debian's form.
  set(section intro)
  set(release_version "")
  set(releases "")
  set(newest "")
  while(rest MATCHES "^([^\n]*)\n(.*)")
    set(line "${CMAKE_MATCH_1}")
    set(rest "${CMAKE_MATCH_2}")
    set(at "CHANGELOG.md: \"${line}\"")
    if(section STREQUAL "intro" AND line STREQUAL "## [Unreleased]")
      set(section unreleased)
      continue()
    elseif(line MATCHES "^## ")
      _changelog_end_section()
      if(NOT line MATCHES "^## \\[([^]]+)\\] - ([0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9])$")
        message(FATAL_ERROR "${at} is not a heading ## [VERSION] - YYYY-MM-DD")
      endif()
      set(above_version "${release_version}")
      set(above_date "${release_date}")
      set(release_version "${CMAKE_MATCH_1}")
      set(release_date "${CMAKE_MATCH_2}")
      execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C date -u -d ${release_date}
                      "+%B %Y;%a, %d %b %Y %T %z" OUTPUT_VARIABLE dates
                      OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE failed)
      if(failed)
        message(FATAL_ERROR "${at}: ${release_date} is not a date")
      elseif(above_version STREQUAL "")
        set(newest "${release_version}")
        list(GET dates 0 month)
      elseif(NOT release_version VERSION_LESS above_version)
        message(FATAL_ERROR "${at}: ${release_version} is not below ${above_version}, the version "
                            "of the release above it")
      elseif(NOT release_date STRLESS above_date)
        message(FATAL_ERROR "${at} is not dated before the release above it")
      endif()
      list(GET dates 1 signed)
      set(section release)
      set(heading "${at}")
      set(items 0)
      set(kind "")
      set(place heading)
      set(release_text "")
      continue()
    elseif(line MATCHES "^[ \t]*$" AND place STREQUAL "item")
      set(place gap)
      continue()
    elseif(NOT section STREQUAL "release" OR line MATCHES "^[ \t]*$|^ ? ? ?\\[[^]]+\\]:")
      # Text above the releases, the unreleased one, blank lines and link reference definitions.
      continue()
    elseif(line MATCHES "^### +(.*[^ ])")
      # Debian's form of the heading, apart from the items above it by an empty line.
      set(kind "  ${CMAKE_MATCH_1}:\n")
      if(items GREATER 0)
        set(kind "\n${kind}")
      endif()
      set(place heading)
      continue()
    elseif(line MATCHES "^[-*+][ \t]*$")
      message(FATAL_ERROR "${at} is an item with no text")
    elseif(line MATCHES "^[-*+] (.*)")
      set(entry "${kind}  * ${CMAKE_MATCH_1}")
      set(kind "")
      set(place item)
      math(EXPR items "${items} + 1")
    elseif(place STREQUAL "item" AND line MATCHES "^ ? ?(.*)")
      # The item's next line, however it is indented, as Markdown takes it.
      set(entry "    ${CMAKE_MATCH_1}")
    elseif(place STREQUAL "gap" AND line MATCHES "^  (.*)")
      # A paragraph of the item above, indented as its text is.
      set(entry "\n    ${CMAKE_MATCH_1}")
      set(place item)
    else()
      message(FATAL_ERROR "${at} belongs to no \"- \" item: indent it by two blanks to make it one "
                          "item's, or make it an item")
    endif()
    string(REGEX REPLACE "[${continuation_bytes}]" "" characters "${entry}")
    if(characters MATCHES "${too_long}")
      message(FATAL_ERROR "${at} is longer than a line of Debian's changelog, 80 characters")
    endif()
    string(APPEND release_text "${entry}\n")
  endwhile()
  _changelog_end_section()
  if(NOT newest STREQUAL version)
    message(FATAL_ERROR "CHANGELOG.md has no heading for version ${version}, the one project() "
                        "names: add \"## [${version}] - YYYY-MM-DD\" above that of ${newest}")
  endif()
  set(month "${month}" PARENT_SCOPE)
  # One empty line between releases, none after the last.
  string(REGEX REPLACE "\n$" "" releases "${releases}")
  set(debian_changelog "${releases}" PARENT_SCOPE)
endfunction()

# Ends the section read_changelog is reading; a release is added to those done, in Debian's form.
macro(_changelog_end_section)
  if(section STREQUAL "release" AND items EQUAL 0)
    message(FATAL_ERROR "${heading} has no \"- \" item under it")
  elseif(section STREQUAL "release")
    string(APPEND releases "${package} (${release_version}) unstable; urgency=medium\n\n"
                           "${release_text}\n -- ${maintainer}  ${signed}\n\n")
  endif()
endmacro()
