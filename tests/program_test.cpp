#include <gtest/gtest.h>

#include <string>

#include "transcript.hpp"

TEST(Program, WholeDialogueWritesExactlyTheseBytes) {
  const auto [status, output] = run_program("abc\n10\ny\n2\nY\n30\nn\n");
  EXPECT_EQ(status, 0);
  EXPECT_EQ(mask_elapsed(output),
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

TEST(Program, LargestLimitThenSmallOne) {
  const auto [status, output] = run_program("150000\ny\n10\n");
  EXPECT_EQ(status, 0);
  EXPECT_NE(output.find("\n2 3 5 7 11 "), std::string::npos);
  EXPECT_NE(output.find(" 149993 \nThe number of primes is: 13848 and the sum is: 986017447\n"),
            std::string::npos);
  EXPECT_NE(output.find("less than 10 are: \n2 3 5 7 \nThe number of primes is: 4 "),
            std::string::npos);
}
