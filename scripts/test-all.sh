#!/usr/bin/env bash
# Every test tier of both targets: installs what is missing, builds the native, sanitizer,
# ThreadSanitizer, fuzz and Windows builds, and runs their tests (the Windows ones under Wine).
# Usage: scripts/test-all.sh [--quick]   (--quick: native and Windows tiers only)
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$(pwd)
quick=0
[ "${1:-}" = "--quick" ] && quick=1
start=$(date +%s)
step() { printf '\n== %s (%ss)\n' "$*" "$(( $(date +%s) - start ))"; }

step "bootstrap"
scripts/bootstrap.sh

step "native: build and test"
cmake --preset native -DQVT_WERROR=ON >/dev/null
cmake --build --preset native
ctest --test-dir build/native -j2 --output-on-failure --timeout 300

if [ $quick = 0 ]; then
  step "AddressSanitizer + UndefinedBehaviorSanitizer: build and test"
  cmake --preset sanitize -DQVT_WERROR=ON >/dev/null
  cmake --build --preset sanitize
  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build/sanitize -j2 --output-on-failure --timeout 600

  if [ -f scripts/test-hardening.sh ]; then
    step "ThreadSanitizer stress and fuzzing"
    scripts/test-hardening.sh
  fi
fi

step "Windows: build and test under Wine"
cmake --preset win32 -DQVT_WERROR=ON >/dev/null
cmake --build --preset win32
scripts/test-windows.sh

step "all tiers passed"
