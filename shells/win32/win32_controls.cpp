#include "shells/win32/win32_controls.h"

#include <richedit.h>

#include <algorithm>
#include <climits>
#include <cstring>

namespace typovel::win32 {
namespace {

constexpr LPARAM kTickBit = LPARAM{1} << 32;

LPARAM ItemData(HWND list, int index) { return SendMessageA(list, LB_GETITEMDATA, static_cast<WPARAM>(index), 0); }

void RepaintItem(HWND list, int index) {
    RECT item{};
    if (SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)) != LB_ERR)
        InvalidateRect(list, &item, FALSE);
}

struct StreamSource {
    const char* next;
    std::size_t left;
};

// Hands over whole characters only: Wine's rich edit loses a double-byte
// character that one read splits, and the stream contract allows short reads.
DWORD CALLBACK ReadStream(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* given) {
    auto* source = reinterpret_cast<StreamSource*>(cookie);
    const std::size_t most = std::min<std::size_t>(source->left, static_cast<std::size_t>(std::max<LONG>(wanted, 0)));
    std::size_t count = 0;
    while (count < most) {
        const std::size_t width = IsDBCSLeadByte(static_cast<BYTE>(source->next[count])) && count + 1 < source->left ? 2 : 1;
        if (count + width > most) break;
        count += width;
    }
    if (count == 0) count = most;  // a read of one byte cannot hold a pair
    std::memcpy(buffer, source->next, count);
    source->next += count;
    source->left -= count;
    *given = static_cast<LONG>(count);
    return 0;
}

}  // namespace

std::string WindowText(HWND window) {
    const int length = GetWindowTextLengthA(window);
    if (length <= 0) return {};
    // Some controls count characters here rather than bytes (Wine's rich edit
    // does) and then refuse a buffer too small for the bytes; a code page 936
    // character never takes more than two.
    const int room = length > (INT_MAX - 1) / 2 ? INT_MAX : length * 2 + 1;
    std::string text(static_cast<std::size_t>(room), '\0');
    const int copied = GetWindowTextA(window, text.data(), room);
    text.resize(static_cast<std::size_t>(std::max(copied, 0)));
    return text;
}

std::string FaceNameForGdi(std::string_view name) {
    constexpr std::size_t kMaxBytes = LF_FACESIZE - 1;
    std::size_t cut = 0;
    while (cut < name.size()) {
        const std::size_t width = static_cast<unsigned char>(name[cut]) >= 0x80 ? 2 : 1;
        if (cut + width > kMaxBytes || cut + width > name.size()) break;
        cut += width;
    }
    return std::string(name.substr(0, cut));
}

void CheckListControl::FocusControl() { SetFocus(window_); }

void CheckListControl::ClearList() { SendMessageA(window_, LB_RESETCONTENT, 0, 0); }

