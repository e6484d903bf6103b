#!/usr/bin/env bash
# The Qt shell: builds it and runs its tests on the offscreen platform, with
# the fonts the tests read. Installs what a fresh Debian 12 machine lacks first.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/lib.sh
. scripts/lib-qt.sh
need_qt_packages
ensure_runtime_dir
started=$SECONDS
configure_and_build qt
QT_QPA_PLATFORM=offscreen ctest --preset qt
echo "Qt shell tests passed in $((SECONDS - started)) s."
