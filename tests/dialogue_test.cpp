#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include "prime_sieve.hpp"

namespace {

const std::string prompt = "Please enter a number from 2 to 150000 > ";
const std::string rejected = "That value isn't valid, please try again\n\n";
const std::string heading = "The primes less than ";

/// Runs the built program on the input and expects exit status 0; returns what it wrote, with
/// each elapsed-time figure that has exactly four decimals masked as #.
std::string run_program(const std::string& input) {
  const std::string path =
      testing::TempDir() + testing::UnitTest::GetInstance()->current_test_info()->name();
  std::ofstream(path + ".in", std::ios::binary) << input;
  // A program that loops instead of ending meets the time limit, or the file size limit first.
  const std::string command =
      "ulimit -f 20000; timeout 10 " PRIME_SIEVE_PATH " <" + path + ".in >" + path + ".out";
  const int status = std::system(command.c_str());
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
  std::ostringstream output;
  output << std::ifstream(path + ".out", std::ios::binary).rdbuf();
  std::string text = output.str();
  const std::string before = "This took: ", digits = "0123456789";
  for (auto at = text.find(before); at != std::string::npos; at = text.find(before, at + 1)) {
    const auto figure = at + before.size();
    const auto point = text.find_first_not_of(digits, figure);
    if (point == figure || point == std::string::npos || text[point] != '.') continue;
    const auto end = text.find_first_not_of(digits, point + 1);
    if (end == point + 5 && text.compare(end, 8, " seconds") == 0)
      text.replace(figure, 5 + point - figure, "#");
  }
  return text;
}

/// What a go at the limit writes up to the another-go question, from the library's sieve.
std::string go(std::int32_t limit) {
  reset();
  sieve_primes(limit);
  std::string list;
  std::size_t count = 0, sum = 0;
  for (std::size_t n = 2; n < static_cast<std::size_t>(limit); ++n) {
    if (prime_flags[n] == 1) list += std::to_string(n) + ' ', ++count, sum += n;
  }
  return heading + std::to_string(limit) + " are: \n" + list +
         "\nThe number of primes is: " + std::to_string(count) +
         " and the sum is: " + std::to_string(sum) +
         "\nThis took: # seconds to run\n\nDo you want another go (Y/N)? ";
}

/// True when the output is only prompts, messages and whole goes in the dialogue's order.
bool is_sound_dialogue(const std::string& output) {
  std::size_t at = 0;
  const auto take = [&](const std::string& text) {
    return output.compare(at, text.size(), text) == 0 && (at += text.size(), true);
  };
  while (take(prompt)) {
    if (take(rejected)) continue;
    if (at == output.size()) return true;
    if (output.compare(at, heading.size(), heading) != 0) return false;
    const long limit = std::strtol(output.c_str() + at + heading.size(), nullptr, 10);
    if (limit < 2 || limit > max_limit || !take(go(static_cast<std::int32_t>(limit)))) return false;
    if (at == output.size()) return true;
    if (!take("\n")) return false;
  }
  return false;
}

}  // namespace

TEST(Dialogue, WholeDialogueWritesExactlyTheseBytes) {
  EXPECT_EQ(run_program("abc\n10\ny\n2\nY\n30\nn\n"),
            "Please enter a number from 2 to 150000 > That value isn't valid, please try again\n"
            "\n"
            "Please enter a number from 2 to 150000 > The primes less than 10 are: \n"
            "2 3 5 7 \n"
            "The number of primes is: 4 and the sum is: 17\n"
            "This took: # seconds to run\n"
            "\n"
            "Do you want another go (Y/N)? \n"
            "Please enter a number from 2 to 150000 > The primes less than 2 are: \n"
            "\n"
            "The number of primes is: 0 and the sum is: 0\n"
            "This took: # seconds to run\n"
            "\n"
            "Do you want another go (Y/N)? \n"
            "Please enter a number from 2 to 150000 > The primes less than 30 are: \n"
            "2 3 5 7 11 13 17 19 23 29 \n"
            "The number of primes is: 10 and the sum is: 129\n"
            "This took: # seconds to run\n"
            "\n"
            "Do you want another go (Y/N)? ");
}

