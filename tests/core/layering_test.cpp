// The core must build without any toolkit: no platform header, no platform
// conditional, no platform handle type, in any of its folders.

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include <gtest/gtest.h>

namespace {

TEST(Layering, CoreSeesNoToolkit) {
    const std::regex forbidden(R"(#\s*include\s*<(windows|winuser|richedit|commctrl|Q[A-Za-z]+|fontconfig/[a-z]+)\.?h?>|_WIN32|Q_OS_|\bHWND\b|\bQString\b|\bFcPattern\b)");
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
            EXPECT_FALSE(std::regex_search(text.str(), forbidden)) << entry.path();
        }
    }
    EXPECT_GT(filesRead, 20);
}

}  // namespace
