// The Win32 window driven through the real controls and the real message
// loop under Wine: keys are posted as messages, results read back from the
// controls themselves.

#include <windows.h>
#include <richedit.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "app/main_window.h"
#include "shells/win32/main_window.h"
#include "preview/plain_text.h"
#include "services/number.h"
#include "tests/shared/shell_cases.h"

namespace typovel::win32 {
namespace {

// A Latin face that fontconfig hands Wine on every set-up of ours.
const std::string kLatinFace = "DejaVu Sans";
const std::string kSongTi = "\xCB\xCE\xCC\xE5";  // 宋体
const std::string kColon = "\xA3\xBA";           // ：
const std::string kMessageCaption = "\xD0\xC5\xCF\xA2\xA3\xBA";  // 信息：
const std::string kEmptySampleMessage = "\xC7\xEB\xCA\xE4\xC8\xEB\xC4\xDA\xC8\xDD\xA3\xA1";  // 请输入内容！

struct Observed {
    UserEvent event;
    std::string sizeField;
    std::int32_t size;
};

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<MainWindow>(GetModuleHandleA(nullptr));
        ASSERT_TRUE(window->CreateMainWindow(state));
        window->SetEventObserver([this](UserEvent event) {
            events.push_back({event, WindowText(Control(ControlId::SizeBox)), state.previewFormat.size});
        });
        Pump();
    }

    void TearDown() override {
        if (window->Window() != nullptr) DestroyWindow(window->Window());
        Pump();
        window.reset();
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        }
    }

    // Runs the message loop until nothing is left to do.
    void Pump() {
        for (int round = 0; round < 3; ++round) {
            window->ProcessPending();
            Sleep(5);
        }
    }

    HWND Control(ControlId id) const { return window->ControlWindow(id); }
    std::optional<ControlId> Focused() const { return window->ControlOf(GetFocus()); }

    void PostKey(HWND target, WPARAM key) {
        PostMessageA(target, WM_KEYDOWN, key, 1);
        Pump();
    }

    void PostShiftTab(HWND target) {
        BYTE keys[256] = {};
        GetKeyboardState(keys);
        keys[VK_SHIFT] = 0x80;
        SetKeyboardState(keys);
        PostKey(target, VK_TAB);
        keys[VK_SHIFT] = 0;
        SetKeyboardState(keys);
    }

    // Typing into the size box goes to its edit field, as a user's keys do.
    HWND SizeField() const {
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        GetComboBoxInfo(Control(ControlId::SizeBox), &info);
        return info.hwndItem;
    }

    void Type(HWND target, std::string_view characters) {
        for (char c : characters) {
            PostMessageA(target, WM_CHAR, static_cast<unsigned char>(c), 1);
            Pump();
        }
    }

    void ListOnly(const std::vector<std::string>& names) {
        CheckListControl& list = window->FontList();
        list.ClearList();
        for (const std::string& name : names) list.TickItem(list.AddItem(name, 0), true);
    }

    void Preview(std::string_view sample) {
        SetWindowTextA(Control(ControlId::InputBox), std::string(sample).c_str());
        SendMessageA(Control(ControlId::PreviewButton), BM_CLICK, 0, 0);
        Pump();
    }

    std::string ViewText() const { return WindowText(Control(ControlId::PreviewView)); }

    // Character positions, each paragraph end counted once.
    int ViewCharacters() const {
        GETTEXTLENGTHEX how{GTL_NUMCHARS | GTL_PRECISE, 1200};
        return static_cast<int>(SendMessageA(Control(ControlId::PreviewView), EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&how), 0));
    }

    CHARFORMATA FormatAt(int position) const {
        HWND view = Control(ControlId::PreviewView);
        CHARRANGE one{position, position + 1};
        SendMessageA(view, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&one));
        CHARFORMATA format{};
        format.cbSize = sizeof format;
        SendMessageA(view, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
        return format;
    }

    int CountEvents(UserEvent event) const {
        return static_cast<int>(std::count_if(events.begin(), events.end(), [event](const Observed& o) { return o.event == event; }));
    }

    std::vector<std::string> ListTexts() {
        std::vector<std::string> texts;
        for (int i = 0; i < window->FontList().ItemCount(); ++i) texts.push_back(window->FontList().ItemText(i));
        return texts;
    }

    PreviewState state;
    std::unique_ptr<MainWindow> window;
    std::vector<Observed> events;
};

