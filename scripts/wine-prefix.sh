#!/usr/bin/env bash
# Makes the private Wine prefix once (about 12 s): no window manager waits, fonts in place.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
copy_fonts() {
  # Debian's Wine does not find its own fonts.
  mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
  cp -u /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
}
if [ -f "$WINEPREFIX/.qvt-ready" ]; then
  copy_fonts
  exit 0
fi
rm -rf "$WINEPREFIX"
mkdir -p "$(dirname "$WINEPREFIX")"
echo "wine-prefix: creating $WINEPREFIX" >&2
wineboot -i >/dev/null 2>&1 || true
# Without a window manager Wine otherwise waits 2 s each time a window hides.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
copy_fonts
wineserver -w
touch "$WINEPREFIX/.qvt-ready"
