#include <gtest/gtest.h>

#include <cstdint>

#include "prime_sieve.hpp"

namespace {

bool is_prime(std::size_t n) {
  for (std::size_t d = 2; d * d <= n; ++d) {
    if (n % d == 0) return false;
  }
  return n >= 2;
}

}  // namespace

TEST(Sieve, CountsAndSumsMatchKnownAnswers) {
  const std::size_t known[][3] = {{10, 4, 17},
                                  {100, 25, 1060},
                                  {1000, 168, 76127},
                                  {10000, 1229, 5736396},
                                  {100000, 9592, 454396537},
                                  {max_limit, 13848, 986017447}};
  for (const auto& [limit, count, sum] : known) {
    reset();
    sieve_primes(static_cast<std::int32_t>(limit));
    std::size_t flagged = 0, total = 0;
    for (std::size_t n = 2; n < limit; ++n) {
      if (prime_flags[n] == 1) ++flagged, total += n;
    }
    EXPECT_EQ(flagged, count) << limit;
    EXPECT_EQ(total, sum) << limit;
  }
}

TEST(Sieve, FlagsBelowTheLimitAreThePrimesAfterAnyEarlierGo) {
  reset();
  sieve_primes(max_limit);
  for (std::size_t limit = 2; limit <= 1000; ++limit) {
    reset();
    sieve_primes(static_cast<std::int32_t>(limit));
    for (std::size_t n = 2; n < limit; ++n) ASSERT_EQ(prime_flags[n] == 1, is_prime(n)) << n;
    for (std::size_t n = limit + 1; n <= 1001; ++n) ASSERT_EQ(prime_flags[n], 1) << limit;
    // Bases stop strictly below the root: the square of a prime at the limit stays unstruck.
    if (limit == 4 || limit == 9 || limit == 25) {
      EXPECT_EQ(prime_flags[limit], 1);
    }
    if (limit == 26) {
      EXPECT_EQ(prime_flags[25], 0);
    }
  }
}
