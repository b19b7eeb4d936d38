#!/usr/bin/env bash
# CMAKE_CROSSCOMPILING_EMULATOR: runs one Windows program under the private Wine prefix.
source "$(dirname "$0")/wine-env.sh"
exec wine "$@"
