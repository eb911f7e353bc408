# Run by the build: makes OUTPUT.gz, the manual page, from SOURCE/dialogue/prime_sieve.1, filling
# in the month SOURCE/CHANGELOG.md dates VERSION's release and VERSION that its header leaves empty.
include(${CMAKE_CURRENT_LIST_DIR}/changelog.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/compress.cmake)
file(READ ${SOURCE}/dialogue/prime_sieve.1 text)
set(header [[.TH PRIME_SIEVE 1 "" "prime_sieve"]])
string(FIND "${text}" "${header}" at)
if(NOT at EQUAL 0)
  message(FATAL_ERROR "dialogue/prime_sieve.1 does not start with ${header}, whose empty date and "
                      "bare name the build fills in with the month and version of the release")
endif()
read_release_month(${SOURCE}/CHANGELOG.md ${VERSION})
string(REPLACE "${header}" ".TH PRIME_SIEVE 1 \"${month}\" \"prime_sieve ${VERSION}\"" text
       "${text}")
file(WRITE ${OUTPUT} "${text}")
compress(${OUTPUT})
