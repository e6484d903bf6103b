// The core must build without any toolkit: no platform header, no platform
// conditional, no platform handle type, in any of its folders.

#include <array>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string_view>

#include <gtest/gtest.h>

namespace {

constexpr std::array<std::string_view, 12> kForbidden = {
    "<windows.h>", "<richedit.h>", "<commctrl.h>", "<Q", "<fontconfig/", "_WIN32",
    "Q_OS_", "HWND", "QString", "FcPattern", "LPARAM", "WPARAM"};

TEST(Layering, CoreSeesNoToolkit) {
    const std::filesystem::path root = TYPOVEL_SOURCE_DIR;
    int filesRead = 0;
    for (const char* folder : {"app", "fonts", "preview", "services"}) {
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root / folder)) {
            const std::string name = entry.path().filename().string();
            // Platform font sources pair with the core by name but belong to a shell's build.
            if (!entry.is_regular_file() || name.find("_gdi.") != std::string::npos || name.find("_fontconfig.") != std::string::npos) continue;
            std::ifstream file(entry.path());
            std::stringstream text;
            text << file.rdbuf();
            ++filesRead;
            for (std::string_view word : kForbidden) EXPECT_EQ(text.str().find(word), std::string::npos) << entry.path() << ": " << word;
        }
    }
    EXPECT_GT(filesRead, 20);
}

}  // namespace
