#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the benchmarks of a release build and prints the median of repeated runs.
set -euo pipefail
build=${1:-build/release}
echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//')"
for bench in "$build"/bench/*_bench; do
  [ -x "$bench" ] || continue
  "$bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
    --benchmark_filter="${BENCH_FILTER:-.}" 2>/dev/null | grep -E '^(Benchmark|-|BM_.*_median)'
done

# The real program on a private display and private sound servers.
"$(dirname "$0")/desktop_bench.sh" "$build"
