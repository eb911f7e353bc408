#include <gtest/gtest.h>

#include <cstdint>
#include <utility>

#include "prime_sieve.hpp"

namespace {

std::pair<std::int32_t, std::int64_t> count_and_sum_below(std::int32_t limit) {
  reset();
  sieve_primes(limit);
  std::int32_t count = 0;
  std::int64_t sum = 0;
  for (std::int32_t n = 2; n < limit; ++n) {
    if (prime_flags[n] == 1) ++count, sum += n;
  }
  return {count, sum};
}

bool is_prime(std::int32_t n) {
  if (n < 2) return false;
  for (std::int32_t d = 2; d * d <= n; ++d) {
    if (n % d == 0) return false;
  }
  return true;
}

}  // namespace

TEST(Sieve, CountsAndSumsMatchKnownAnswers) {
  EXPECT_EQ(count_and_sum_below(10), std::make_pair(4, std::int64_t{17}));
  EXPECT_EQ(count_and_sum_below(100), std::make_pair(25, std::int64_t{1060}));
  EXPECT_EQ(count_and_sum_below(1000), std::make_pair(168, std::int64_t{76127}));
  EXPECT_EQ(count_and_sum_below(10000), std::make_pair(1229, std::int64_t{5736396}));
  EXPECT_EQ(count_and_sum_below(100000), std::make_pair(9592, std::int64_t{454396537}));
  EXPECT_EQ(count_and_sum_below(max_limit), std::make_pair(13848, std::int64_t{986017447}));
}

TEST(Sieve, FlagsBelowEveryLimitAreExactlyThePrimesAndNothingAboveIsTouched) {
  reset();
  sieve_primes(max_limit);  // a large go first: the reset must wipe it out
  for (std::int32_t limit = 2; limit <= 1000; ++limit) {
    reset();
    sieve_primes(limit);
    for (std::int32_t n = 2; n < limit; ++n) ASSERT_EQ(prime_flags[n] == 1, is_prime(n)) << n;
    for (std::int32_t n = limit + 1; n <= 1001; ++n) ASSERT_EQ(prime_flags[n], 1) << limit;
  }
}

TEST(Sieve, BasesStopStrictlyBelowTheRoot) {
  for (std::int32_t limit : {2, 3, 4, 9, 25}) {
    reset();
    sieve_primes(limit);
    EXPECT_EQ(prime_flags[limit], 1) << limit;  // its only prime factor is not below the root
  }
  reset();
  sieve_primes(26);
  EXPECT_EQ(prime_flags[25], 0);
  reset();
  sieve_primes(max_limit);
  EXPECT_EQ(prime_flags[max_limit], 0);  // the last index written is the limit itself
}
