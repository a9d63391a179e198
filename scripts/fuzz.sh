#!/usr/bin/env bash
# Fuzzes the computation with clang's libFuzzer under AddressSanitizer and
# UndefinedBehaviorSanitizer, for the given number of seconds (default 60).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
out=build/fuzz
mkdir -p "$out/corpus"
cp tests/fuzz/seed_*.txt "$out/corpus/"
flags=(-std=c++20 -O1 -g -I. -fsanitize=fuzzer,address,undefined,float-cast-overflow
       -fno-sanitize-recover=all -msse3)
clang++ "${flags[@]}" tests/fuzz/calculo_fuzz.cpp compute/*.cpp -o "$out/calculo_fuzz"
"$out/calculo_fuzz" -max_total_time="$seconds" -max_len=256 "$out/corpus"
