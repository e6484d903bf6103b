#pragma once

// The ports over the real Win32 controls, through the ANSI API: every text is
// in the system's ANSI code page, 936 on the desktops the tool is made for.

#include <windows.h>

#include "app/controls.h"
#include "preview/rich_view.h"
#include "services/message_box.h"

namespace typovel::win32 {

// Every adapter wraps one window, set once the control exists.
class WindowHandle {
public:
    HWND Handle() const { return window_; }
    void Attach(HWND window) { window_ = window; }

protected:
    HWND window_ = nullptr;
};

// 选择列表框_字体: an owner-drawn list box. Each item's data word holds the
// item value in its low 32 bits and the tick in bit 32, so neither disturbs
// the other.
class CheckListControl final : public FontCheckList, public WindowHandle {
public:
    void FocusControl() override;
    void ClearList() override;
    int AddItem(std::string_view text, std::int32_t value) override;
    bool TickItem(int index, bool ticked) override;
    int ItemCount() const override;
    bool IsItemTicked(int index) const override;
    std::string ItemText(int index) const override;

    std::int32_t ItemValue(int index) const;
    void ToggleTick(int index);
    // Where an item's check box is drawn and clicked, within the item's rectangle.
    static RECT CheckBoxRect(const RECT& item);

private:
    bool InRange(int index) const { return index >= 0 && index < ItemCount(); }
};

class TextBoxControl final : public TextControl, public WindowHandle {
public:
    void FocusControl() override;
    std::string ReadText() const override;
};

class SizeBoxControl final : public SizeBox, public WindowHandle {
public:
    void FocusControl() override;
    std::string ReadText() const override;
    int ListItemCount() const override;
    void SetCurrentItem(int v) override;
};

// 超级编辑框1: the rich edit control, written through plain-text streams.
class RichViewControl final : public RichView, public WindowHandle {
public:
    void FocusControl() override;
    void SetContent(std::string_view text) override;
    std::int32_t TextLength() const override;
    void SetSelection(CharRange range) override;
    void SetSelFormat(const ViewCharFormat& format) override;
    void SetSelText(std::string_view text) override;
    void FreezeUpdates() override;
    void ThawUpdates() override;

    // The rich edit library, loaded once per process: RICHED20.DLL, else
    // RICHED32.DLL. False when neither loads.
    static bool LoadLibraryOnce();
    // Creates the view with its settings, as a hidden child; false when
    // neither window class can be created.
    bool Create(HWND parent, int id, int left, int top, int width, int height, DWORD extraStyle);

private:
    void StreamIn(std::string_view text, WPARAM format);
};

class MessageBoxControl final : public MessageBoxPort {
public:
    int Show(std::string_view message, std::string_view caption, std::uint32_t style, const Control* owner) override;
};

// A text of the whole window, whatever its length.
std::string WindowText(HWND window);

// A face name cut to what CHARFORMATA and LOGFONTA hold (31 bytes), without
// splitting a double-byte character.
std::string FaceNameForGdi(std::string_view name);

}  // namespace typovel::win32
