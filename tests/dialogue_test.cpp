#include "dialogue.hpp"

#include <gtest/gtest.h>

#include <algorithm>
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

/// What a go at the limit writes after its prompt, with the primes found by trial division and
/// the elapsed figure as #.
std::string go(int limit) {
  std::string list;
  long count = 0, sum = 0;
  for (int n = 2, d = 2; n < limit; ++n, d = 2) {
    while (d * d <= n && n % d != 0) ++d;
    if (d * d > n) list += std::to_string(n) + ' ', ++count, sum += n;
  }
  return "The primes less than " + std::to_string(limit) + " are: \n" + list +
         "\nThe number of primes is: " + std::to_string(count) +
         " and the sum is: " + std::to_string(sum) +
         "\nThis took: # seconds to run\n\nDo you want another go (Y/N)? ";
}

/// Runs a whole dialogue on the input, expecting status 0 and the output, with each elapsed figure
/// of four decimals as #.
void converse(const std::string& input, const std::string& expected) {
  std::istringstream in(input);
  std::ostringstream out;
  auto* const saved_in = std::cin.rdbuf(in.rdbuf());
  auto* const saved_out = std::cout.rdbuf(out.rdbuf());
  EXPECT_EQ(run_dialogue(), 0);
  std::cin.rdbuf(saved_in);
  std::cout.rdbuf(saved_out);
  const std::string said = std::regex_replace(out.str(), std::regex(R"(\d+\.\d{4} s)"), "# s");
  // Shown from the heading of the go where the output first differs, or from a little before the
  // difference in a long go, so that a failure fits on a screen.
  std::size_t at = 0;
  while (at < said.size() && said[at] == expected[at]) ++at;
  at = std::max(expected.rfind("\nThe primes", at) + 1, at - std::min<std::size_t>(at, 99));
  EXPECT_EQ(said.substr(at, 200), expected.substr(at, 200)) << input.substr(0, 80);
}

}  // namespace

TEST(Dialogue, AnswersEveryLineAsTheUserWouldExpect) {
  // Rejected right after a go whose line was too long to be held inside the string itself, the
  // empty line first: no line may fall back on the limit that go left behind, and nothing may be
  // read before the empty line. The last answer is cut off by the end of the input.
  const std::string rejections =
      "\n18446744073709551658\n \t\n1\n150001\n-7\nabc\n- 5\n0x10\n1e3\n4294967338\n-4294967254\n";
  std::string rejections_output = prompt + go(10) + again;
  for (char c : rejections) rejections_output += c == '\n' ? rejected : "";
  converse("10 and the rest of it\ny\n" + rejections + "2\nY", rejections_output + go(2) + again);
  // Every limit from 1000 down to 2 after the largest, each checked against trial division.
  std::string limits = "150000\n", limits_output = prompt + go(max_limit);
  for (int limit = 1000; limit >= 2; --limit)
    limits += "y\n" + std::to_string(limit) + "\n", limits_output += again + go(limit);
  EXPECT_NE(limits_output.find("is: 13848 and the sum is: 986017447\n"), std::string::npos);
  converse(limits, limits_output);
  converse("+42\ny\n42abc\nY\n42 17\ny\n 42.9\r\ny\r\n\t42",
           prompt + go(42) + again + go(42) + again + go(42) + again + go(42) + again + go(42));
  for (const char* answer : {"n", "N", "", "yes", "Y ", " y", "y\r\r"})
    converse("3\n" + std::string(answer) + "\n3\n", prompt + go(3));
}

TEST(Report, TimesTheWorkFromTheStartReading) {
  std::ostringstream out;
  auto* const saved = std::cout.rdbuf(out.rdbuf());
  report_result(3, std::clock() - CLOCKS_PER_SEC / 2);
  std::cout.rdbuf(saved);
  EXPECT_NE(out.str().find("took: 0.50"), std::string::npos) << out.str();
}
