#include "shells/win32/main_window.h"

#include <commctrl.h>
#include <richedit.h>
#include <windowsx.h>

#include <algorithm>
#include <string>

namespace typovel::win32 {
namespace {

constexpr char kWindowClass[] = "TypovelMainWindow";
constexpr int kFirstControlId = 1000;
// Posted to the size box by its CBN_SELENDOK, so that the handler runs once
// the field shows the chosen item.
constexpr UINT kSizeItemSelected = WM_APP + 1;
constexpr int kIconResource = 1;

static_assert(CFE_BOLD == kBold && CFE_ITALIC == kItalic && CFE_UNDERLINE == kUnderline && CFE_STRIKEOUT == kStrikeOut && CFE_PROTECTED == kProtected);

int ControlIdNumber(ControlId id) { return kFirstControlId + static_cast<int>(id); }

const char* WindowClassOf(ControlKind kind) {
    switch (kind) {
        case ControlKind::ComboBox: return "COMBOBOX";
        case ControlKind::Label: return "STATIC";
        case ControlKind::RichEdit: return nullptr;  // created by RichViewControl
        case ControlKind::RadioBox:
        case ControlKind::GroupBox:
        case ControlKind::Button: return "BUTTON";
        case ControlKind::CheckList: return "LISTBOX";
        case ControlKind::EditBox: return "EDIT";
    }
    return nullptr;
}

DWORD StyleOf(ControlKind kind) {
    switch (kind) {
        case ControlKind::ComboBox: return CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL;
        case ControlKind::Label: return SS_LEFTNOWORDWRAP | SS_CENTERIMAGE;
        case ControlKind::RichEdit: return 0;
        case ControlKind::RadioBox: return BS_AUTORADIOBUTTON | BS_MULTILINE | BS_LEFT | BS_VCENTER;
        case ControlKind::GroupBox: return BS_GROUPBOX;
        case ControlKind::CheckList:
            return LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY | LBS_USETABSTOPS | LBS_NOINTEGRALHEIGHT | LBS_MULTICOLUMN | WS_HSCROLL;
        case ControlKind::Button: return BS_DEFPUSHBUTTON | BS_MULTILINE | BS_CENTER | BS_VCENTER;
        case ControlKind::EditBox: return ES_AUTOHSCROLL | ES_LEFT;
    }
    return 0;
}

DWORD ExtendedStyleOf(ControlKind kind) {
    return kind == ControlKind::CheckList || kind == ControlKind::EditBox ? WS_EX_CLIENTEDGE : 0;
}

int FontHeight(HFONT font) {
    HDC screen = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(screen, font);
    TEXTMETRICA metrics{};
    GetTextMetricsA(screen, &metrics);
    SelectObject(screen, previous);
    ReleaseDC(nullptr, screen);
    return metrics.tmHeight;
}

std::optional<Key> KeyOf(WPARAM virtualKey) {
    switch (virtualKey) {
        case VK_RETURN: return Key::Enter;
        case VK_ESCAPE: return Key::Escape;
        case VK_LEFT: return Key::Left;
        case VK_UP: return Key::Up;
        case VK_RIGHT: return Key::Right;
        case VK_DOWN: return Key::Down;
        default: return std::nullopt;
    }
}

}  // namespace

MainWindow::MainWindow(HINSTANCE instance) : instance_(instance) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    font_ = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    icon_ = static_cast<HICON>(LoadImageA(instance_, MAKEINTRESOURCEA(kIconResource), IMAGE_ICON, 256, 256, 0));
}

MainWindow::~MainWindow() {
    if (window_ != nullptr) DestroyWindow(window_);
    if (icon_ != nullptr) DestroyIcon(icon_);
}

