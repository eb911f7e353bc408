#include "dialogue.hpp"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <iostream>
#include <new>
#include <sstream>
#include <string>

#include "prime_sieve.hpp"

namespace {

// Both live for the whole dialogue, so a go takes memory only when a longer line arrives.
std::string limit_line;
std::string answer_line;

const char* const no_room = "cannot hold a line in memory";

/// Reads one line without its newline or a carriage return before it, once everything written
/// has reached the output; false when the output or the input failed or the input has ended.
bool read_line(std::string& line) {
  // The flush comes first so that a lost prompt stops the dialogue before it reads on.
  if (!std::cout.flush() || !std::getline(std::cin, line)) return false;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return true;
}

/// Writes the one line on standard error that says what failed and why; returns exit status 1.
int failure(const char* what, int error) {
  std::cerr << "prime_sieve: " << what << ": " << std::strerror(error) << std::endl;
  return 1;
}

/// The exit status once the dialogue has stopped reading: 1, said on standard error, when the
/// output or the input failed, and 0 after a plain end.
int final_status() {
  const int error = errno;
  if (!std::cout) return failure("cannot write the output", error);
  // getline turns a line it has no memory for into a bad stream rather than an exception.
  if (std::cin.bad()) return failure(no_room, ENOMEM);
  if (std::ferror(stdin)) return failure("cannot read the input", error);
  return 0;
}

}  // namespace

std::int32_t read_limit() {
  for (;;) {
    std::cout << "Please enter a number from 2 to " << max_limit << " > ";
    if (!read_line(limit_line)) return 0;
    std::istringstream parser(limit_line);
    std::int32_t limit = 0;
    if (parser >> limit && limit >= 2 && limit <= max_limit) return limit;
    std::cout << "That value isn't valid, please try again" << std::endl << std::endl;
  }
}

bool ask_another_go() {
  std::cout << "Do you want another go (Y/N)? ";
  return read_line(answer_line) && (answer_line == "y" || answer_line == "Y");
}

int run_dialogue() {
  int status = 0;
  try {
    for (;;) {
      reset();
      const std::int32_t limit = read_limit();
      if (limit == 0) break;
      const std::clock_t start = std::clock();
      sieve_primes(limit);
      report_result(limit, start);
      if (!ask_another_go()) break;
      std::cout << std::endl;
    }
    status = final_status();
  } catch (const std::bad_alloc&) {
    // Only the parse's copy of a long limit line throws: getline marks its stream bad instead.
    status = failure(no_room, ENOMEM);
  }
  // The dialogue owns the line strings: their memory goes back as it ends, not at exit.
  std::string().swap(limit_line);
  std::string().swap(answer_line);
  return status;
}
