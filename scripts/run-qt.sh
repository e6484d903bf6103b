#!/usr/bin/env bash
# Builds the Qt shell and starts it on the user's display.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/lib.sh
. scripts/lib-qt.sh

# True when a Wayland socket or a local X server socket is there, or a remote
# X server answers on its port within a few seconds.
display_reachable() {
    if [ -n "${WAYLAND_DISPLAY:-}" ]; then
        local socket=$WAYLAND_DISPLAY
        [[ $socket == /* ]] || socket="${XDG_RUNTIME_DIR:-/run/user/$(id -u)}/$socket"
        [ -S "$socket" ] && return 0
    fi
    if [ -n "${DISPLAY:-}" ]; then
        case $DISPLAY in
            :*)
                local number=${DISPLAY#:}
                number=${number%%.*}
                [ -S "/tmp/.X11-unix/X$number" ] && return 0
                ;;
            *)
                local host=${DISPLAY%%:*}
                local number=${DISPLAY##*:}
                number=${number%%.*}
                [ -n "$host" ] && [[ $number =~ ^[0-9]+$ ]] || return 0
                timeout 5 bash -c "exec 3<>/dev/tcp/$host/$((6000 + number))" 2>/dev/null && return 0
                ;;
        esac
    fi
    return 1
}

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "error: no display: neither DISPLAY nor WAYLAND_DISPLAY is set, so the Qt shell has nowhere to show its window." >&2
    echo "Run this from a desktop session, or use scripts/test-qt.sh to test it without a display." >&2
    exit 1
fi
if ! display_reachable; then
    echo "error: the display cannot be opened (DISPLAY=${DISPLAY:-unset}, WAYLAND_DISPLAY=${WAYLAND_DISPLAY:-unset}): no server is listening there." >&2
    exit 1
fi

need_qt_packages qt6-wayland
configure_and_build qt
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-$( [ -n "${WAYLAND_DISPLAY:-}" ] && echo "wayland;xcb" || echo xcb )}
status=0
build/qt/shells/qt/typovel || status=$?
# Qt aborts (status 134) when it cannot open the display.
if [ "$status" -eq 134 ]; then
    echo "error: the Qt shell could not start on the display ${DISPLAY:-$WAYLAND_DISPLAY}; Qt's reason is above." >&2
elif [ "$status" -gt 128 ]; then
    echo "The Qt shell was stopped by signal $((status - 128))." >&2
elif [ "$status" -ne 0 ]; then
    echo "error: the Qt shell ended with status $status." >&2
fi
exit "$status"
