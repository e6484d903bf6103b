#pragma once

// Ports for the main window's standard controls. Texts are code page 936
// bytes. An index out of range is not an error: queries answer false or "",
// changes do nothing. No operation raises a control event. UI thread only.

#include <cstdint>
#include <string>
#include <string_view>

namespace typovel {

class Control {
public:
    virtual ~Control() = default;
    virtual void FocusControl() = 0;
};

// 选择列表框_字体: an unsorted check list; each item has a text, a tick and a value.
class FontCheckList : public Control {
public:
    virtual void ClearList() = 0;
    virtual int AddItem(std::string_view text, std::int32_t value = 0) = 0;  // index, or -1
    virtual bool TickItem(int index, bool ticked = true) = 0;
    virtual int ItemCount() const = 0;
    virtual bool IsItemTicked(int index) const = 0;
    virtual std::string ItemText(int index) const = 0;
};

// A control whose whole text can be read: 编辑框_输入文本, or the field of 组合框1.
class TextControl : public Control {
public:
    virtual std::string ReadText() const = 0;
};

// 组合框1. The core decides which item is selected (SelectListItem); the
// adapter only carries it out.
class SizeBox : public TextControl {
public:
    virtual int ListItemCount() const = 0;
    // Selects item v, 0 <= v < ListItemCount(), and shows its text in the
    // field; v = -1 selects nothing and empties the field.
    virtual void SetCurrentItem(int v) = 0;
};

// Clamps an index the way the size box's selection does: min(index, n - 1),
// then at least -1.
int ClampListIndex(int index, int itemCount);

// Selects the clamped item; on an empty list every index clears the field.
void SelectListItem(SizeBox& box, int index);

}  // namespace typovel