bool MainWindow::CreateMainWindow(PreviewState& state) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProcedure;
    windowClass.hInstance = instance_;
    windowClass.hIcon = icon_;
    windowClass.hIconSm = icon_;
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    windowClass.lpszClassName = kWindowClass;
    if (RegisterClassExA(&windowClass) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return false;

    app_.emplace(state, Ports{fontList_, sizeBox_, inputBox_, view_, fonts_, messages_});
    const Point origin = CentredOrigin(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    window_ = CreateWindowExA(0, kWindowClass, std::string(kWindowTitle).c_str(), WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU,
                              origin.x, origin.y, kWindowWidth, kWindowHeight, nullptr, nullptr, instance_, this);
    if (window_ == nullptr) return false;
    RECT outer{};
    GetWindowRect(window_, &outer);
    if (outer.left != origin.x || outer.top != origin.y || outer.right - outer.left != kWindowWidth || outer.bottom - outer.top != kWindowHeight)
        MoveWindow(window_, origin.x, origin.y, kWindowWidth, kWindowHeight, FALSE);
    SendMessageA(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    SendMessageA(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
    SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);

    if (!CreateControls()) {
        DestroyWindow(window_);
        window_ = nullptr;
        return false;
    }
    Raise(UserEvent::CreationComplete);
    ShowWindow(window_, SW_SHOWNORMAL);
    UpdateWindow(window_);
    return true;
}

bool MainWindow::CreateControls() {
    for (auto entry = kControls.rbegin(); entry != kControls.rend(); ++entry) {
        if (!CreateControl(*entry)) return false;
    }
    HWND group = ControlWindow(ControlId::ScriptGroup);
    for (ControlId radio : {ControlId::ChineseRadio, ControlId::EnglishRadio}) {
        const ControlEntry& entry = EntryOf(radio);
        SetParent(ControlWindow(radio), group);
        MoveWindow(ControlWindow(radio), entry.left, entry.top, entry.width, entry.height, FALSE);
    }
    // Table order from the top: each control goes just below the one before.
    HWND above = HWND_TOP;
    for (const ControlEntry& entry : kControls) {
        if (entry.parent) continue;
        SetWindowPos(ControlWindow(entry.id), above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        above = ControlWindow(entry.id);
    }
    SetWindowPos(ControlWindow(ControlId::EnglishRadio), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetWindowPos(ControlWindow(ControlId::ChineseRadio), ControlWindow(ControlId::EnglishRadio), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    for (HWND control : controls_) ShowWindow(control, SW_SHOWNA);
    return true;
}

bool MainWindow::CreateControl(const ControlEntry& entry) {
    const DWORD common = WS_CHILD | (entry.tabStop ? WS_TABSTOP : 0);
    const int height = entry.id == ControlId::SizeBox ? kSizeBoxDropHeight : entry.height;
    HWND control = nullptr;
    if (entry.kind == ControlKind::RichEdit) {
        if (!view_.Create(window_, ControlIdNumber(entry.id), entry.left, entry.top, entry.width, height, common)) return false;
        control = view_.Handle();
    } else {
        control = CreateWindowExA(ExtendedStyleOf(entry.kind), WindowClassOf(entry.kind), std::string(entry.text).c_str(), common | StyleOf(entry.kind),
                                  entry.left, entry.top, entry.width, height, window_,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlIdNumber(entry.id))), instance_, nullptr);
        if (control == nullptr) return false;
    }
    controls_[static_cast<std::size_t>(entry.id)] = control;
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);

    switch (entry.id) {
        case ControlId::SizeBox: {
            sizeBox_.Attach(control);
            SendMessageA(control, CB_LIMITTEXT, 0, 0);
            for (std::string_view item : kSizeItems) SendMessageA(control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(std::string(item).c_str()));
            const LRESULT itemHeight = SendMessageA(control, CB_GETITEMHEIGHT, 0, 0);
            if (itemHeight > 0) SendMessageA(control, CB_SETITEMHEIGHT, 0, itemHeight + 1);
            SendMessageA(control, CB_SETCURSEL, kInitialSizeItem, 0);
            SetWindowTextA(control, "");
            SendMessageA(control, CB_SETEDITSEL, 0, MAKELPARAM(0, 0));
            SetWindowSubclass(control, SizeBoxProcedure, 0, reinterpret_cast<DWORD_PTR>(this));
            break;
        }
        case ControlId::FontList:
            fontList_.Attach(control);
            SetWindowSubclass(control, CheckListProcedure, 0, reinterpret_cast<DWORD_PTR>(this));
            break;
        case ControlId::ScriptGroup:
            // The radio buttons become its children, so their clicks reach it first.
            SetWindowSubclass(control, GroupProcedure, 0, reinterpret_cast<DWORD_PTR>(this));
            break;
        case ControlId::ChineseRadio:
            SendMessageA(control, BM_SETCHECK, BST_CHECKED, 0);
            break;
        case ControlId::InputBox: {
            inputBox_.Attach(control);
            SendMessageA(control, EM_LIMITTEXT, 0, 0);
            SendMessageA(control, EM_SETSEL, 0, 0);
            const int least = FontHeight(font_) + 2 * GetSystemMetrics(SM_CYEDGE);
            if (entry.height < least) SetWindowPos(control, nullptr, 0, 0, entry.width, least, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            break;
        }
        default: break;
    }
    return true;
}

void MainWindow::RunMessageLoop() {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) Handle(message);
}

bool MainWindow::ProcessPending() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            closed_ = true;
            break;
        }
        Handle(message);
    }
    return !closed_;
}

void MainWindow::Handle(const MSG& message) {
    if (PreTranslate(message)) return;
    TranslateMessage(&message);
    DispatchMessageA(&message);
}

