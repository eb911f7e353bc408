#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "transcript.hpp"

namespace {

/// The primes below 150000 by trial division, independent of the program's sieve.
std::vector<std::int64_t> primes_by_trial_division() {
  std::vector<std::int64_t> primes;
  for (std::int64_t n = 2; n < 150000; ++n) {
    if (std::none_of(primes.begin(), primes.end(),
                     [n](std::int64_t p) { return p * p <= n && n % p == 0; }))
      primes.push_back(n);
  }
  return primes;
}

/// Checks that the output is made only of the program's own lines, in the dialogue's order, and
/// that every go lists exactly the primes below its limit with their true count and sum.
::testing::AssertionResult is_sound_dialogue(const std::string& raw) {
  static const std::vector<std::int64_t> primes = primes_by_trial_division();
  const std::string output = mask_elapsed(raw);
  std::size_t at = 0;
  const auto take = [&](const std::string& text) {
    if (output.compare(at, text.size(), text) != 0) return false;
    at += text.size();
    return true;
  };
  const auto fail = [&] { return ::testing::AssertionFailure() << "unexpected text at " << at; };
  while (take("Please enter a number from 2 to 150000 > ")) {
    if (at == output.size()) return ::testing::AssertionSuccess();
    if (take("That value isn't valid, please try again\n\n")) continue;
    if (!take("The primes less than ")) return fail();
    const std::size_t digits = output.find(' ', at);
    const std::int64_t limit = std::stoll(output.substr(at, digits - at));
    at = digits;
    if (limit < 2 || limit > 150000 || !take(" are: \n")) return fail();
    std::string list;
    std::int64_t count = 0, sum = 0;
    for (auto p = primes.begin(); p != primes.end() && *p < limit; ++p, ++count) {
      list += std::to_string(*p) + ' ';
      sum += *p;
    }
    if (!take(list + "\nThe number of primes is: " + std::to_string(count) +
              " and the sum is: " + std::to_string(sum) +
              "\nThis took: # seconds to run\n\nDo you want another go (Y/N)? "))
      return fail();
    if (at == output.size()) return ::testing::AssertionSuccess();
    if (!take("\n")) return fail();
  }
  return fail();
}

}  // namespace

TEST(HostileInput, EveryRunEndsCleanlyAndWritesOnlyTheProgramsOwnLines) {
  std::mt19937 random(20261206);
  const auto below = [&](std::size_t n) {
    return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
  };
  const auto some = [&](const std::string& alphabet, std::size_t most) {
    std::string text(below(most + 1), ' ');
    for (char& c : text) c = alphabet[below(alphabet.size())];
    return text;
  };
  const std::string noise = " \t\r+-";
  std::string any_byte;
  for (int c = 0; c < 256; ++c) {
    if (c != '\n') any_byte += static_cast<char>(c);
  }
  const auto end_of_line = [&] { return below(4) == 0 ? "\r\n" : "\n"; };
  // Each of these is rejected, so that the lines after it still reach the limit prompt.
  const auto hostile_line = [&]() -> std::string {
    switch (below(4)) {
      case 0:
        return some(noise, 3) + some("x.#\x7f\xff", 1) + '\0' + some(any_byte, 200);
      case 1:
        return some(noise, 4) + "9" + some("0123456789", below(4) == 0 ? 100000 : 12) +
               "0123456789";
      case 2:
        return some(noise, 2) + "214748364" + some("0123456789", 2);
      default:
        return some(noise, 3) + std::to_string(below(2)) + some(" .eEx\t\r", 4);
    }
  };
  for (int run = 0; run < 60; ++run) {
    std::string input;
    if (run == 0) input += std::string(1000000, ' ') + "150000\ny\n";
    for (int line = 0; run == 1 && line < 5000; ++line) input += hostile_line() + "\n";
    for (std::size_t go = 1 + below(5); go > 0; --go) {
      for (std::size_t line = below(4); line > 0; --line) input += hostile_line() + end_of_line();
      input += some(noise, 3) + std::to_string(below(150002)) + some(any_byte, 5) + end_of_line();
      input += (below(4) > 0 ? std::string(below(2) ? "y" : "Y") : some("yYn \r", 3));
      input += end_of_line();
    }
    if (run > 1 && below(2) == 0) input.resize(below(input.size() + 1));
    const auto [status, output] = run_program(input);
    ASSERT_EQ(status, 0) << "run " << run;
    ASSERT_TRUE(is_sound_dialogue(output)) << "run " << run;
  }
}
