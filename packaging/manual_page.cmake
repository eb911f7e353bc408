# Run as the program is installed: makes BUILD/prime_sieve.1.gz from SOURCE/dialogue/prime_sieve.1,
# its header naming VERSION and the month of its release in SOURCE/CHANGELOG.md.
set(CHANGELOG ${SOURCE}/CHANGELOG.md)
include(${CMAKE_CURRENT_LIST_DIR}/changelog.cmake)
math(EXPR index "${release_month} - 1")
list(GET month_names ${index} month)
file(READ ${SOURCE}/dialogue/prime_sieve.1 page)
string(REGEX REPLACE "^\\.TH [^\n]*"
       ".TH PRIME_SIEVE 1 \"${month} ${release_year}\" \"prime_sieve ${VERSION}\" \"User Commands\""
       page "${page}")
file(WRITE ${BUILD}/prime_sieve.1 "${page}")
set(INPUT ${BUILD}/prime_sieve.1)
set(OUTPUT ${BUILD}/prime_sieve.1.gz)
include(${CMAKE_CURRENT_LIST_DIR}/gzip.cmake)
