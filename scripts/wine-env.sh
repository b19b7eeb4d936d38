# Sourced: the private Wine prefix of this checkout and the quiet Wine settings every run uses.
QVT_ROOT=${QVT_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
export WINEPREFIX=${QVT_WINEPREFIX:-$QVT_ROOT/build/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
export WINEARCH=win32
