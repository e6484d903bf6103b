#!/usr/bin/env bash
# Every test of the project: the core, the Win32 shell under Wine and the Qt
# shell. Each step installs what a fresh Debian 12 machine lacks first.
set -euo pipefail
cd "$(dirname "$0")/.."
started=$SECONDS
bash scripts/test-core.sh
bash scripts/test-win32.sh
bash scripts/test-qt.sh
echo "All tests passed in $((SECONDS - started)) s."
