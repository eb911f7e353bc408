# Run by the build: makes OUTPUT.gz, the manual page, from SOURCE/dialogue/prime_sieve.1, its
# header naming VERSION and the month SOURCE/CHANGELOG.md dates VERSION's release.
include(${CMAKE_CURRENT_LIST_DIR}/changelog.cmake)
read_changelog(${SOURCE}/CHANGELOG.md ${VERSION} "" "")
file(READ ${SOURCE}/dialogue/prime_sieve.1 page)
string(REGEX REPLACE "^\\.TH [^\n]*"
       ".TH PRIME_SIEVE 1 \"${release_month}\" \"prime_sieve ${VERSION}\" \"User Commands\""
       page "${page}")
file(WRITE ${OUTPUT} "${page}")
# Without the name and the time in its header, the same page always compresses to the same bytes.
execute_process(COMMAND gzip -9 -n -f ${OUTPUT} COMMAND_ERROR_IS_FATAL ANY)
