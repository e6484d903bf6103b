#pragma once

// Behaviour that both desktop shells promise, as one table that the Win32
// suite and the Qt suite both read, so neither can drift from the other.
// Texts are code page 936 bytes.

#include <array>
#include <cstdint>
#include <string_view>

#include "app/main_window.h"

namespace typovel::shell_cases {

// The window at first sight.
inline constexpr std::string_view kStartupSizeText = "24";
inline constexpr std::string_view kStartupInputText = "\xC7\xEB\xCA\xE4\xC8\xEB\xCE\xC4\xD7\xD6";  // 请输入文字
inline constexpr std::string_view kWenQuanYiZenHei = "\xCE\xC4\xC8\xAA\xE6\xE4\xD5\xFD\xBA\xDA";    // 文泉驿正黑

// SelectListItem on the real size box: the index and what the field shows.
struct SelectCase {
    int index;
    std::string_view field;
};
inline constexpr std::array<SelectCase, 5> kSelectListItem = {{
    {7, "24"}, {99, "72"}, {13, "72"}, {0, "10"}, {-5, ""},
}};

// Size events: what the user does to the size box and the sizes stored.
inline constexpr std::int32_t kChosenSize = 36;  // choosing "36" from the list stores 36 once
inline constexpr std::array<std::int32_t, 3> kTypedSizes = {0, 3, 30};  // empty the field, type 3, type 0

// Sizes typed into the field that must still preview without a crash or hang.
inline constexpr std::array<std::string_view, 6> kBadSizes = {"0", "-4", "2147483647", "1e39", "3e9", "abc"};

// Tab from each control of the cycle, and Shift+Tab back.
struct TabCase {
    ControlId from;
    ControlId forward;
    ControlId backward;
};
inline constexpr std::array<TabCase, 7> kTabCycle = {{
    {ControlId::InputBox, ControlId::PreviewButton, ControlId::SizeBox},
    {ControlId::PreviewButton, ControlId::FontList, ControlId::InputBox},
    {ControlId::FontList, ControlId::ChineseRadio, ControlId::PreviewButton},
    {ControlId::ChineseRadio, ControlId::EnglishRadio, ControlId::FontList},
    {ControlId::EnglishRadio, ControlId::PreviewView, ControlId::ChineseRadio},
    {ControlId::PreviewView, ControlId::SizeBox, ControlId::EnglishRadio},
    {ControlId::SizeBox, ControlId::InputBox, ControlId::PreviewView},
}};

// Enter previews from every control of the cycle except the rich view.
inline constexpr std::array<ControlId, 6> kEnterPreviewsFrom = {
    ControlId::InputBox, ControlId::PreviewButton, ControlId::FontList,
    ControlId::ChineseRadio, ControlId::EnglishRadio, ControlId::SizeBox};

// A sample full of markup and braces, and what each preview line shows of it.
inline constexpr std::string_view kMarkupSample = "{\\rtf1 {\\fonttbl x}a\\par b\\'41}}\\}";
inline constexpr std::string_view kMarkupPlain = "a\r\nbA";

}  // namespace typovel::shell_cases
