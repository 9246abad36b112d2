#!/usr/bin/env bash
# Builds Vexo and the benchmarks in release mode and prints the figures the
# README quotes:
#  - time from process start to the first mapped window, and resident memory
#    after start, for Vexo and a bare Qt window built in the same tree, started
#    in turn on a fresh Xvfb display without a window manager (medians of 11);
#  - the one-off cost of the first opening of every other window;
#  - the median of 5 repetitions of every interaction, beside a bare Qt window.
#   tools/bench.sh          (needs xvfb and libxcb1-dev)
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/bench
cmake --preset bench >/dev/null
cmake --build --preset bench -j "$(nproc)" >/dev/null

export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
tools/on_x_display.sh --screen 1920x1080 "$build/bench/vexo-first-window" --runs 11 \
  "$build/app/vexo" "$build/bench/vexo-bare-window" | sed -n '/^medians/,$p'
echo

export QT_QPA_PLATFORM=offscreen
"$build/bench/vexo-bench" --first-opens 2>/dev/null
echo
"$build/bench/vexo-bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
  --benchmark_min_time=0.2 2>/dev/null | grep -E '^(Benchmark|-|BM_.*_median)'
