#pragma once

// Finding the tool's window from another process, for the process test and
// the benchmark.

#include <windows.h>

#include <string>

#include "app/main_window.h"

namespace typovel::win32 {

// GetWindowText does not ask a window of another process; WM_GETTEXT does.
inline std::string TextOf(HWND window) {
    char text[256] = {};
    SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

// The process's visible main window, titled "Typovel", or null.
inline HWND ShownMainWindow(DWORD process) {
    struct Search {
        DWORD process;
        HWND window;
    } search{process, nullptr};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto* found = reinterpret_cast<Search*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner != found->process || !IsWindowVisible(window) || TextOf(window) != kWindowTitle) return TRUE;
            found->window = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.window;
}

}  // namespace typovel::win32
