#include <iomanip>
#include <iostream>

#include "prime_sieve.hpp"

void report_result(std::int32_t limit, std::clock_t start) {
  std::cout << "The primes less than " << limit << " are: " << std::endl;
  std::int32_t count = 0;
  std::int64_t sum = 0;
  for (std::int32_t n = 2; n < limit; ++n) {
    if (prime_flags[n] != 1) continue;
    std::cout << n << ' ';
    ++count;
    sum += n;
  }
  std::cout << std::endl;
  std::cout << "The number of primes is: " << count << " and the sum is: " << sum << std::endl;
  const std::clock_t stop = std::clock();
  const double seconds = static_cast<double>(stop - start) / CLOCKS_PER_SEC;
  std::cout << std::fixed << std::setprecision(4);
  std::cout << "This took: " << seconds << " seconds to run" << std::endl << std::endl;
}
