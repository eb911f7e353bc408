#include "dialogue.hpp"

#include <gtest/gtest.h>

#include <ctime>
#include <iostream>
#include <regex>
#include <sstream>
#include <string>

#include "prime_sieve.hpp"

namespace {

const std::string prompt = "Please enter a number from 2 to 150000 > ";
const std::string rejected = "That value isn't valid, please try again\n\n" + prompt;
const std::string again = "\n" + prompt;

bool is_prime(int n) {
  for (int d = 2; d * d <= n; ++d) {
    if (n % d == 0) return false;
  }
  return n >= 2;
}

/// What a go at the limit writes after its prompt, found by trial division, elapsed figure as #.
std::string go(int limit) {
  std::string list;
  long count = 0, sum = 0;
  for (int n = 2; n < limit; ++n) {
    if (is_prime(n)) list += std::to_string(n) + ' ', ++count, sum += n;
  }
  return "The primes less than " + std::to_string(limit) + " are: \n" + list +
         "\nThe number of primes is: " + std::to_string(count) +
         " and the sum is: " + std::to_string(sum) +
         "\nThis took: # seconds to run\n\nDo you want another go (Y/N)? ";
}

/// Runs the work with std::cin reading the input and returns what it wrote to std::cout.
template <typename Work>
std::string console(const std::string& input, Work work) {
  std::istringstream in(input);
  std::ostringstream out;
  auto* const saved_in = std::cin.rdbuf(in.rdbuf());
  auto* const saved_out = std::cout.rdbuf(out.rdbuf());
  work();
  std::cin.rdbuf(saved_in);
  std::cout.rdbuf(saved_out);
  return out.str();
}

/// Runs a whole dialogue, expecting status 0; its output with every four-decimal figure as #.
std::string converse(const std::string& input) {
  const std::string output = console(input, [] { EXPECT_EQ(run_dialogue(), 0); });
  return std::regex_replace(output, std::regex(R"(took: \d+\.\d{4} sec)"), "took: # sec");
}

}  // namespace

TEST(Dialogue, AnswersEveryLineAsTheUserWouldExpect) {
  std::string input = "10\ny\n", output = prompt + go(10) + again;
  // Rejected after a go, so that no line may fall back on the limit that go left behind.
  for (const char* line :
       {"", " \t", "1", "150001", "-7", "abc", "- 5", "0x10", "1e3", "99999999999", "-99999999999",
        "4294967338", "-4294967254", "18446744073709551658"})
    input += line + std::string("\n"), output += rejected;
  const std::string dialogues[][2] = {
      {input + "2\nY\n", output + go(2) + again},
      {"+42\ny\n42abc\nY\n42 17\ny\n 42.9\r\ny\r\n\t42",
       prompt + go(42) + again + go(42) + again + go(42) + again + go(42) + again + go(42)},
      {"", prompt},
      {"abc", prompt + rejected},
      {"3\ny", prompt + go(3) + again}};
  for (const auto& [in, out] : dialogues) EXPECT_EQ(converse(in), out) << in;
  for (const char* answer : {"n", "N", "", "yes", "Y ", " y", "y\r\r"})
    EXPECT_EQ(converse("3\n" + std::string(answer) + "\n3\n"), prompt + go(3)) << answer;
}

TEST(Dialogue, ListsThePrimesBelowEveryLimitAfterALargerGo) {
  std::string input = "150000\n", output = prompt + go(max_limit);
  EXPECT_NE(output.find(" 149993 \nThe number of primes is: 13848 and the sum is: 986017447\n"),
            std::string::npos);
  for (int limit = 1000; limit >= 2; --limit)
    input += "y\n" + std::to_string(limit) + "\n", output += again + go(limit);
  EXPECT_EQ(converse(input), output);
}

TEST(Report, TimesTheWorkFromTheStartReading) {
  reset();
  sieve_primes(3);
  const std::string output =
      console("", [] { report_result(3, std::clock() - CLOCKS_PER_SEC / 2); });
  EXPECT_TRUE(std::regex_search(output, std::regex("took: 0\\.50\\d\\d seconds to run\n\n$")))
      << output;
}
