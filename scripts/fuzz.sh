#!/usr/bin/env bash
# Builds the number reader's fuzz target with clang's libFuzzer and runs it
# for a bounded time (seconds, default 60).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
mkdir -p build-fuzz/corpus
clang++ -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
  -Isrc src/shell/rules/numbers.cpp tests/fuzz/numbers_fuzz.cpp -o build-fuzz/numbers_fuzz
printf '12abc' > build-fuzz/corpus/a; printf ' 7.5' > build-fuzz/corpus/b; printf '2.5' > build-fuzz/corpus/c
build-fuzz/numbers_fuzz -max_total_time="$seconds" -max_len=512 -print_final_stats=1 build-fuzz/corpus
