#!/usr/bin/env bash
# Runs the benchmarks of a release build and prints the median of repeated runs.
set -euo pipefail
build=${1:-build/release}
echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//')"
for bench in "$build"/bench/*_bench; do
  [ -x "$bench" ] || continue
  "$bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
    --benchmark_filter="${BENCH_FILTER:-.}" 2>/dev/null | grep -E '^(Benchmark|-|BM_.*_median)'
done

# Start-up: each run is a fresh process; the median of the runs is printed per figure.
probe="$build/bench/startup_probe"
if [ -x "$probe" ]; then
  runs=${STARTUP_RUNS:-9}
  results=$(for _ in $(seq "$runs"); do "$probe" 2>/dev/null; done)
  for figure in startup_ms rss_kb peak_rss_kb; do
    median=$(echo "$results" | awk -v f="$figure" '$1 == f { print $2 }' | sort -n |
      awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }')
    echo "startup_probe $figure median $median over $runs runs"
  done
fi
