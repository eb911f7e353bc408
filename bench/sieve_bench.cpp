#include <benchmark/benchmark.h>

#include <ctime>
#include <iostream>
#include <streambuf>

#include "prime_sieve.hpp"

namespace {

/// Swallows whatever is written, so that a go is measured without any console or file behind it.
class discarding_buffer : public std::streambuf {
 protected:
  int_type overflow(int_type ch) override {
    return traits_type::not_eof(ch);
  }
  std::streamsize xsputn(const char* /*text*/, std::streamsize count) override {
    return count;
  }
};

void reset_and_sieve(benchmark::State& state) {
  const auto limit = static_cast<std::int32_t>(state.range(0));
  for (auto _ : state) {
    reset();
    sieve_primes(limit);
    benchmark::DoNotOptimize(prime_flags.data());
  }
}

void whole_go(benchmark::State& state) {
  const auto limit = static_cast<std::int32_t>(state.range(0));
  discarding_buffer sink;
  auto* const saved = std::cout.rdbuf(&sink);
  for (auto _ : state) {
    reset();
    const std::clock_t start = std::clock();
    sieve_primes(limit);
    report_result(limit, start);
  }
  std::cout.rdbuf(saved);
}

}  // namespace

BENCHMARK(reset_and_sieve)->Arg(10)->Arg(1000)->Arg(max_limit);
BENCHMARK(whole_go)->Arg(10)->Arg(1000)->Arg(max_limit);
BENCHMARK_MAIN();
