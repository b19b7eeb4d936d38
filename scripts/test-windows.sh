#!/usr/bin/env bash
# Runs the win32 build's tests under Wine and Xvfb (build it first: cmake --build --preset win32).
# Extra arguments go to ctest, e.g. -R Cabrillo.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/wine-prefix.sh
source scripts/wine-env.sh
wineserver -k 2>/dev/null || true
# A persistent server: each Wine process then starts in about 0.1 s instead of seconds.
wineserver -p
trap 'wineserver -k 2>/dev/null || true' EXIT
# Everything under one Xvfb display: the desktop that Wine's first program starts binds to it.
# That first program also starts Wine's background services, which inherit its output pipes and
# outlive it; started here with their output going nowhere, they cannot keep a test's pipe open
# (CTest would wait for it until its timeout).
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  wine cmd /c exit </dev/null >/dev/null 2>&1 || true
  exec ctest --test-dir build/win32 -j2 --output-on-failure --timeout 600 "$@"' qvt-wine-tests "$@"
