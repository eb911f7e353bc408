#include <charconv>
#include <cstring>
#include <iomanip>
#include <iostream>

#include "prime_sieve.hpp"

namespace {

// The list is formatted here and handed to the stream a few kilobytes at a time: one insertion per
// prime would cost several times the sieve itself.
char list_buffer[4096];

// Room for the longest entry: ten digits of a 32-bit number and its blank.
constexpr std::ptrdiff_t longest_entry = 11;

/// Writes every prime below limit followed by one blank, without ending the line or flushing.
void write_list(std::int32_t limit, std::int32_t& count, std::int64_t& sum) {
  char* out = list_buffer;
  char* const end = list_buffer + sizeof list_buffer;
  const std::uint8_t* const flags = prime_flags.data();
  const std::uint8_t* const stop = flags + limit;
  for (const std::uint8_t* flag = flags + 2; flag < stop; ++flag) {
    // memchr passes over a run of struck flags many bytes at a time.
    flag = static_cast<const std::uint8_t*>(
        std::memchr(flag, 1, static_cast<std::size_t>(stop - flag)));
    if (flag == nullptr) break;
    const auto n = static_cast<std::int32_t>(flag - flags);
    if (end - out < longest_entry) {
      std::cout.write(list_buffer, out - list_buffer);
      out = list_buffer;
    }
    out = std::to_chars(out, end, n).ptr;
    *out++ = ' ';
    ++count;
    sum += n;
  }
  std::cout.write(list_buffer, out - list_buffer);
}

}  // namespace

void report_result(std::int32_t limit, std::clock_t start) {
  std::cout << "The primes less than " << limit << " are: " << std::endl;
  std::int32_t count = 0;
  std::int64_t sum = 0;
  write_list(limit, count, sum);
  std::cout << std::endl;
  std::cout << "The number of primes is: " << count << " and the sum is: " << sum << std::endl;
  const std::clock_t stop = std::clock();
  const double seconds = static_cast<double>(stop - start) / CLOCKS_PER_SEC;
  std::cout << std::fixed << std::setprecision(4);
  std::cout << "This took: " << seconds << " seconds to run" << std::endl << std::endl;
}
