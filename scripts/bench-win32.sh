#!/usr/bin/env bash
# Prints the Win32 shell's figures under Wine: start-up, refill, previews.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/lib.sh
. scripts/lib-wine.sh
need_wine_packages
configure_and_build win32
wine_environment
program="Z:$(pwd)/build/win32/shells/win32/typovel.exe"
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c "
    wineboot -i >/dev/null 2>&1
    wineserver -w
    wine build/win32/shells/win32/win32_bench.exe '${program//\//\\}'"