std::optional<ControlId> MainWindow::ControlOf(HWND window) const {
    for (HWND w = window; w != nullptr && w != window_; w = GetParent(w)) {
        const auto found = std::find(controls_.begin(), controls_.end(), w);
        if (found != controls_.end()) return static_cast<ControlId>(found - controls_.begin());
    }
    return std::nullopt;
}

bool MainWindow::PreTranslate(const MSG& message) {
    if (message.message != WM_KEYDOWN || window_ == nullptr || (message.hwnd != window_ && !IsChild(window_, message.hwnd))) return false;
    const std::optional<ControlId> focused = ControlOf(message.hwnd);
    if (message.wParam == VK_TAB) {
        MoveFocus(focused, GetKeyState(VK_SHIFT) < 0 ? FocusDirection::Backward : FocusDirection::Forward);
        return true;
    }
    const std::optional<Key> key = KeyOf(message.wParam);
    if (!key) return false;
    // An open drop-down list takes Enter and Esc to close itself, as on every Windows combo box.
    if (focused == ControlId::SizeBox && (key == Key::Enter || key == Key::Escape) &&
        SendMessageA(ControlWindow(ControlId::SizeBox), CB_GETDROPPEDSTATE, 0, 0))
        return false;
    switch (ResolveKey(*key, focused)) {
        case KeyAction::PassToControl: return false;
        case KeyAction::ClickDefaultButton:
            if (IsWindowEnabled(ControlWindow(ControlId::PreviewButton))) Raise(UserEvent::PreviewClicked);
            return true;
        case KeyAction::CloseWindow: SendMessageA(window_, WM_CLOSE, 0, 0); return true;
        case KeyAction::MoveRadio: MoveRadio(*focused); return true;
    }
    return false;
}

void MainWindow::MoveFocus(std::optional<ControlId> from, FocusDirection direction) {
    ControlId next = NextInFocusOrder(from, direction);
    for (std::size_t tried = 0; tried < kFocusOrder.size(); ++tried, next = NextInFocusOrder(next, direction)) {
        HWND target = ControlWindow(next);
        if (IsWindowVisible(target) && IsWindowEnabled(target)) {
            SetFocus(target);
            return;
        }
    }
}

void MainWindow::MoveRadio(ControlId from) {
    const ControlId target = OtherRadio(from);
    for (ControlId radio : {ControlId::ChineseRadio, ControlId::EnglishRadio}) SendMessageA(ControlWindow(radio), BM_SETCHECK, BST_UNCHECKED, 0);
    SendMessageA(ControlWindow(target), BM_SETCHECK, BST_CHECKED, 0);
    Raise(target == ControlId::ChineseRadio ? UserEvent::ChineseClicked : UserEvent::EnglishClicked);
    SetFocus(ControlWindow(target));
}

void MainWindow::Raise(UserEvent event) {
    switch (event) {
        case UserEvent::CreationComplete: app_->OnCreationComplete(); break;
        case UserEvent::SizeItemSelected: app_->OnSizeItemSelected(); break;
        case UserEvent::SizeEditChanged: app_->OnSizeEditChanged(); break;
        case UserEvent::ChineseClicked: app_->OnChineseClicked(); break;
        case UserEvent::EnglishClicked: app_->OnEnglishClicked(); break;
        case UserEvent::PreviewClicked: app_->OnPreviewClicked(); break;
    }
    if (observer_) observer_(event);
}

void MainWindow::OnCommand(int id, HWND, UINT code) {
    switch (static_cast<ControlId>(id - kFirstControlId)) {
        case ControlId::PreviewButton:
            if (code == BN_CLICKED) Raise(UserEvent::PreviewClicked);
            break;
        case ControlId::ChineseRadio:
            if (code == BN_CLICKED) Raise(UserEvent::ChineseClicked);
            break;
        case ControlId::EnglishRadio:
            if (code == BN_CLICKED) Raise(UserEvent::EnglishClicked);
            break;
        case ControlId::SizeBox:
            if (code == CBN_SELENDOK) PostMessageA(ControlWindow(ControlId::SizeBox), kSizeItemSelected, 0, 0);
            if (code == CBN_EDITCHANGE) Raise(UserEvent::SizeEditChanged);
            break;
        default: break;
    }
}

void MainWindow::OnActivate(UINT state) {
    if (state == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus != nullptr && IsChild(window_, focus)) lastFocus_ = focus;
        return;
    }
    SetFocus(lastFocus_ != nullptr && IsWindow(lastFocus_) ? lastFocus_ : ControlWindow(kFocusOrder.front()));
}

void MainWindow::OnMeasureItem(MEASUREITEMSTRUCT& item) {
    if (item.CtlType != ODT_LISTBOX || static_cast<int>(item.CtlID) != ControlIdNumber(ControlId::FontList)) return;
    // A check list's standard item fits the text and the check box; ours is 2 px taller.
    item.itemHeight = static_cast<UINT>(std::max(FontHeight(font_), GetSystemMetrics(SM_CYMENUCHECK)) + 2);
}

