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
  for (std::size_t i = 2; static_cast<double>(i) < root; ++i) {
    if (prime_flags[i] != 1) continue;
    const std::size_t multiples = top / i;
    // Striking is most of the sieve's work; unrolling spares the loop test on most strikes.
#pragma GCC unroll 8
    for (std::size_t j = 2; j <= multiples; ++j) prime_flags[i * j] = 0;
  }
}
