#!/usr/bin/env bash
# Installs what a fresh Debian (bookworm) machine lacks to build and test both targets.
# Idempotent: when everything is present it only checks and returns.
set -euo pipefail

need_pkgs=(cmake g++ ninja-build googletest libgtest-dev libgmock-dev libbenchmark-dev
           g++-mingw-w64-i686 clang libclang-rt-14-dev wine wine32 fonts-wine xvfb xauth x11-apps
           imagemagick hamradio-files python3)

missing=()
have_i386=0
dpkg --print-foreign-architectures | grep -qx i386 && have_i386=1
for p in "${need_pkgs[@]}"; do
  q=$p
  [ "$p" = wine32 ] && q=wine32:i386
  dpkg-query -W -f='${Status}' "$q" 2>/dev/null | grep -q 'ok installed' || missing+=("$q")
done

if [ ${#missing[@]} -eq 0 ] && [ $have_i386 = 1 ]; then
  exit 0
fi

SUDO=
[ "$(id -u)" -ne 0 ] && SUDO=sudo
export DEBIAN_FRONTEND=noninteractive
if [ $have_i386 = 0 ]; then
  $SUDO dpkg --add-architecture i386
fi
echo "bootstrap: installing ${missing[*]}" >&2
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