TEST(Dialogue, OnlyALeadingWholeNumberFromTwoToTheMaximumIsALimit) {
  EXPECT_EQ(run_program("2\nn\n"), prompt + go(2));
  EXPECT_EQ(run_program("150000\ny\n10\n"), prompt + go(max_limit) + "\n" + prompt + go(10));
  for (const char* line : {"+42", "42abc", "42 17", "42.9", "   42", "\t42", "+42abc\r"})
    EXPECT_EQ(run_program(line + std::string("\n")), prompt + go(42)) << line;
  for (const char* line : {"1", "0", "-7", "150001", "", "   ", "abc", "0x10", "1e3", "99999999999",
                           "-99999999999", "4294967298", "- 5"})
    EXPECT_EQ(run_program(line + std::string("\n")), prompt + rejected + prompt) << line;
}

TEST(Dialogue, OnlyASingleYStartsAnotherGoAndEndOfInputEndsTheRun) {
  for (const char* answer : {"y\n", "Y\n", "y\r\n", "y"})
    EXPECT_EQ(run_program(std::string("3\n") + answer), prompt + go(3) + "\n" + prompt) << answer;
  for (const char* answer : {"n\n", "N\n", "\n", "yes\n", "Y \n", " y\n", "y\r\r\n", ""})
    EXPECT_EQ(run_program(std::string("3\n") + answer + "3\n"), prompt + go(3)) << answer;
  EXPECT_EQ(run_program(""), prompt);
  EXPECT_EQ(run_program("3"), prompt + go(3));
  EXPECT_EQ(run_program("10\r\nY\r\n2\r\nn\r\n"), prompt + go(10) + "\n" + prompt + go(2));
}

TEST(Dialogue, HostileInputEndsCleanlyWithOnlyTheProgramsOwnLines) {
  std::mt19937 random(20261206);
  const auto below = [&](std::size_t n) {
    return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
  };
  const auto some = [&](const std::string& alphabet, std::size_t most) {
    std::string text(below(most + 1), ' ');
    for (char& c : text) c = alphabet[below(alphabet.size())];
    return text;
  };
  std::string any_byte(256, '\0'), noise = " \t\r+-", digits = "0123456789";
  for (int c = 0; c < 256; ++c) any_byte[static_cast<std::size_t>(c)] = c == '\n' ? '\0' : char(c);
  // Every one of these is rejected, so the line after it still meets the limit prompt.
  const auto hostile_line = [&]() -> std::string {
    switch (below(4)) {
      case 0:
        return some(noise, 3) + some("x.#\x7f", 1) + '\0' + some(any_byte, 200);
      case 1:
        return some(noise, 4) + "9" + some(digits, below(4) ? 12 : 100000) + digits;
      case 2:
        return some(noise, 2) + "214748364" + some(digits, 2);
      default:
        return some(noise, 3) + std::to_string(below(2)) + some(" .eEx\t\r", 4);
    }
  };
  const auto end_of_line = [&] { return below(4) ? "\n" : "\r\n"; };
  for (int run = 0; run < 60; ++run) {
    std::string input = run == 0 ? std::string(1000000, ' ') + "150000\ny\n" : "";
    for (int line = 0; run == 1 && line < 5000; ++line) input += hostile_line() + "\n";
    for (std::size_t goes = 1 + below(5); goes > 0; --goes) {
      for (std::size_t line = below(4); line > 0; --line) input += hostile_line() + end_of_line();
      input += some(noise, 3) + std::to_string(below(150002)) + some(any_byte, 5) + end_of_line();
      input += (below(4) ? std::string(below(2) ? "y" : "Y") : some("yYn \r", 3)) + end_of_line();
    }
    if (run > 1 && below(2)) input.resize(below(input.size() + 1));
    EXPECT_TRUE(is_sound_dialogue(run_program(input))) << "run " << run;
    ASSERT_FALSE(HasFailure()) << "run " << run;
  }
}
