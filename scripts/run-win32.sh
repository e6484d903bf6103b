#!/usr/bin/env bash
# Builds the Win32 shell and starts it under Wine, in the zh_CN locale, on
# the user's display.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/lib.sh
. scripts/lib-wine.sh
if [ -z "${DISPLAY:-}" ]; then
    echo "error: no display: DISPLAY is not set, so Wine has nowhere to show the window." >&2
    exit 1
fi
need_wine_packages
configure_and_build win32
wine_environment
[ -d "$WINEPREFIX" ] || wineboot -i >/dev/null 2>&1
exec wine build/win32/shells/win32/typovel.exe
