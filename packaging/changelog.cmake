# Reading CHANGELOG.md, Markdown laid out as Keep a Changelog has it, newest release first: the
# month of the release for the manual page the build makes, and every release in Debian's form for
# the Debian package cpack makes. Only the latter reads the items, so that no release note can stop
# the program's build.

# A release's heading: "## [VERSION] - YYYY-MM-DD", with " [YANKED]" after it for a release taken
# back.
set(_changelog_heading "^## \\[([^]]+)\\] - ")
string(APPEND _changelog_heading "([0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9])( \\[YANKED\\])?$")

# Reads the newest release's heading of CHANGELOG, the first "## " one but "## [Unreleased]", and
# sets month ("December 2026") of its date. Stops, naming CHANGELOG.md, unless that heading has the
# form above, a real date and VERSION, the one project() names.
function(read_release_month changelog version)
  file(READ ${changelog} text)
  string(REPLACE "\n## [Unreleased]\n" "\n" text "\n${text}")
  if(NOT text MATCHES "\n(## [^\n]*)")
    _changelog_check_newest(${version} "")
  endif()
  set(heading "${CMAKE_MATCH_1}")
  _changelog_release("CHANGELOG.md: \"${heading}\"" "${heading}")
  _changelog_check_newest(${version} ${release_version})
  set(month "${month}" PARENT_SCOPE)
endfunction()

# Stops, with advice that works, unless NEWEST, the version of the newest release, is VERSION.
function(_changelog_check_newest version newest)
  if(newest VERSION_GREATER version)
    message(FATAL_ERROR "CHANGELOG.md's newest release is ${newest}, above ${version}, the version "
                        "project() names: name ${newest} in project() instead")
  elseif(NOT newest STREQUAL version)
    message(FATAL_ERROR "CHANGELOG.md has no heading for version ${version}, the one project() "
                        "names: add \"## [${version}] - YYYY-MM-DD\" above the releases")
  endif()
endfunction()

# Reads HEADING, a release's, into release_version, release_date (YYYY-MM-DD), month ("February
# 2028") and signed ("Tue, 29 Feb 2028 00:00:00 +0000", as Debian's changelog signs). Stops, naming
# AT, where it is no such heading or its date no real day.
macro(_changelog_release at heading)
  if(NOT "${heading}" MATCHES "${_changelog_heading}")
    message(FATAL_ERROR "${at} is not a heading ## [VERSION] - YYYY-MM-DD")
  endif()
  set(release_version "${CMAKE_MATCH_1}")
  set(release_date "${CMAKE_MATCH_2}")
  string(SUBSTRING "${release_date}" 0 4 year)
  string(SUBSTRING "${release_date}" 5 2 month_number)
  string(SUBSTRING "${release_date}" 8 2 day)
  math(EXPR month_number "${month_number}")
  # A month's days, name and weekday offset by its number; February has a 29th in a leap year.
  set(days_in_month 0 31 28 31 30 31 30 31 31 30 31 30 31)
  set(month_names - January February March April May June July August September October
      November December)
  set(month_offsets 0 0 3 2 5 0 3 5 1 4 6 2 4)
  math(EXPR by_4 "${year} % 4")
  math(EXPR by_100 "${year} % 100")
  math(EXPR by_400 "${year} % 400")
  if(by_4 EQUAL 0 AND (NOT by_100 EQUAL 0 OR by_400 EQUAL 0))
    list(TRANSFORM days_in_month REPLACE 28 29)
  endif()
  if(month_number GREATER 12)
    set(month_number 0)
  endif()
  list(GET days_in_month ${month_number} last_day)
  if(day LESS 1 OR day GREATER last_day)
    message(FATAL_ERROR "${at}: ${release_date} is not a date")
  endif()
  list(GET month_names ${month_number} month)
  string(SUBSTRING "${month}" 0 3 month_abbreviation)
  set(signed "${day} ${month_abbreviation} ${year} 00:00:00 +0000")
  set(month "${month} ${year}")
  # Sakamoto's weekday, 0 for a Sunday; January and February count in the year before.
  list(GET month_offsets ${month_number} month_offset)
  if(month_number LESS 3)
    math(EXPR year "${year} - 1")
  endif()
  math(EXPR weekday
       "(${year} + ${year} / 4 - ${year} / 100 + ${year} / 400 + ${month_offset} + ${day}) % 7")
  set(weekday_names Sun Mon Tue Wed Thu Fri Sat)
  list(GET weekday_names ${weekday} weekday)
  set(signed "${weekday}, ${signed}")
endmacro()

# Reads CHANGELOG whole and sets debian_changelog to its releases in Debian's form for PACKAGE, each
# signed by MAINTAINER, with every byte of the items as written. Text above the first release, an
# "## [Unreleased]" section on top and link reference definitions are left out. A release is a
# heading as above with "- " items, optionally grouped under "### KIND" headings. An item goes on
# over its next lines and over paragraphs indented after a blank line; any other text under a
# release belongs to no item and is refused. Stops, naming CHANGELOG.md and the line at fault,
# unless every heading has that form, a real date not after that of the release above it and a
# version below its, every release has an item and every item text, every line fits Debian's
# changelog, and the newest release is VERSION.
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
      set(above_version "${release_version}")
      set(above_date "${release_date}")
      _changelog_release("${at}" "${line}")
      if(above_version STREQUAL "")
        set(newest "${release_version}")
      elseif(NOT release_version VERSION_LESS above_version)
        message(FATAL_ERROR "${at}: ${release_version} is not below ${above_version}, the version "
                            "of the release above it")
      elseif(above_date STRLESS release_date)
        message(FATAL_ERROR "${at} is dated after the release above it")
      endif()
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
  _changelog_check_newest(${version} "${newest}")
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