int CheckListControl::AddItem(std::string_view text, std::int32_t value) {
    const std::string item(text);
    const LRESULT index = SendMessageA(window_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    if (index < 0) return -1;
    SendMessageA(window_, LB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(static_cast<std::uint32_t>(value)));
    return static_cast<int>(index);
}

bool CheckListControl::TickItem(int index, bool ticked) {
    if (!InRange(index)) return false;
    const LPARAM data = ItemData(window_, index);
    SendMessageA(window_, LB_SETITEMDATA, static_cast<WPARAM>(index), ticked ? data | kTickBit : data & ~kTickBit);
    RepaintItem(window_, index);
    return true;
}

int CheckListControl::ItemCount() const { return static_cast<int>(SendMessageA(window_, LB_GETCOUNT, 0, 0)); }

bool CheckListControl::IsItemTicked(int index) const { return InRange(index) && (ItemData(window_, index) & kTickBit) != 0; }

std::string CheckListControl::ItemText(int index) const {
    if (!InRange(index)) return {};
    const LRESULT length = SendMessageA(window_, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length <= 0) return {};
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const LRESULT copied = SendMessageA(window_, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(std::max<LRESULT>(copied, 0)));
    return text;
}

std::int32_t CheckListControl::ItemValue(int index) const {
    return InRange(index) ? static_cast<std::int32_t>(static_cast<std::uint32_t>(ItemData(window_, index))) : 0;
}

void CheckListControl::ToggleTick(int index) { TickItem(index, !IsItemTicked(index)); }

RECT CheckListControl::CheckBoxRect(const RECT& item) {
    const int side = std::min<int>(GetSystemMetrics(SM_CYMENUCHECK), item.bottom - item.top);
    const int top = item.top + (item.bottom - item.top - side) / 2;
    return {item.left + 2, top, item.left + 2 + side, top + side};
}

void TextBoxControl::FocusControl() { SetFocus(window_); }

std::string TextBoxControl::ReadText() const { return WindowText(window_); }

void SizeBoxControl::FocusControl() { SetFocus(window_); }

std::string SizeBoxControl::ReadText() const { return WindowText(window_); }

int SizeBoxControl::ListItemCount() const { return static_cast<int>(SendMessageA(window_, CB_GETCOUNT, 0, 0)); }

void SizeBoxControl::SetCurrentItem(int v) { SendMessageA(window_, CB_SETCURSEL, static_cast<WPARAM>(v), 0); }

bool RichViewControl::LoadLibraryOnce() {
    static const bool loaded = LoadLibraryA("RICHED20.DLL") != nullptr || LoadLibraryA("RICHED32.DLL") != nullptr;
    return loaded;
}

bool RichViewControl::Create(HWND parent, int id, int left, int top, int width, int height, DWORD extraStyle) {
    if (!LoadLibraryOnce()) return false;
    const DWORD style = WS_CHILD | WS_CLIPSIBLINGS | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | extraStyle;
    for (const char* windowClass : {"RichEdit20A", "RICHEDIT"}) {
        window_ = CreateWindowExA(0, windowClass, "", style, left, top, width, height, parent,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
        if (window_ != nullptr) break;
    }
    if (window_ == nullptr) return false;

    CHARFORMATA standard{};
    standard.cbSize = sizeof standard;
    standard.dwMask = CFM_SIZE | CFM_COLOR | CFM_FACE | CFM_OFFSET | CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT | CFM_PROTECTED | CFM_CHARSET;
    standard.yHeight = 180;
    standard.dwEffects = CFE_AUTOCOLOR;
    standard.bCharSet = DEFAULT_CHARSET;
    std::strcpy(standard.szFaceName, "\xCB\xCE\xCC\xE5");  // 宋体
    SendMessageA(window_, EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&standard));
    SetContent("");
    SendMessageA(window_, EM_EXLIMITTEXT, 0, 0x7FFFFFFF);
    SetSelection(SelectionForStart(0));
    SendMessageA(window_, EM_SETBKGNDCOLOR, 1, 0xFFFFFF);
    SetWindowLongPtrA(window_, GWL_EXSTYLE, (GetWindowLongPtrA(window_, GWL_EXSTYLE) | WS_EX_CLIENTEDGE) & ~(WS_EX_DLGMODALFRAME | WS_EX_STATICEDGE));
    SetWindowLongPtrA(window_, GWL_STYLE, GetWindowLongPtrA(window_, GWL_STYLE) & ~WS_BORDER);
    SetWindowPos(window_, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    SendMessageA(window_, EM_SETEVENTMASK, 0, ENM_CHANGE | ENM_SCROLL | ENM_SELCHANGE | ENM_PROTECTED);
    SendMessageA(window_, EM_SETOPTIONS, ECOOP_OR, ECO_AUTOWORDSELECTION);
    SendMessageA(window_, EM_SETMODIFY, 0, 0);
    return true;
}

void RichViewControl::FocusControl() { SetFocus(window_); }

void RichViewControl::StreamIn(std::string_view text, WPARAM format) {
    StreamSource source{text.data(), text.size()};
    EDITSTREAM stream{};
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(&source);
    stream.pfnCallback = ReadStream;
    SendMessageA(window_, EM_STREAMIN, format, reinterpret_cast<LPARAM>(&stream));
}

void RichViewControl::SetContent(std::string_view text) { StreamIn(text, SF_TEXT); }

std::int32_t RichViewControl::TextLength() const { return static_cast<std::int32_t>(SendMessageA(window_, WM_GETTEXTLENGTH, 0, 0)); }

void RichViewControl::SetSelection(CharRange range) {
    CHARRANGE selection{range.min, range.max};
    SendMessageA(window_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&selection));
}

void RichViewControl::SetSelFormat(const ViewCharFormat& format) {
    CHARFORMATA applied{};
    applied.cbSize = sizeof applied;
    // Face, size, offset, colour and all five effects together; never the character set.
    applied.dwMask = CFM_SIZE | CFM_COLOR | CFM_FACE | CFM_OFFSET | CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT | CFM_PROTECTED;
    applied.dwEffects = format.effects | (format.automaticColour ? CFE_AUTOCOLOR : 0);
    applied.yHeight = format.height;
    applied.yOffset = format.offset;
    applied.crTextColor = format.colour;
    const std::string face = FaceNameForGdi(format.faceName);
    std::memcpy(applied.szFaceName, face.c_str(), face.size() + 1);
    SendMessageA(window_, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&applied));
}

void RichViewControl::SetSelText(std::string_view text) { StreamIn(text, SFF_SELECTION | SF_TEXT); }

// Without this, Wine's rich edit repaints the whole view for every line it
// takes, and a preview costs more per line the longer it gets.
void RichViewControl::FreezeUpdates() { SendMessageA(window_, WM_SETREDRAW, FALSE, 0); }

void RichViewControl::ThawUpdates() {
    SendMessageA(window_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(window_, nullptr, TRUE);
}

int MessageBoxControl::Show(std::string_view message, std::string_view caption, std::uint32_t style, const Control* owner) {
    const auto* window = dynamic_cast<const WindowHandle*>(owner);
    return MessageBoxA(window != nullptr ? window->Handle() : nullptr, std::string(message).c_str(), std::string(caption).c_str(), style);
}

}  // namespace typovel::win32