// Closes the next message box captioned 信息： from another thread, after
// reading what it says.
class MessageBoxCloser {
public:
    MessageBoxCloser() : thread_([this] { Run(); }) {}
    ~MessageBoxCloser() {
        stop_ = true;
        thread_.join();
    }
    bool Found() const { return found_; }
    std::string Text() const { return text_; }
    bool OwnerWasNone() const { return ownerWasNone_; }
    bool MainWindowWasDisabled() const { return mainDisabled_; }
    void WatchMainWindow(HWND main) { main_ = main; }

private:
    void Run() {
        for (int tries = 0; tries < 2000 && !stop_; ++tries) {
            HWND box = FindWindowA("#32770", kMessageCaption.c_str());
            if (box != nullptr && IsWindowVisible(box)) {
                char text[256] = {};
                GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
                text_ = text;
                ownerWasNone_ = GetWindow(box, GW_OWNER) == nullptr;
                mainDisabled_ = main_ != nullptr && !IsWindowEnabled(main_);
                found_ = true;
                PostMessageA(box, WM_COMMAND, IDOK, 0);
                return;
            }
            Sleep(10);
        }
    }
    std::atomic<bool> stop_{false};
    std::atomic<bool> found_{false};
    std::atomic<HWND> main_{nullptr};
    bool ownerWasNone_ = false;
    bool mainDisabled_ = false;
    std::string text_;
    std::thread thread_;
};

