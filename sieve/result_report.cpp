#include <array>
#include <cstring>
#include <iomanip>
#include <iostream>

#include "prime_sieve.hpp"

namespace {

// The list is formatted here and handed to the stream a few kilobytes at a time: one insertion per
// prime would cost several times the sieve itself.
char list_buffer[8192];

// Room for the longest entry: the sixteen bytes copied for the leading digits, of which a 32-bit
// number has at most eight, then the last two digits and the blank.
constexpr std::ptrdiff_t longest_entry = 16;

// Numbers whose flags are gathered into the bits of one 64-bit number, and so read between two
// checks for room in the buffer.
constexpr std::uint32_t block = 64;

/// True where the first byte of a number in memory is its lowest; compilers fold it to a constant.
bool little_endian() {
  const std::uint16_t one = 1;
  std::uint8_t first = 0;
  std::memcpy(&first, &one, 1);
  return first == 1;
}

/// Eight flags from the given one on, read with one load, as a number with the first flag in its
/// lowest byte whatever the machine's byte order.
std::uint64_t eight_flags(const std::uint8_t* flags) {
  std::uint64_t word = 0;
  std::memcpy(&word, flags, sizeof word);
  if (little_endian()) return word;
  std::uint64_t reversed = 0;
  for (int k = 0; k < 8; ++k, word >>= 8) reversed = reversed << 8 | (word & 0xFF);
  return reversed;
}

/// The flags of the 64 numbers from the given one on, one bit each, the first in the lowest bit.
std::uint64_t sixty_four_flags(const std::uint8_t* flags) {
  std::uint64_t bits = 0;
  // A word of eight flags, each 0 or 1, times this constant has them gathered in its top byte.
  for (std::size_t k = 0; k < 8; ++k)
    bits |= (eight_flags(flags + 8 * k) * 0x0102040810204080u >> 56) << 8 * k;
  return bits;
}

// A bit alone times this de Bruijn sequence has different top six bits at each of 64 positions,
// which this table turns back into the position.
constexpr std::uint64_t de_bruijn = 0x03F79D71B4CB0A89u;
constexpr auto bit_positions = [] {
  std::array<std::uint8_t, 64> positions{};
  for (std::uint8_t k = 0; k < 64; ++k)
    positions[static_cast<std::size_t>((de_bruijn << k) >> 58)] = k;
  return positions;
}();

/// Position of the lowest set bit; the bits are not all 0.
std::uint32_t lowest_bit(std::uint64_t bits) {
  return bit_positions[static_cast<std::size_t>(((bits & (~bits + 1)) * de_bruijn) >> 58)];
}

/// Adds one to the decimal number in text, which grows by a digit when it was all nines.
void add_one(char* text, std::size_t& length) {
  std::size_t digit = length;
  while (digit > 0 && text[digit - 1] == '9') text[--digit] = '0';
  if (digit > 0) {
    ++text[digit - 1];
    return;
  }
  // All nines have become zeros: a one goes in front of them.
  text[length++] = '0';
  text[0] = '1';
}

/// Writes every prime below limit followed by one blank, without ending the line or flushing.
void write_list(std::int32_t limit, std::int32_t& count, std::int64_t& sum) {
  char* out = list_buffer;
  char* const last_room = list_buffer + sizeof list_buffer - block * longest_entry;
  // The primes come in ascending order, so the text of the digits above the last two is carried
  // from one to the next and only counted up, once in a hundred numbers.
  char hundreds_text[16] = {};
  std::size_t hundreds_length = 0;
  std::uint32_t next_hundred = 100;
  // Checked once a block, so there is room for an entry for each of its numbers.
  const auto flush_if_full = [&] {
    if (out > last_room) {
      std::cout.write(list_buffer, out - list_buffer);
      out = list_buffer;
    }
  };
  const auto write_entry = [&](std::uint32_t n) {
    for (; n >= next_hundred; next_hundred += 100) add_one(hundreds_text, hundreds_length);
    std::memcpy(out, hundreds_text, sizeof hundreds_text);
    out += hundreds_length;
    const std::uint32_t tens_and_units = n + 100 - next_hundred;
    // Below a hundred, multiplying by 103 / 1024 divides by ten exactly, at less cost.
    const std::uint32_t tens = tens_and_units * 103 >> 10;
    if (n >= 10) *out++ = static_cast<char>('0' + tens);
    *out++ = static_cast<char>('0' + tens_and_units - 10 * tens);
    *out++ = ' ';
    ++count;
    sum += n;
  };
  // The flags are read 64 at a time and gathered into the bits of one number, whose set bits are
  // then taken in order: the branches follow the primes, not the gaps between them. The fewer
  // than 64 numbers left before the limit are tested one by one.
  const std::uint8_t* const flags = prime_flags.data();
  const auto end = static_cast<std::uint32_t>(limit);
  std::uint32_t n = 2;
  for (; n + block <= end; n += block) {
    flush_if_full();
    for (std::uint64_t bits = sixty_four_flags(flags + n); bits != 0; bits &= bits - 1)
      write_entry(n + lowest_bit(bits));
  }
  flush_if_full();
  for (; n < end; ++n) {
    if (flags[n] == 1) write_entry(n);
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
