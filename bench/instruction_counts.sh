#!/usr/bin/env bash
# Prints the speed and memory figures of a Release build of prime_sieve against their targets, and
# fails where one is over: instructions per go (callgrind counts instructions, so the figures
# repeat on a busy machine), peak resident memory, heap allocations per go, and write calls per go.
# A whole run's instructions are shown beside primesieve's where it is installed, not held to them.
# Usage: bench/instruction_counts.sh [build-dir]   (needs valgrind, strace and /usr/bin/time)
set -euo pipefail

build=${1:-build}
program=$build/dialogue/prime_sieve
if [ ! -x "$program" ]; then
  echo "no $program: build first (cmake -S . -B $build && cmake --build $build)"
  exit 2
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Instructions of a whole command, as counted by callgrind.
instructions() {
  local input=$1
  shift
  valgrind --tool=callgrind --callgrind-out-file="$work/callgrind.out" "$@" <"$input" \
    >/dev/null 2>"$work/callgrind.log"
  grep -oP 'Collected : \K[0-9]+' "$work/callgrind.log"
}

# Heap allocations of a run, as counted by memcheck.
allocations() {
  valgrind "$program" <"$1" 2>&1 >/dev/null | grep -oP 'total heap usage: \K[0-9,]+(?= allocs)'
}

# Prints a figure with its target, given 1 where it is met; notes a figure over its target.
over=0
verdict() {
  if [ "$2" = 1 ]; then echo "$1: within target"; else echo "$1: OVER TARGET"; over=1; fi
}

printf '150000\nn\n' >"$work/one_go"
printf '150000\ny\n150000\nn\n' >"$work/two_goes"
{ for _ in $(seq 50); do printf '150000\ny\n'; done; printf '150000\nn\n'; } >"$work/fifty_one_goes"
{ for _ in $(seq 100); do printf 'abc\n'; done; printf '150000\nn\n'; } >"$work/rejected_lines"

one=$(instructions "$work/one_go" "$program")
two=$(instructions "$work/two_goes" "$program")
per_go=$((two - one))
verdict "instructions per go at 150000: $per_go (target <= 1500000)" $((per_go <= 1500000))

echo "instructions of a whole run with one go at 150000: $one"
if command -v primesieve >/dev/null; then
  peer=$(instructions /dev/null primesieve 149999 -p)
  ratio=$(awk -v a="$one" -v b="$peer" 'BEGIN { printf "%.2f", a / b }')
  echo "  primesieve 149999 -p: $peer; ratio $ratio"
else
  echo "  primesieve is not installed (apt-get install primesieve): no comparison"
fi

peak=$(/usr/bin/time -f %M "$program" <"$work/one_go" 2>&1 >/dev/null)
verdict "peak resident memory, one go at 150000: $peak KiB (target <= 4096)" $((peak <= 4096))

a_one=$(allocations "$work/one_go")
a_fifty=$(allocations "$work/fifty_one_goes")
a_rejected=$(allocations "$work/rejected_lines")
same=$([ "$a_one" = "$a_fifty" ] && [ "$a_one" = "$a_rejected" ] && echo 1 || echo 0)
verdict "heap allocations: one go $a_one, 51 goes $a_fifty, 100 rejected lines then a go \
$a_rejected (target: all equal)" "$same"

strace -e trace=write -o "$work/strace.log" "$program" <"$work/one_go" | cat >/dev/null
writes=$(grep -c '^write(1,' "$work/strace.log")
verdict "write calls, one go at 150000 into a pipe: $writes (target <= 64)" $((writes <= 64))
exit $over
