#!/usr/bin/env bash
# The main job on Linux: builds both targets (the Windows DLL and the native plug-in with qvt-host), then replays a contest log as
# the host does for a Cabrillo export, in a fresh host folder under build/. Prints the result
# text and the Cabrillo log the plug-in wrote.
#
# usage: scripts/run-sample.sh [LOG [REPLAY OPTIONS...]]
#   LOG defaults to examples/sample-contest.log; options go to `qvt-host replay` (see
#   `build/native/bin/qvt-host replay --help`), e.g. --html or --call.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

log=${1:-examples/sample-contest.log}
[ $# -gt 0 ] && shift

scripts/bootstrap.sh
# Both targets: the Linux library that replays here, and the Windows DLL that we ship.
cmake --preset native >/dev/null
cmake --build --preset native
cmake --preset win32 >/dev/null
cmake --build --preset win32

work=$root/build/sample-run
rm -rf "$work"
mkdir -p "$work"
echo "== Result text (replay of $log, host folder $work)"
build/native/bin/qvt-host --dir "$work" replay "$log" --cabrillo "$@"
echo
shopt -s nullglob
cabrillo=("$work"/*.log)
if [ ${#cabrillo[@]} -gt 0 ]; then
  for file in "${cabrillo[@]}"; do
    echo "== Cabrillo log $file"
    cat "$file"
  done
else
  echo "== No Cabrillo log was written"
fi
echo
echo "== Built: $root/build/win32/bin/QVT.dll (Windows plug-in), $root/build/native/bin/libqvt.so"
