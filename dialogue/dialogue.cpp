#include "dialogue.hpp"

#include <ctime>
#include <iostream>
#include <sstream>
#include <string>

#include "prime_sieve.hpp"

namespace {

// Both live for the whole dialogue, so a go takes memory only when a longer line arrives.
std::string limit_line;
std::string answer_line;

/// Reads one line without its newline or a carriage return before it; false once input has
/// ended, because from then on every read would fail the same way.
bool read_line(std::string& line) {
  if (!std::getline(std::cin, line)) return false;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return true;
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
  // The dialogue owns the line strings: their memory goes back as it ends, not at exit.
  std::string().swap(limit_line);
  std::string().swap(answer_line);
  return 0;
}
