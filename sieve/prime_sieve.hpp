#pragma once

#include <array>
#include <cstdint>
#include <ctime>

/// Largest limit the program accepts; it also sizes the flag table and appears in the prompt.
constexpr std::int32_t max_limit = 150000;

/// One byte per number from 0 to max_limit: 1 while the number counts as prime, 0 once struck.
/// Only the flags below the limit of the last sieve mean anything.
extern std::array<std::uint8_t, max_limit + 1> prime_flags;

/// Sets every flag to 1, so that nothing of an earlier go survives into the next one.
void reset();

/// Strikes out the composites below limit (2 to max_limit) on a freshly reset table;
/// the flag of limit itself may or may not be struck.
void sieve_primes(std::int32_t limit);

/// Writes the heading, the primes below limit on one line, their count and sum, and the seconds
/// since start; leaves std::cout in fixed notation with four decimals.
void report_result(std::int32_t limit, std::clock_t start);
