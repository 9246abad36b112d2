#!/usr/bin/env bash
# Builds the benchmark in release mode and prints the figures the README quotes:
# cold start-up and resident memory (median of 7 fresh processes), and the
# median of 5 repetitions of every interaction, beside a bare Qt window.
#   tools/bench.sh
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/bench
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DVEXO_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target vexo-bench >/dev/null
export QT_QPA_PLATFORM=offscreen
bench="$build/bench/vexo-bench"

median() { sort -n | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }
median_start() {
  local runs
  runs=$(for _ in 1 2 3 4 5 6 7; do "$bench" "$1" 2>/dev/null; done)
  printf "%-16s start-up %s ms, resident memory after start %s MB\n" "$2" \
    "$(awk '{print $(NF-7)}' <<<"$runs" | median)" "$(awk '{print $(NF-1)}' <<<"$runs" | median)"
}
median_start --startup "Vexo"
median_start --bare-startup "bare Qt window"
"$bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
  --benchmark_min_time=0.2 2>/dev/null | grep -E '^(Benchmark|-|BM_.*_median)'
