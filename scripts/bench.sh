#!/usr/bin/env bash
# Builds and runs the benchmarks of the plug-in's exported functions (logs of 1k, 10k and 100k
# QSOs made from MASTER.SCP), then the peak-memory probe at 100k QSOs.
# Usage: scripts/bench.sh [Google Benchmark options, e.g. --benchmark_filter=Rescore]
# Build folder: build/bench (override with QVT_BENCH_BUILD).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${QVT_BENCH_BUILD:-build/bench}

cmake --preset native -B "$build" -DQVT_BUILD_BENCH=ON -DQVT_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j2 --target qvt_bench qvt_bench_memory qvt_bench_log

echo "== load average: $(cut -d' ' -f1-3 /proc/loadavg) (other work on the machine inflates wall times)"
"$build/bin/qvt_bench" "$@"
echo
echo "== peak memory"
"$build/bin/qvt_bench_memory" 100000
