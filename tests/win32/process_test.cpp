// The program as a user starts it: its own process, its window found from
// outside, closed by Esc or by the close command, exit code read back.

#include <windows.h>

#include <string>

#include <gtest/gtest.h>

#include "app/main_window.h"
#include "shells/win32/win32_controls.h"
#include "tests/shared/shell_cases.h"
#include "tests/win32/process_windows.h"

namespace typovel::win32 {
namespace {

// Wine maps the Unix file system to drive Z:.
std::string ProgramPath() {
    std::string path = "Z:" TYPOVEL_EXE;
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

class ProcessTest : public ::testing::Test {
protected:
    void SetUp() override {
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        std::string path = ProgramPath();
        ASSERT_TRUE(CreateProcessA(path.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) << path;
        for (int tries = 0; tries < 600 && window == nullptr; ++tries) {
            Sleep(50);
            window = ShownMainWindow(process.dwProcessId);
        }
        ASSERT_NE(window, nullptr);
    }

    void TearDown() override {
        if (WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(process.hProcess, 99);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }

    HWND FocusedWindow() const {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(process.dwThreadId, &info);
        return info.hwndFocus;
    }

    DWORD ExitCodeAfterClose() const {
        EXPECT_EQ(WaitForSingleObject(process.hProcess, 30000), WAIT_OBJECT_0);
        DWORD code = 12345;
        GetExitCodeProcess(process.hProcess, &code);
        return code;
    }

    PROCESS_INFORMATION process{};
    HWND window = nullptr;
};

TEST_F(ProcessTest, OpensReadyAndEscapeExitsWithZero) {
    HWND focus = nullptr;
    for (int tries = 0; tries < 100 && focus == nullptr; ++tries, Sleep(50)) focus = FocusedWindow();
    ASSERT_NE(focus, nullptr);
    EXPECT_EQ(TextOf(focus), shell_cases::kStartupInputText);
    RECT outer{};
    GetWindowRect(window, &outer);
    EXPECT_EQ(outer.right - outer.left, kWindowWidth);
    EXPECT_EQ(outer.bottom - outer.top, kWindowHeight);
    PostMessageA(focus, WM_KEYDOWN, VK_ESCAPE, 1);
    EXPECT_EQ(ExitCodeAfterClose(), 0U);
}

TEST_F(ProcessTest, CloseCommandExitsWithZero) {
    PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(ExitCodeAfterClose(), 0U);
}

}  // namespace
}  // namespace typovel::win32
