#!/usr/bin/env bash
# Fuzzes with clang's libFuzzer under AddressSanitizer and
# UndefinedBehaviorSanitizer.
#
#   bash scripts/fuzz.sh [calculo|calc_cli|all] [seconds]   (default: all 60)
#
# Each target first replays its committed corpus (tests/fuzz/corpus/TARGET),
# then fuzzes for the given seconds from a working copy of it under
# build/fuzz/TARGET; "all" runs the targets side by side. A crash leaves its
# input as build/fuzz/TARGET/crash-* and the script fails.
set -euo pipefail
cd "$(dirname "$0")/.."
which=${1:-all}
seconds=${2:-60}

flags=(-std=c++20 -O1 -g -I. -fsanitize=fuzzer,address,undefined,float-cast-overflow
       -fno-sanitize-recover=all -msse3 -Wall -Wextra)
compute_sources=(compute/*.cpp)
cli_sources=()
for source in cli/*.cpp; do
  [ "${source}" = cli/main.cpp ] || cli_sources+=("${source}")
done

build() {
  local target=$1 out=build/fuzz/$1
  mkdir -p "${out}"
  case "${target}" in
    calculo) clang++ "${flags[@]}" tests/fuzz/calculo_fuzz.cpp "${compute_sources[@]}" \
               -o "${out}/fuzzer" ;;
    calc_cli) clang++ "${flags[@]}" tests/fuzz/calc_cli_fuzz.cpp "${cli_sources[@]}" \
                "${compute_sources[@]}" -o "${out}/fuzzer" ;;
    *) echo "fuzz.sh: unknown target '${target}' (calculo, calc_cli or all)" >&2; exit 2 ;;
  esac
}

run() {
  local target=$1 out=build/fuzz/$1
  local corpus=tests/fuzz/corpus/${target}
  echo "== fuzz ${target}: replay $(ls "${corpus}" | wc -l) committed inputs"
  "${out}/fuzzer" -runs=0 "${corpus}" > "${out}/replay.log" 2>&1 ||
    { cat "${out}/replay.log" >&2; return 1; }
  mkdir -p "${out}/corpus"
  cp -n "${corpus}"/* "${out}/corpus/"
  echo "== fuzz ${target}: ${seconds} s"
  (cd "${out}" && ./fuzzer -max_total_time="${seconds}" -print_final_stats=1 \
     -max_len=4096 -timeout=10 -rss_limit_mb=2048 corpus) > "${out}/fuzz.log" 2>&1 ||
    { tail -n 60 "${out}/fuzz.log" >&2; return 1; }
  grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb)|DONE' "${out}/fuzz.log" |
    sed "s/^/   ${target}: /"
}

case "${which}" in
  all) targets=(calculo calc_cli) ;;
  *) targets=("${which}") ;;
esac
for target in "${targets[@]}"; do
  build "${target}"
done
pids=()
for target in "${targets[@]}"; do
  run "${target}" &
  pids+=($!)
done
status=0
for pid in "${pids[@]}"; do
  wait "${pid}" || status=1
done
exit "${status}"
