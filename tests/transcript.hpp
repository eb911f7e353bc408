#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cctype>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>

/// Replaces each elapsed-time figure of the form digits.dddd with "#"; a figure in any other form
/// is left alone so that the comparison of the transcript fails on it.
inline std::string mask_elapsed(std::string text) {
  const std::string before = "This took: ";
  const std::string after = " seconds to run";
  for (auto at = text.find(before); at != std::string::npos; at = text.find(before, at + 1)) {
    const auto digits = [&](std::size_t from) {
      std::size_t to = from;
      while (to < text.size() && std::isdigit(static_cast<unsigned char>(text[to]))) ++to;
      return to;
    };
    const auto figure = at + before.size();
    const auto point = digits(figure);
    if (point == figure || point >= text.size() || text[point] != '.') continue;
    const auto end = digits(point + 1);
    if (end - point != 5 || text.compare(end, after.size(), after) != 0) continue;
    text.replace(figure, end - figure, "#");
  }
  return text;
}

/// Runs the built program with input piped from a file; returns its exit status and output.
inline std::pair<int, std::string> run_program(const std::string& input) {
  // Named after the test, so that tests run in parallel do not share files.
  const std::string base =
      testing::TempDir() + testing::UnitTest::GetInstance()->current_test_info()->name();
  const std::string in_path = base + ".in";
  const std::string out_path = base + ".out";
  std::ofstream(in_path, std::ios::binary) << input;
  const std::string command =
      std::string("timeout 20 ") + PRIME_SIEVE_PATH + " < " + in_path + " > " + out_path;
  const int status = std::system(command.c_str());
  std::ostringstream output;
  output << std::ifstream(out_path, std::ios::binary).rdbuf();
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output.str()};
}
