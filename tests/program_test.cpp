#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#if defined(__linux__)
#include <poll.h>
#include <unistd.h>
#endif

// The built program as a person meets it: on pipes, from another process.
TEST(Program, ShowsThePromptBeforeItWaitsForALine) {
#if !defined(__linux__)
  GTEST_SKIP() << "needs POSIX pipes";
#else
  int output[2];
  ASSERT_EQ(pipe(output), 0);
  const std::string command = "exec '" PRIME_SIEVE_PATH "' >&" + std::to_string(output[1]);
  FILE* const program = popen(command.c_str(), "w");
  ASSERT_NE(program, nullptr);
  close(output[1]);
  pollfd ready{output[0], POLLIN, 0};
  // Nothing has been typed yet: a prompt left in a buffer never arrives and the wait runs out.
  ASSERT_EQ(poll(&ready, 1, 10000), 1) << "no prompt before the first line";
  char seen[64];
  const ssize_t size = read(output[0], seen, sizeof seen);
  EXPECT_EQ(std::string(seen, size > 0 ? static_cast<std::size_t>(size) : 0),
            "Please enter a number from 2 to 150000 > ");
  std::fputs("2\nn\n", program);
  EXPECT_EQ(pclose(program), 0);
  close(output[0]);
#endif
}
