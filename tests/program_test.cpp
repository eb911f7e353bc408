#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#if defined(__linux__)
#include <poll.h>
#include <unistd.h>
#endif

// The built program as a person meets it: on pipes, from another process.
TEST(Program, ShowsThePromptBeforeItWaitsAndEndsWithItsStatus) {
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
  // A failure ends the run at once, with one line on standard error and exit status 1.
  for (const auto& [streams, error] :
       {std::pair{"</dev/null >/dev/full", "write the output: No space left on device"},
        {"</dev/null >&-", "write the output: Bad file descriptor"},
        {"</ >/dev/null", "read the input: Is a directory"}}) {
    FILE* const run = popen(("'" PRIME_SIEVE_PATH "' 2>&1 " + std::string(streams)).c_str(), "r");
    std::string said(200, ' ');
    said.resize(std::fread(&said[0], 1, said.size(), run));
    EXPECT_EQ(said, "prime_sieve: cannot " + std::string(error) + "\n");
    EXPECT_EQ(pclose(run), 1 << 8) << streams;
  }
#endif
}
