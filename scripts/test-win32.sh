#!/usr/bin/env bash
# The Win32 shell: cross-builds it with mingw-w64 and runs its tests under
# Wine on a virtual display, in the zh_CN locale (ANSI code page 936).
# Installs what a fresh Debian 12 machine lacks first.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/lib.sh
. scripts/lib-wine.sh
need_wine_packages
started=$SECONDS
configure_and_build win32
wine_environment
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    wineboot -i >/dev/null 2>&1
    wineserver -w
    status=0
    ctest --preset win32 || status=$?
    wineserver -k 2>/dev/null || true
    exit $status'
echo "Win32 shell tests passed in $((SECONDS - started)) s."
