// Figures for the Win32 shell under Wine: start-up of the real program to its
// shown window, a preview of 100 and of 1,000 lines, and a refill of the list
// on a radio click. Prints medians; run it through scripts/bench-win32.sh.

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "shells/win32/main_window.h"
#include "tests/win32/process_windows.h"

namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::duration elapsed) { return std::chrono::duration<double, std::milli>(elapsed).count(); }

double Median(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

void Pump(typovel::win32::MainWindow& window) {
    for (int round = 0; round < 3; ++round) window.ProcessPending();
}

// From CreateProcess to a visible main window, which the program shows only
// after its list is filled.
double StartupMilliseconds(const std::string& program) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const Clock::time_point started = Clock::now();
    if (!CreateProcessA(program.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) return -1;
    HWND window = nullptr;
    while (window == nullptr && Clock::now() - started < std::chrono::seconds(60)) {
        window = typovel::win32::ShownMainWindow(process.dwProcessId);
        if (window == nullptr) Sleep(1);
    }
    const double elapsed = Milliseconds(Clock::now() - started);
    if (window != nullptr) PostMessageA(window, WM_CLOSE, 0, 0);
    WaitForSingleObject(process.hProcess, 30000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return window != nullptr ? elapsed : -1;
}

// The median time of a click on a control, the loop emptied after each.
double MedianClickMilliseconds(typovel::win32::MainWindow& window, typovel::ControlId control, int runs) {
    std::vector<double> samples;
    for (int run = 0; run < runs; ++run) {
        const Clock::time_point started = Clock::now();
        SendMessageA(window.ControlWindow(control), BM_CLICK, 0, 0);
        samples.push_back(Milliseconds(Clock::now() - started));
        Pump(window);
    }
    return Median(samples);
}

double PreviewMilliseconds(typovel::win32::MainWindow& window, const std::vector<std::string>& faces, int lines) {
    typovel::win32::CheckListControl& list = window.FontList();
    list.ClearList();
    for (int i = 0; i < lines; ++i) list.TickItem(list.AddItem(faces[static_cast<std::size_t>(i) % faces.size()], 0), true);
    SetWindowTextA(window.ControlWindow(typovel::ControlId::InputBox), "Typovel \xD7\xD6\xCC\xE5\xD4\xA4\xC0\xC0 0123456789");
    return MedianClickMilliseconds(window, typovel::ControlId::PreviewButton, 7);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: win32_bench PATH-TO-typovel.exe\n");
        return 2;
    }
    std::vector<double> startups;
    for (int run = 0; run < 5; ++run) startups.push_back(StartupMilliseconds(argv[1]));
    std::printf("start-up to shown window:  %8.1f ms (median of 5)\n", Median(startups));

    typovel::PreviewState state;
    typovel::win32::MainWindow window(GetModuleHandleA(nullptr));
    if (!window.CreateMainWindow(state)) return 1;
    Pump(window);

    const double refill = MedianClickMilliseconds(window, typovel::ControlId::ChineseRadio, 10);
    std::printf("refill on a radio click:   %8.1f ms (median of 10, %d fonts)\n", refill, window.FontList().ItemCount());

    std::vector<std::string> faces;
    for (int i = 0; i < window.FontList().ItemCount(); ++i) faces.push_back(window.FontList().ItemText(i));
    const double hundred = PreviewMilliseconds(window, faces, 100);
    const double thousand = PreviewMilliseconds(window, faces, 1000);
    std::printf("preview of 100 lines:      %8.1f ms (%.3f ms a line, median of 7)\n", hundred, hundred / 100);
    std::printf("preview of 1000 lines:     %8.1f ms (%.3f ms a line, median of 7)\n", thousand, thousand / 1000);
    std::printf("1000 lines / 100 lines:    %8.2f x\n", thousand / hundred);
    return 0;
}
