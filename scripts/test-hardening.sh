#!/usr/bin/env bash
# The hardening tier: the concurrency stress test under ThreadSanitizer, the libFuzzer target
# (clang, AddressSanitizer + UndefinedBehaviorSanitizer) for a bounded time over the seed
# corpus, and a smoke run of the benchmarks. Fails on any race, crash, leak or sanitizer report.
# Usage: scripts/test-hardening.sh        (QVT_FUZZ_SECONDS=60 by default)
# Build folders: build/tsan, build/fuzz, build/bench (override with QVT_TSAN_BUILD,
# QVT_FUZZ_BUILD, QVT_BENCH_BUILD).
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$(pwd)
tsan_build=${QVT_TSAN_BUILD:-build/tsan}
fuzz_build=${QVT_FUZZ_BUILD:-build/fuzz}
bench_build=${QVT_BENCH_BUILD:-build/bench}
fuzz_seconds=${QVT_FUZZ_SECONDS:-60}
start=$(date +%s)
step() { printf '\n== %s (%ss)\n' "$*" "$(( $(date +%s) - start ))"; }

step "ThreadSanitizer: build and run the stress test"
cmake --preset tsan -B "$tsan_build" -DQVT_WERROR=ON >/dev/null
cmake --build "$tsan_build" -j2 --target stress_test
# By name: the labels of discovered tests do not reach CTest as a list.
TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1" \
  ctest --test-dir "$tsan_build" -R '^Stress[.]' --no-tests=error --output-on-failure --timeout 300

step "libFuzzer: build the fuzz target (clang, ASan + UBSan)"
CC=clang CXX=clang++ cmake --preset native -B "$fuzz_build" -DQVT_BUILD_TESTS=OFF \
  -DQVT_BUILD_FUZZ=ON -DQVT_SANITIZE="address;undefined" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_FLAGS=-fsanitize=fuzzer-no-link -DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link >/dev/null
cmake --build "$fuzz_build" -j2 --target qvt_fuzz

step "libFuzzer: ${fuzz_seconds} s over the seed corpus"
# The plug-in writes its files in the current directory: run in a scratch folder, in memory
# when the machine has /dev/shm (the disk's flush on every rewritten file slows it tenfold).
scratch_parent=/dev/shm
[ -d "$scratch_parent" ] && [ -w "$scratch_parent" ] || scratch_parent=${TMPDIR:-/tmp}
scratch=$(mktemp -d "$scratch_parent/qvt-fuzz.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/work" "$scratch/corpus" "$ROOT/$fuzz_build/artifacts"
log="$ROOT/$fuzz_build/fuzz.log"
status=0
(cd "$scratch/work" &&
  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    "$ROOT/$fuzz_build/bin/qvt_fuzz" -max_total_time="$fuzz_seconds" -timeout=20 \
    -rss_limit_mb=2048 -max_len=4096 -print_final_stats=1 \
    -artifact_prefix="$ROOT/$fuzz_build/artifacts/" \
    "$scratch/corpus" "$ROOT/fuzz/corpus") >"$log" 2>&1 || status=$?
grep -a -E '^(stat::number_of_executed_units|stat::average_exec_per_sec|stat::peak_rss_mb|Done)' "$log" || true
if [ $status -ne 0 ] || grep -a -q -E 'ERROR: (AddressSanitizer|LeakSanitizer|libFuzzer)|runtime error:|broken promise' "$log"; then
  grep -a -v '^Output: ' "$log" | tail -60
  echo "fuzzing found a fault (exit $status); the input is in $fuzz_build/artifacts/" >&2
  exit 1
fi

step "benchmarks: build and one short pass (1k QSOs)"
cmake --preset native -B "$bench_build" -DQVT_BUILD_BENCH=ON -DQVT_BUILD_TESTS=OFF >/dev/null
cmake --build "$bench_build" -j2 --target qvt_bench qvt_bench_memory qvt_bench_log
"$bench_build/bin/qvt_bench" --benchmark_filter='/1000$|qsos:1000/' --benchmark_min_time=0.01 \
  >"$ROOT/$bench_build/smoke.txt" 2>&1 || { cat "$ROOT/$bench_build/smoke.txt"; exit 1; }
if grep -q 'ERROR OCCURRED' "$bench_build/smoke.txt"; then
  cat "$bench_build/smoke.txt"
  exit 1
fi

step "hardening tier passed"
