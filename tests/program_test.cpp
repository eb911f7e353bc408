#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#if defined(__linux__)
#include <poll.h>
#include <unistd.h>
#endif

// The built program as a person meets it, from another process; /dev/full is Linux's.
TEST(Program, ShowsThePromptBeforeItWaitsAndEndsWithItsStatus) {
#if !defined(__linux__)
  GTEST_SKIP() << "needs POSIX pipes and /dev/full";
#else
  int output[2];
  ASSERT_EQ(pipe(output), 0);
  FILE* const program =
      popen(("exec " PRIME_SIEVE_COMMAND " >&" + std::to_string(output[1])).c_str(), "w");
  close(output[1]);
  // Nothing has been typed yet: a prompt left in a buffer never arrives and the wait runs out.
  pollfd ready{output[0], POLLIN, 0};
  ASSERT_EQ(poll(&ready, 1, 10000), 1) << "no prompt before the first line";
  char seen[64] = "";
  ASSERT_GT(read(output[0], seen, sizeof seen - 1), 0) << "the program did not start";
  EXPECT_STREQ(seen, "Please enter a number from 2 to 150000 > ");
  std::fputs("2\nn\n", program);
  EXPECT_EQ(pclose(program), 0);
  close(output[0]);
  // A failure ends the run at once, with one line on standard error and exit status 1, however
  // much input is still to come.
  for (const auto& [streams, error] :
       {std::pair{">/dev/full", "write the output: No space left on device"},
        {">&-", "write the output: Bad file descriptor"},
        {"</ >/dev/null", "read the input: Is a directory"}}) {
    FILE* const run = popen(
        ("yes | timeout 10 " PRIME_SIEVE_COMMAND " 2>&1 " + std::string(streams)).c_str(), "r");
    char said[200] = "";
    EXPECT_GT(std::fread(said, 1, sizeof said - 1, run), 0u);
    EXPECT_EQ(said, "prime_sieve: cannot " + std::string(error) + "\n");
    EXPECT_EQ(pclose(run), 1 << 8) << streams;
  }
#endif
}