TEST_F(WindowTest, StartupState) {
    EXPECT_EQ(WindowText(Control(ControlId::SizeBox)), shell_cases::kStartupSizeText);
    EXPECT_EQ(SendMessageA(Control(ControlId::SizeBox), CB_GETCURSEL, 0, 0), kInitialSizeItem);
    EXPECT_EQ(SendMessageA(Control(ControlId::ChineseRadio), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageA(Control(ControlId::EnglishRadio), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(WindowText(Control(ControlId::InputBox)), shell_cases::kStartupInputText);
    DWORD start = 1;
    DWORD end = 1;
    SendMessageA(Control(ControlId::InputBox), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0U);
    EXPECT_EQ(end, 0U);
    EXPECT_EQ(Focused(), ControlId::InputBox);
    EXPECT_EQ(state.previewFormat.size, 24);
    EXPECT_EQ(ViewText(), "");

    const std::vector<std::string> fonts = ListTexts();
    ASSERT_FALSE(fonts.empty());
    EXPECT_NE(std::find(fonts.begin(), fonts.end(), shell_cases::kWenQuanYiZenHei), fonts.end());
    for (int i = 0; i < static_cast<int>(fonts.size()); ++i) {
        EXPECT_TRUE(window->FontList().IsItemTicked(i)) << fonts[static_cast<std::size_t>(i)];
        EXPECT_GE(static_cast<unsigned char>(fonts[static_cast<std::size_t>(i)][0]), 0x80) << fonts[static_cast<std::size_t>(i)];
    }
    EXPECT_EQ(GetACP(), 936U);
}

TEST_F(WindowTest, WindowSettings) {
    HWND main = window->Window();
    EXPECT_EQ(WindowText(main), "Typovel");
    RECT outer{};
    GetWindowRect(main, &outer);
    const Point origin = CentredOrigin(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    EXPECT_EQ(outer.left, origin.x);
    EXPECT_EQ(outer.top, origin.y);
    EXPECT_EQ(outer.right - outer.left, kWindowWidth);
    EXPECT_EQ(outer.bottom - outer.top, kWindowHeight);
    const LONG_PTR style = GetWindowLongPtrA(main, GWL_STYLE);
    EXPECT_TRUE((style & WS_CAPTION) == WS_CAPTION && (style & WS_SYSMENU) && (style & WS_CLIPCHILDREN));
    EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    EXPECT_NE(SendMessageA(main, WM_GETICON, ICON_BIG, 0), 0);
    EXPECT_EQ(SendMessageA(main, WM_GETICON, ICON_BIG, 0), SendMessageA(main, WM_GETICON, ICON_SMALL, 0));
    EXPECT_EQ(GetClassLongPtrA(main, GCLP_HBRBACKGROUND), COLOR_BTNFACE + 1);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(Control(ControlId::FontList), WM_GETFONT, 0, 0)), GetStockObject(DEFAULT_GUI_FONT));
}

TEST_F(WindowTest, ControlsFollowTheTable) {
    for (const ControlEntry& entry : kControls) {
        HWND control = Control(entry.id);
        HWND parent = entry.parent ? Control(*entry.parent) : window->Window();
        EXPECT_EQ(GetParent(control), parent) << entry.text;
        RECT rect{};
        GetWindowRect(control, &rect);
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
        EXPECT_EQ(rect.left, entry.left) << static_cast<int>(entry.id);
        EXPECT_EQ(rect.top, entry.top) << static_cast<int>(entry.id);
        EXPECT_EQ(rect.right - rect.left, entry.width) << static_cast<int>(entry.id);
        if (entry.id != ControlId::SizeBox) {
            EXPECT_EQ(rect.bottom - rect.top, entry.height) << static_cast<int>(entry.id);
        }
        EXPECT_EQ((GetWindowLongPtrA(control, GWL_STYLE) & WS_TABSTOP) != 0, entry.tabStop) << static_cast<int>(entry.id);
        EXPECT_TRUE(IsWindowVisible(control));
        if (entry.kind == ControlKind::Label || entry.kind == ControlKind::Button || entry.kind == ControlKind::RadioBox) {
            EXPECT_EQ(WindowText(control), entry.text);
        }
    }
    // Stacked in table order, 组合框1 on top.
    std::vector<HWND> stacked;
    for (HWND child = GetWindow(window->Window(), GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) stacked.push_back(child);
    std::vector<HWND> expected;
    for (const ControlEntry& entry : kControls)
        if (!entry.parent) expected.push_back(Control(entry.id));
    EXPECT_EQ(stacked, expected);
    EXPECT_EQ(SendMessageA(Control(ControlId::SizeBox), CB_GETCOUNT, 0, 0), 14);
    EXPECT_EQ(GetWindowLongPtrA(Control(ControlId::FontList), GWL_STYLE) & LBS_MULTICOLUMN, LBS_MULTICOLUMN);
    char className[64] = {};
    GetClassNameA(Control(ControlId::PreviewView), className, sizeof className);
    EXPECT_STREQ(className, "RichEdit20A");
}

TEST_F(WindowTest, CheckListOperations) {
    CheckListControl& list = window->FontList();
    list.ClearList();
    EXPECT_EQ(list.AddItem("A", 0), 0);
    EXPECT_EQ(list.AddItem("B", -7), 1);
    EXPECT_EQ(list.AddItem("", 5), 2);
    EXPECT_EQ(list.ItemCount(), 3);
    for (int i = 0; i < 3; ++i) EXPECT_FALSE(list.IsItemTicked(i));
    EXPECT_FALSE(list.TickItem(3, true));
    EXPECT_FALSE(list.TickItem(-1, true));
    EXPECT_TRUE(list.TickItem(1, true));
    EXPECT_TRUE(list.IsItemTicked(1));
    EXPECT_FALSE(list.IsItemTicked(-1));
    EXPECT_FALSE(list.IsItemTicked(3));
    EXPECT_EQ(list.ItemValue(1), -7);  // the tick leaves the value alone
    EXPECT_TRUE(list.TickItem(1, false));
    EXPECT_EQ(list.ItemValue(1), -7);
    EXPECT_EQ(list.ItemText(2), "");
    EXPECT_EQ(list.ItemText(3), "");
    EXPECT_EQ(list.ItemText(0), "A");
    list.ClearList();
    EXPECT_EQ(list.ItemCount(), 0);
    EXPECT_EQ(list.AddItem("C", 0), 0);
    EXPECT_TRUE(events.empty());
}

TEST_F(WindowTest, SelectListItemClampsWithoutEvents) {
    for (const shell_cases::SelectCase& c : shell_cases::kSelectListItem) {
        SelectListItem(window->SizeBoxPort(), c.index);
        Pump();
        EXPECT_EQ(WindowText(Control(ControlId::SizeBox)), c.field) << c.index;
    }
    EXPECT_TRUE(events.empty());
}

TEST_F(WindowTest, TypedSizesAreStoredKeyByKey) {
    HWND field = SizeField();
    SendMessageA(field, EM_SETSEL, 0, -1);
    Type(field, "\b30");
    ASSERT_EQ(events.size(), shell_cases::kTypedSizes.size());
    const char* fields[] = {"", "3", "30"};
    for (std::size_t i = 0; i < events.size(); ++i) {
        EXPECT_EQ(events[i].event, UserEvent::SizeEditChanged);
        EXPECT_EQ(events[i].size, shell_cases::kTypedSizes[i]);
        EXPECT_EQ(events[i].sizeField, fields[i]);
    }
    events.clear();
    SendMessageA(field, EM_SETSEL, 0, -1);
    Type(field, "abc");
    EXPECT_EQ(window->SizeBoxPort().ReadText(), "abc");
    EXPECT_EQ(state.previewFormat.size, 0);
}

TEST_F(WindowTest, ChoosingFromTheListStoresOnceTheFieldShowsIt) {
    HWND combo = Control(ControlId::SizeBox);
    SetFocus(combo);
    Pump();
    SendMessageA(combo, CB_SHOWDROPDOWN, TRUE, 0);
    Pump();
    for (int step = kInitialSizeItem; step < 11; ++step) PostKey(SizeField(), VK_DOWN);
    PostKey(SizeField(), VK_RETURN);
    EXPECT_FALSE(SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0));
    ASSERT_EQ(CountEvents(UserEvent::SizeItemSelected), 1);
    EXPECT_EQ(CountEvents(UserEvent::PreviewClicked), 0);
    const Observed& chosen = events.back();
    EXPECT_EQ(chosen.event, UserEvent::SizeItemSelected);
    EXPECT_EQ(chosen.sizeField, "36");
    EXPECT_EQ(chosen.size, shell_cases::kChosenSize);
}

TEST_F(WindowTest, PreviewOfTwoFonts) {
    const std::string zenHei(shell_cases::kWenQuanYiZenHei);
    ListOnly({zenHei, kLatinFace});
    window->FontList().AddItem("unticked", 0);
    Preview("abc");
    const std::string line1 = zenHei + kColon + "abc";
    const std::string line2 = kLatinFace + kColon + "abc";
    EXPECT_EQ(ViewText(), line1 + "\r\n" + line2 + "\r\n");
    const int firstLine = 5 + 1 + 3 + 1;  // 文泉驿正黑：abc and its paragraph end
    const int secondLine = 11 + 1 + 3 + 1;
    ASSERT_EQ(ViewCharacters(), firstLine + secondLine);
    for (int position = 0; position < firstLine + secondLine; ++position) {
        const CHARFORMATA format = FormatAt(position);
        EXPECT_STREQ(format.szFaceName, position < firstLine ? zenHei.c_str() : kLatinFace.c_str()) << position;
        EXPECT_EQ(format.yHeight, 480) << position;
        EXPECT_EQ(format.yOffset, 0) << position;
        EXPECT_EQ(format.dwEffects & (CFE_BOLD | CFE_ITALIC | CFE_UNDERLINE | CFE_STRIKEOUT | CFE_PROTECTED), 0U) << position;
        EXPECT_TRUE(format.dwEffects & CFE_AUTOCOLOR) << position;
    }
    EXPECT_EQ(Focused(), ControlId::PreviewView);
    EXPECT_EQ(state.previewFormat.fontName, kLatinFace);
}

TEST_F(WindowTest, EmptySampleShowsTheMessageOnly) {
    ListOnly({kLatinFace});
    Preview("abc");
    const std::string before = ViewText();
    const std::vector<std::string> listBefore = ListTexts();
    MessageBoxCloser closer;
    closer.WatchMainWindow(window->Window());
    Preview("");
    ASSERT_TRUE(closer.Found());
    EXPECT_EQ(closer.Text(), kEmptySampleMessage);
    EXPECT_TRUE(closer.OwnerWasNone());
    EXPECT_TRUE(closer.MainWindowWasDisabled());  // task-modal
    EXPECT_EQ(ViewText(), before);
    EXPECT_EQ(ListTexts(), listBefore);
    EXPECT_EQ(state.previewFormat.fontName, kLatinFace);
    EXPECT_EQ(state.previewFormat.size, 24);
}

TEST_F(WindowTest, RadioClicksAndArrowKeysRefill) {
    const std::vector<std::string> chinese = ListTexts();
    SendMessageA(Control(ControlId::EnglishRadio), BM_CLICK, 0, 0);
    Pump();
    const std::vector<std::string> latin = ListTexts();
    ASSERT_FALSE(latin.empty());
    for (const std::string& name : latin) EXPECT_TRUE(static_cast<unsigned char>(name[0]) < 0x80 && name[0] != '@') << name;
    EXPECT_NE(std::find(latin.begin(), latin.end(), kLatinFace), latin.end());
    EXPECT_EQ(SendMessageA(Control(ControlId::ChineseRadio), BM_GETCHECK, 0, 0), BST_UNCHECKED);

    // The already checked button clicked again rebuilds and re-ticks.
    window->FontList().TickItem(0, false);
    SendMessageA(Control(ControlId::EnglishRadio), BM_CLICK, 0, 0);
    Pump();
    EXPECT_TRUE(window->FontList().IsItemTicked(0));
    EXPECT_EQ(CountEvents(UserEvent::EnglishClicked), 2);

    SetFocus(Control(ControlId::EnglishRadio));
    Pump();
    PostKey(Control(ControlId::EnglishRadio), VK_RIGHT);
    EXPECT_EQ(SendMessageA(Control(ControlId::ChineseRadio), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageA(Control(ControlId::EnglishRadio), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(Focused(), ControlId::ChineseRadio);
    EXPECT_EQ(ListTexts(), chinese);
    EXPECT_EQ(CountEvents(UserEvent::ChineseClicked), 1);
    for (WPARAM arrow : {VK_UP, VK_LEFT, VK_DOWN}) {
        const bool toEnglish = Focused() == ControlId::ChineseRadio;
        PostKey(GetFocus(), arrow);
        EXPECT_EQ(Focused(), toEnglish ? ControlId::EnglishRadio : ControlId::ChineseRadio);
        EXPECT_EQ(ListTexts(), toEnglish ? latin : chinese);
    }
}

TEST_F(WindowTest, EnterPreviewsFromEveryControlButTheView) {
    ListOnly({kLatinFace});
    SetWindowTextA(Control(ControlId::InputBox), "x");
    for (ControlId id : shell_cases::kEnterPreviewsFrom) {
        events.clear();
        SetFocus(Control(id));
        Pump();
        PostKey(GetFocus(), VK_RETURN);
        EXPECT_EQ(CountEvents(UserEvent::PreviewClicked), 1) << static_cast<int>(id);
        EXPECT_EQ(ViewText(), kLatinFace + kColon + "x\r\n");
    }
    events.clear();
    SetFocus(Control(ControlId::PreviewView));
    Pump();
    PostKey(GetFocus(), VK_RETURN);
    EXPECT_EQ(CountEvents(UserEvent::PreviewClicked), 0);
    EXPECT_EQ(Focused(), ControlId::PreviewView);
}

TEST_F(WindowTest, TabCycleWrapsBothWays) {
    for (const shell_cases::TabCase& c : shell_cases::kTabCycle) {
        SetFocus(Control(c.from));
        Pump();
        PostKey(GetFocus(), VK_TAB);
        EXPECT_EQ(Focused(), c.forward) << static_cast<int>(c.from);
        SetFocus(Control(c.from));
        Pump();
        PostShiftTab(GetFocus());
        EXPECT_EQ(Focused(), c.backward) << static_cast<int>(c.from);
    }
}

TEST_F(WindowTest, FocusReturnsOnReactivation) {
    SetFocus(Control(ControlId::FontList));
    Pump();
    HWND other = CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
    SetActiveWindow(other);
    Pump();
    EXPECT_NE(GetActiveWindow(), window->Window());
    SetActiveWindow(window->Window());
    Pump();
    EXPECT_EQ(Focused(), ControlId::FontList);
    DestroyWindow(other);
}

TEST_F(WindowTest, CheckListMouseAndSpace) {
    ListOnly({"A", "B"});
    CheckListControl& list = window->FontList();
    list.TickItem(0, false);
    HWND box = Control(ControlId::FontList);
    RECT item{};
    SendMessageA(box, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
    const RECT check = CheckListControl::CheckBoxRect(item);
    const LPARAM inCheck = MAKELPARAM((check.left + check.right) / 2, (check.top + check.bottom) / 2);
    const LPARAM onText = MAKELPARAM(check.right + 20, (check.top + check.bottom) / 2);

    PostMessageA(box, WM_LBUTTONDOWN, MK_LBUTTON, inCheck);
    PostMessageA(box, WM_LBUTTONUP, 0, inCheck);
    Pump();
    EXPECT_FALSE(list.IsItemTicked(1));
    EXPECT_EQ(SendMessageA(box, LB_GETCURSEL, 0, 0), 1);

    PostMessageA(box, WM_LBUTTONDBLCLK, MK_LBUTTON, inCheck);
    PostMessageA(box, WM_LBUTTONUP, 0, inCheck);
    Pump();
    EXPECT_TRUE(list.IsItemTicked(1));

    RECT first{};
    SendMessageA(box, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first));
    PostMessageA(box, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(check.right + 20, (first.top + first.bottom) / 2));
    PostMessageA(box, WM_LBUTTONUP, 0, MAKELPARAM(check.right + 20, (first.top + first.bottom) / 2));
    Pump();
    EXPECT_EQ(SendMessageA(box, LB_GETCURSEL, 0, 0), 0);
    EXPECT_FALSE(list.IsItemTicked(0));
    (void)onText;

    SetFocus(box);
    Pump();
    PostKey(box, VK_SPACE);
    EXPECT_TRUE(list.IsItemTicked(0));
    PostKey(box, VK_SPACE);
    EXPECT_FALSE(list.IsItemTicked(0));
}

TEST_F(WindowTest, CheckListFlowsIntoColumnsAndScrollsSideways) {
    std::vector<std::string> names;
    for (int i = 0; i < 300; ++i) names.push_back("Font " + std::to_string(i));
    ListOnly(names);
    HWND box = Control(ControlId::FontList);
    RECT client{};
    GetClientRect(box, &client);
    RECT first{};
    RECT item{};
    SendMessageA(box, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first));
    int perColumn = 1;
    for (; perColumn < 300; ++perColumn) {
        SendMessageA(box, LB_GETITEMRECT, static_cast<WPARAM>(perColumn), reinterpret_cast<LPARAM>(&item));
        if (item.left != first.left) break;
    }
    EXPECT_EQ(item.top, first.top);  // the next column starts at the top again
    EXPECT_EQ(perColumn, (client.bottom - client.top) / (first.bottom - first.top));
    SendMessageA(box, LB_GETITEMRECT, 299, reinterpret_cast<LPARAM>(&item));
    EXPECT_GT(item.left, client.right);  // beyond the visible columns
    const LRESULT topBefore = SendMessageA(box, LB_GETTOPINDEX, 0, 0);
    SendMessageA(box, WM_HSCROLL, SB_LINERIGHT, 0);
    Pump();
    EXPECT_EQ(SendMessageA(box, LB_GETTOPINDEX, 0, 0), topBefore + perColumn);
}

TEST_F(WindowTest, EscapeClosesTheWindow) {
    SetFocus(Control(ControlId::FontList));
    Pump();
    PostMessageA(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 1);
    EXPECT_FALSE(window->ProcessPending() && window->ProcessPending());
    EXPECT_EQ(window->Window(), nullptr);
}

TEST_F(WindowTest, BadSizesStillPreview) {
    ListOnly({kLatinFace, std::string(shell_cases::kWenQuanYiZenHei)});
    HWND field = SizeField();
    for (std::string_view size : shell_cases::kBadSizes) {
        SendMessageA(field, EM_SETSEL, 0, -1);
        Type(field, "\b");
        Type(field, size);
        Preview("abc");
        EXPECT_EQ(ViewText(), kLatinFace + kColon + "abc\r\n" + std::string(shell_cases::kWenQuanYiZenHei) + kColon + "abc\r\n") << size;
        EXPECT_EQ(state.previewFormat.size, TruncateToInt(ParseNumber(size))) << size;
    }
}

TEST_F(WindowTest, MarkupSamplePreviewsItsPlainText) {
    ListOnly({kLatinFace});
    Preview(shell_cases::kMarkupSample);
    EXPECT_EQ(ViewText(), kLatinFace + kColon + std::string(shell_cases::kMarkupPlain) + "\r\n");
}

TEST_F(WindowTest, LargePastedSampleForTwentyFonts) {
    std::string sample;
    // Paragraph marks keep each paragraph short: Wine's rich edit takes time
    // quadratic in a paragraph's length to stream one in.
    while (sample.size() < 1024 * 1024) sample += "\xD7\xD6\xCC\xE5 Typovel {\\b x}\\par ";
    sample.resize(1024 * 1024);
    HWND input = Control(ControlId::InputBox);
    ASSERT_TRUE(OpenClipboard(window->Window()));
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, sample.size() + 1);
    std::memcpy(GlobalLock(memory), sample.c_str(), sample.size() + 1);
    GlobalUnlock(memory);
    SetClipboardData(CF_TEXT, memory);
    CloseClipboard();
    SetWindowTextA(input, "");
    SendMessageA(input, WM_PASTE, 0, 0);
    ASSERT_EQ(WindowText(input).size(), sample.size());

    std::vector<std::string> fonts(20, kLatinFace);
    ListOnly(fonts);
    SendMessageA(Control(ControlId::PreviewButton), BM_CLICK, 0, 0);
    Pump();
    const std::string plain = ExtractPlainText(sample);
    const std::string text = ViewText();
    const std::string line = kLatinFace + kColon + plain + "\r\n";
    EXPECT_EQ(text.size(), line.size() * 20);
    // Compared as booleans: a diff of two megabyte texts would itself take gigabytes.
    for (std::size_t i = 0; i < 20; ++i) EXPECT_TRUE(text.compare(i * line.size(), line.size(), line) == 0) << "line " << i;
}

}  // namespace
}  // namespace typovel::win32
