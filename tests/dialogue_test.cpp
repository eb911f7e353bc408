#include "dialogue.hpp"

#include <gtest/gtest.h>

#include <iostream>
#include <sstream>
#include <string>

#include "transcript.hpp"

namespace {

const std::string prompt = "Please enter a number from 2 to 150000 > ";
const std::string rejected = "That value isn't valid, please try again\n\n";
const std::string question = "Do you want another go (Y/N)? ";

/// Runs a whole dialogue in this process on the given input; returns its masked output.
std::string converse(const std::string& input) {
  std::istringstream in(input);
  std::ostringstream out;
  auto* const saved_in = std::cin.rdbuf(in.rdbuf());
  auto* const saved_out = std::cout.rdbuf(out.rdbuf());
  std::cin.clear();
  EXPECT_EQ(run_dialogue(), 0);
  std::cin.rdbuf(saved_in);
  std::cout.rdbuf(saved_out);
  return mask_elapsed(out.str());
}

std::string go(const std::string& limit, const std::string& list, const std::string& totals) {
  return "The primes less than " + limit + " are: \n" + list +
         "\nThe number of primes is: " + totals + "\nThis took: # seconds to run\n\n" + question;
}

std::size_t goes_in(const std::string& output) {
  std::size_t goes = 0;
  for (auto at = output.find(question); at != std::string::npos; at = output.find(question, at + 1))
    ++goes;
  return goes;
}

}  // namespace

TEST(Dialogue, OnlyTheLeadingWholeNumberOfALineCounts) {
  for (const char* line : {"2", "150000"}) {
    EXPECT_NE(converse(std::string(line) + "\nn\n").find("less than " + std::string(line) + " are"),
              std::string::npos);
  }
  const std::string go_at_42 =
      go("42", "2 3 5 7 11 13 17 19 23 29 31 37 41 ", "13 and the sum is: 238");
  for (const char* line : {"+42", "42abc", "42 17", "42.9", "   42", "\t42", "+42abc"})
    EXPECT_EQ(converse(std::string(line) + "\nn\n"), prompt + go_at_42) << line;
  for (const char* line : {"1", "0", "-7", "150001", "", "   ", "abc", "0x10", "1e3", "99999999999",
                           "-99999999999", "4294967298", "- 5"})
    EXPECT_EQ(converse(std::string(line) + "\n"), prompt + rejected + prompt) << line;
}

TEST(Dialogue, OnlyASingleYStartsAnotherGo) {
  for (const char* answer : {"y", "Y", "y\r"})
    EXPECT_EQ(goes_in(converse("3\n" + std::string(answer) + "\n3\nn\n")), 2u) << answer;
  for (const char* answer : {"n", "N", "", "yes", "Y ", " y", "yy"})
    EXPECT_EQ(goes_in(converse("3\n" + std::string(answer) + "\n3\nn\n")), 1u) << answer;
}

TEST(Dialogue, EndOfInputEndsTheDialogueWherever) {
  EXPECT_EQ(converse(""), prompt);
  EXPECT_EQ(converse("abc\n"), prompt + rejected + prompt);
  EXPECT_EQ(converse("3"), prompt + go("3", "2 ", "1 and the sum is: 2"));
  EXPECT_EQ(converse("3\n"), prompt + go("3", "2 ", "1 and the sum is: 2"));
  EXPECT_EQ(converse("3\ny"), prompt + go("3", "2 ", "1 and the sum is: 2") + "\n" + prompt);
}

TEST(Dialogue, CarriageReturnLineEndsBehaveLikeNewlines) {
  EXPECT_EQ(converse("10\r\nY\r\n2\r\nn\r\n"),
            prompt + go("10", "2 3 5 7 ", "4 and the sum is: 17") + "\n" + prompt +
                go("2", "", "0 and the sum is: 0"));
}
