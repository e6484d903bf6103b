#!/usr/bin/env bash
# Starts the tool: the native Qt shell on this Linux desktop. The Win32 build
# runs under Wine with scripts/run-win32.sh.
exec bash "$(dirname "$0")/run-qt.sh" "$@"