void MainWindow::OnDrawItem(const DRAWITEMSTRUCT& item) {
    if (item.CtlType != ODT_LISTBOX || item.hwndItem != fontList_.Handle()) return;
    if (static_cast<int>(item.itemID) < 0) {
        if (item.itemState & ODS_FOCUS) DrawFocusRect(item.hDC, &item.rcItem);
        return;
    }
    const int index = static_cast<int>(item.itemID);
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    RECT box = CheckListControl::CheckBoxRect(item.rcItem);
    DrawFrameControl(item.hDC, &box, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_FLAT | (fontList_.IsItemTicked(index) ? DFCS_CHECKED : 0));
    const std::string text = fontList_.ItemText(index);
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    TEXTMETRICA metrics{};
    GetTextMetricsA(item.hDC, &metrics);
    const int top = item.rcItem.top + (item.rcItem.bottom - item.rcItem.top - metrics.tmHeight) / 2;
    TabbedTextOutA(item.hDC, box.right + 3, top, text.c_str(), static_cast<int>(text.size()), 0, nullptr, box.right + 3);
    if (item.itemState & ODS_FOCUS) DrawFocusRect(item.hDC, &item.rcItem);
}

bool MainWindow::CheckListMouse(UINT message, LPARAM lParam) {
    HWND list = fontList_.Handle();
    if (message == WM_KEYDOWN) {
        const int caret = static_cast<int>(SendMessageA(list, LB_GETCARETINDEX, 0, 0));
        fontList_.ToggleTick(caret);
        return true;
    }
    const LRESULT hit = SendMessageA(list, LB_ITEMFROMPOINT, 0, lParam);
    if (HIWORD(hit) != 0) return false;
    const int index = LOWORD(hit);
    RECT item{};
    if (SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)) == LB_ERR) return false;
    const RECT box = CheckListControl::CheckBoxRect(item);
    const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (PtInRect(&box, point)) fontList_.ToggleTick(index);
    return false;  // the list still selects the item
}

LRESULT CALLBACK MainWindow::GroupProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self) {
    if (message == WM_COMMAND || message == WM_CTLCOLORBTN || message == WM_CTLCOLORSTATIC)
        return SendMessageA(reinterpret_cast<MainWindow*>(self)->window_, message, wParam, lParam);
    if (message == WM_ERASEBKGND) {
        // The main window clips its children, so nothing else paints the frame's inside.
        RECT inside{};
        GetClientRect(window, &inside);
        FillRect(reinterpret_cast<HDC>(wParam), &inside, GetSysColorBrush(COLOR_BTNFACE));
        return TRUE;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

LRESULT CALLBACK MainWindow::SizeBoxProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self) {
    if (message == kSizeItemSelected) {
        try {
            reinterpret_cast<MainWindow*>(self)->Raise(UserEvent::SizeItemSelected);
        } catch (...) {
            // A handler that cannot finish (out of memory) leaves the window as it was.
        }
        return 0;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

LRESULT CALLBACK MainWindow::CheckListProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self) {
    auto* main = reinterpret_cast<MainWindow*>(self);
    if (message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK || (message == WM_KEYDOWN && wParam == VK_SPACE)) {
        if (main->CheckListMouse(message, lParam)) return 0;
    }
    // Space toggles; it must not also search the list for a name starting with a space.
    if (message == WM_CHAR && wParam == ' ') return 0;
    return DefSubclassProc(window, message, wParam, lParam);
}

LRESULT CALLBACK MainWindow::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self == nullptr) return DefWindowProcA(window, message, wParam, lParam);
    try {
        return self->Dispatch(message, wParam, lParam);
    } catch (...) {
        // No exception may leave a window procedure; the event is dropped.
        return 0;
    }
}

LRESULT MainWindow::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND: OnCommand(GET_WM_COMMAND_ID(wParam, lParam), GET_WM_COMMAND_HWND(wParam, lParam), GET_WM_COMMAND_CMD(wParam, lParam)); return 0;
        case WM_ACTIVATE: OnActivate(LOWORD(wParam)); return 0;
        case WM_MEASUREITEM: OnMeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)); return TRUE;
        case WM_DRAWITEM: OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)); return TRUE;
        case WM_DESTROY:
            closed_ = true;
            PostQuitMessage(0);
            return 0;
        case WM_NCDESTROY: {
            HWND window = window_;
            SetWindowLongPtrA(window, GWLP_USERDATA, 0);
            window_ = nullptr;
            return DefWindowProcA(window, message, wParam, lParam);
        }
        default: return DefWindowProcA(window_, message, wParam, lParam);
    }
}

}  // namespace typovel::win32
