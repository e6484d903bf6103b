#pragma once

// The main window as both shells build it: its settings, the ten controls in
// the order the window lists them, the focus cycle and the keyboard rules.
// Texts are code page 936 bytes.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace typovel {

inline constexpr std::string_view kWindowTitle = "Typovel";
inline constexpr int kWindowWidth = 674;   // outer size, frame included
inline constexpr int kWindowHeight = 525;
// How far the controls reach in the client area.
inline constexpr int kClientReachWidth = 664;
inline constexpr int kClientReachHeight = 496;

struct Point {
    int x = 0;
    int y = 0;
};

// Top-left corner that centres the window; each halving truncates toward zero.
Point CentredOrigin(int screenWidth, int screenHeight);

// In the order of the window's control table; creation runs backwards.
enum class ControlId {
    SizeBox,        // 组合框1
    SizeLabel,      // 标签2
    PreviewView,    // 超级编辑框1
    InputLabel,     // 标签1
    EnglishRadio,   // 单选框_英文
    ChineseRadio,   // 单选框_中文
    ScriptGroup,    // 分组框1
    FontList,       // 选择列表框_字体
    PreviewButton,  // 按钮_预览
    InputBox,       // 编辑框_输入文本
};
inline constexpr int kControlCount = 10;

enum class ControlKind { ComboBox, Label, RichEdit, RadioBox, GroupBox, CheckList, Button, EditBox };

struct ControlEntry {
    ControlId id;
    std::string_view name;
    ControlKind kind;
    std::optional<ControlId> parent;  // none: the main window
    int left;                         // relative to the parent's client area
    int top;
    int width;
    int height;
    std::string_view text;
    bool tabStop;
};

inline constexpr std::array<ControlEntry, kControlCount> kControls = {{
    {ControlId::SizeBox, "\xD7\xE9\xBA\xCF\xBF\xF2\x31", ControlKind::ComboBox, std::nullopt, 482, 12, 54, 20, "", true},
    {ControlId::SizeLabel, "\xB1\xEA\xC7\xA9\x32", ControlKind::Label, std::nullopt, 448, 8, 40, 24, "\xB4\xF3\xD0\xA1\xA3\xBA", false},
    {ControlId::PreviewView, "\xB3\xAC\xBC\xB6\xB1\xE0\xBC\xAD\xBF\xF2\x31", ControlKind::RichEdit, std::nullopt, 144, 40, 520, 456, "", true},
    {ControlId::InputLabel, "\xB1\xEA\xC7\xA9\x31", ControlKind::Label, std::nullopt, 11, 8, 61, 24, "\xCA\xE4\xC8\xEB\xCE\xC4\xD7\xD6\xA3\xBA", false},
    {ControlId::EnglishRadio, "\xB5\xA5\xD1\xA1\xBF\xF2\x5F\xD3\xA2\xCE\xC4", ControlKind::RadioBox, ControlId::ScriptGroup, 72, 16, 48, 24, "\xD3\xA2\xCE\xC4", true},
    {ControlId::ChineseRadio, "\xB5\xA5\xD1\xA1\xBF\xF2\x5F\xD6\xD0\xCE\xC4", ControlKind::RadioBox, ControlId::ScriptGroup, 8, 16, 48, 24, "\xD6\xD0\xCE\xC4", true},
    {ControlId::ScriptGroup, "\xB7\xD6\xD7\xE9\xBF\xF2\x31", ControlKind::GroupBox, std::nullopt, 4, 42, 136, 48, "", false},
    {ControlId::FontList, "\xD1\xA1\xD4\xF1\xC1\xD0\xB1\xED\xBF\xF2\x5F\xD7\xD6\xCC\xE5", ControlKind::CheckList, std::nullopt, 3, 96, 139, 400, "", true},
    {ControlId::PreviewButton, "\xB0\xB4\xC5\xA5\x5F\xD4\xA4\xC0\xC0", ControlKind::Button, std::nullopt, 561, 4, 80, 32, "\xD4\xA4\xC0\xC0", true},
    {ControlId::InputBox, "\xB1\xE0\xBC\xAD\xBF\xF2\x5F\xCA\xE4\xC8\xEB\xCE\xC4\xB1\xBE", ControlKind::EditBox, std::nullopt, 72, 8, 368, 24, "\xC7\xEB\xCA\xE4\xC8\xEB\xCE\xC4\xD7\xD6", true},
}};

const ControlEntry& EntryOf(ControlId id);

// The size box's list, unsorted; index 7 is "24".
inline constexpr std::array<std::string_view, 14> kSizeItems = {
    "10", "12", "14", "16", "18", "20", "22", "24", "26", "28", "32", "36", "48", "72"};
inline constexpr int kInitialSizeItem = 7;
// The size box's window is this tall so that its list drops this far.
inline constexpr int kSizeBoxDropHeight = 160;

// Tab moves forward through this cycle, Shift+Tab backward, wrapping at both
// ends: the table's tab stops in reverse.
inline constexpr std::array<ControlId, 7> kFocusOrder = {
    ControlId::InputBox, ControlId::PreviewButton, ControlId::FontList, ControlId::ChineseRadio,
    ControlId::EnglishRadio, ControlId::PreviewView, ControlId::SizeBox};

enum class FocusDirection { Forward, Backward };

// The next control of the cycle; from a control outside it, the first one.
ControlId NextInFocusOrder(std::optional<ControlId> current, FocusDirection direction);

enum class Key { Enter, Escape, Left, Up, Right, Down };

enum class KeyAction {
    PassToControl,       // the focused control handles the key itself
    ClickDefaultButton,  // raise 按钮_预览's click
    CloseWindow,         // send the window its close request
    MoveRadio,           // check the other radio button, raise its click, focus it
};

// What the window does with a key before the focused control sees it.
KeyAction ResolveKey(Key key, std::optional<ControlId> focused);

// The radio button an arrow key moves to: with two buttons, the other one.
ControlId OtherRadio(ControlId radio);

}  // namespace typovel
