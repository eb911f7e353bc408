#include <cmath>

#include "prime_sieve.hpp"

std::array<std::uint8_t, max_limit + 1> prime_flags;

void reset() {
  prime_flags.fill(1);
}

void sieve_primes(std::int32_t limit) {
  // Every composite below the limit has a prime factor below the root, so larger bases strike
  // nothing that is listed; the root is taken once, not per base.
  const double root = std::sqrt(static_cast<double>(limit));
  const auto top = static_cast<std::size_t>(limit);
  std::uint8_t* const flags = prime_flags.data();
  for (std::size_t i = 2; static_cast<double>(i) < root; ++i) {
    if (flags[i] != 1) continue;
    const std::size_t multiples = top / i;
    // Striking is most of the sieve's work: eight strikes a step, each an offset from one
    // position, spare seven of every eight loop tests and position updates.
    const std::size_t last = i * multiples;
    std::size_t multiple = 2 * i;
    for (; multiple + 7 * i <= last; multiple += 8 * i) {
      for (std::size_t k = 0; k < 8; ++k) flags[multiple + k * i] = 0;
    }
    for (; multiple <= last; multiple += i) flags[multiple] = 0;
  }
}
