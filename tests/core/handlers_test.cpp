#include "app/app.h"

#include <gtest/gtest.h>

#include "app/size_selection.h"
#include "fakes.h"
#include "preview/preview_command.h"

namespace typovel {
namespace {

using Names = std::vector<std::string>;

const std::string kSongTi = "\xCB\xCE\xCC\xE5";  // 宋体
const std::string kHeiTi = "\xBA\xDA\xCC\xE5";   // 黑体
const std::string kColon = "\xA3\xBA";

class HandlersTest : public ::testing::Test {
protected:
    testing::FakeDesktop desktop;
    App& app = desktop.app;

    void TickOnly(const Names& names) {
        desktop.fontList.ClearList();
        for (const std::string& name : names) desktop.fontList.TickItem(desktop.fontList.AddItem(name, 0), true);
    }
};

TEST_F(HandlersTest, CreationCompleteFillsChineseFontsAndSelects24) {
    EXPECT_EQ(app.State().previewFormat.size, 9);
    desktop.fonts.reports = {"Arial", kSongTi, "@" + kHeiTi, kHeiTi};
    app.OnCreationComplete();
    EXPECT_EQ(desktop.fontList.Texts(), (Names{kHeiTi, kSongTi}));
    EXPECT_TRUE(desktop.fontList.AllTicked());
    EXPECT_EQ(desktop.sizeBox.field, "24");
    EXPECT_EQ(desktop.sizeBox.selected, 7);
    const CharFormat& format = app.State().previewFormat;
    EXPECT_EQ(format.fontName, kSongTi);
    EXPECT_EQ(format.size, 24);
    EXPECT_EQ(format.offset, 0);
    EXPECT_EQ(format.effects, 0U);
    EXPECT_EQ(format.colour, kAutomaticColour);
}

TEST_F(HandlersTest, RadioClicksRefillForTheirScript) {
    desktop.fonts.reports = {"Arial", kSongTi};
    app.OnEnglishClicked();
    EXPECT_EQ(desktop.fontList.Texts(), (Names{"Arial"}));
    app.OnChineseClicked();
    EXPECT_EQ(desktop.fontList.Texts(), (Names{kSongTi}));
}

TEST_F(HandlersTest, SizeHandlersStoreTheFieldsNumber) {
    struct Case {
        std::string field;
        std::int32_t size;
    } const cases[] = {
        {"24", 24}, {"12.9", 12}, {"abc", 0}, {"-4", -4}, {"\xA3\xB3\xA3\xB6", 36},
        {"1e39", 0}, {"3e9", static_cast<std::int32_t>(3000000000LL - 4294967296LL)}, {"", 0},
    };
    for (const Case& c : cases) {
        desktop.sizeBox.field = c.field;
        app.OnSizeEditChanged();
        EXPECT_EQ(app.State().previewFormat.size, c.size) << c.field;
        desktop.sizeBox.field = "1";
        app.OnSizeItemSelected();
        EXPECT_EQ(app.State().previewFormat.size, 1);
    }
}

TEST(SelectListItem, ClampsToTheList) {
    testing::FakeFocus focus;
    testing::FakeSizeBox box{focus};
    struct Case {
        int index;
        int selected;
        std::string field;
    } const cases[] = {{7, 7, "24"}, {99, 13, "72"}, {13, 13, "72"}, {-5, -1, ""}, {-1, -1, ""}, {0, 0, "10"}};
    for (const Case& c : cases) {
        SelectListItem(box, c.index);
        EXPECT_EQ(box.selected, c.selected) << c.index;
        EXPECT_EQ(box.field, c.field) << c.index;
    }
    testing::FakeSizeBox empty{focus, {}};
    SelectListItem(empty, 5);
    EXPECT_EQ(empty.selected, -1);
    EXPECT_EQ(ClampListIndex(std::numeric_limits<int>::min(), 14), -1);
    EXPECT_EQ(ClampListIndex(std::numeric_limits<int>::max(), 0), -1);
}

TEST_F(HandlersTest, EmptySampleShowsTheMessageAndChangesNothing) {
    TickOnly({kSongTi});
    desktop.view.SetContent("old");
    desktop.inputBox.text = "";
    app.OnPreviewClicked();
    ASSERT_EQ(desktop.messages.shown.size(), 1U);
    EXPECT_EQ(desktop.messages.shown[0].message, "\xC7\xEB\xCA\xE4\xC8\xEB\xC4\xDA\xC8\xDD\xA3\xA1");
    EXPECT_EQ(desktop.messages.shown[0].caption, "\xD0\xC5\xCF\xA2\xA3\xBA");
    EXPECT_EQ(desktop.messages.shown[0].style, kMbTaskModal);
    EXPECT_EQ(desktop.messages.shown[0].owner, nullptr);
    EXPECT_EQ(desktop.view.Text(), "old");
    EXPECT_EQ(desktop.focus.focused, nullptr);
    EXPECT_EQ(app.State().previewFormat.fontName, kSongTi);
}

TEST_F(HandlersTest, TwoFontWorkedExample) {
    desktop.sizeBox.field = "24";
    app.OnSizeEditChanged();
    TickOnly({kSongTi, kHeiTi});
    desktop.view.SetContent("typed by the user");
    desktop.inputBox.text = "abc";
    app.OnPreviewClicked();

    EXPECT_TRUE(desktop.messages.shown.empty());
    const std::string line1 = kSongTi + kColon + "abc\r\n";
    const std::string line2 = kHeiTi + kColon + "abc\r\n";
    EXPECT_EQ(desktop.view.Text(), line1 + line2);
    ASSERT_EQ(desktop.view.chars.size(), 14U);  // end position 14
    for (std::size_t i = 0; i < 14; ++i) {
        const ViewCharFormat& format = desktop.view.chars[i].format;
        EXPECT_EQ(format.faceName, i < 7 ? kSongTi : kHeiTi) << i;
        EXPECT_EQ(format.height, 480);
        EXPECT_EQ(format.effects, 0U);
        EXPECT_TRUE(format.automaticColour);
    }
    EXPECT_EQ(desktop.view.chars[6].bytes, "\r");  // each paragraph end carries its line's format
    EXPECT_EQ(desktop.view.lastRange.min, 10);    // TextLength 11, minus 1, past the end 7
    EXPECT_EQ(desktop.focus.focused, &desktop.view);
    EXPECT_EQ(app.State().previewFormat.fontName, kHeiTi);
}

TEST_F(HandlersTest, LinesFollowListOrderAndSkipUnticked) {
    TickOnly({"A", "B", "C", "D"});
    desktop.fontList.TickItem(1, false);
    desktop.inputBox.text = " ";  // one space is not empty
    app.OnPreviewClicked();
    EXPECT_EQ(desktop.view.Text(), "A" + kColon + " \r\nC" + kColon + " \r\nD" + kColon + " \r\n");
    EXPECT_TRUE(desktop.messages.shown.empty());
}

TEST_F(HandlersTest, ThePreviewIsBuiltFrozenAndShownBeforeTheFocusMoves) {
    TickOnly({"A", "B"});
    desktop.inputBox.text = "x";
    app.OnPreviewClicked();
    EXPECT_EQ(desktop.view.linesWhileFrozen, 2);
    EXPECT_EQ(desktop.view.thaws, 1);
    EXPECT_FALSE(desktop.view.frozen);
    EXPECT_FALSE(desktop.view.focusedWhileFrozen);

    desktop.inputBox.text = "";  // the message box leaves the view alone
    app.OnPreviewClicked();
    EXPECT_EQ(desktop.view.thaws, 1);
}

TEST_F(HandlersTest, NothingTickedEmptiesAndFocusesTheView) {
    desktop.fontList.AddItem("A", 0);
    desktop.view.SetContent("old");
    desktop.inputBox.text = "abc";
    app.OnPreviewClicked();
    EXPECT_EQ(desktop.view.Text(), "");
    EXPECT_EQ(desktop.focus.focused, &desktop.view);
    EXPECT_TRUE(desktop.messages.shown.empty());
}

TEST_F(HandlersTest, MarkupInTheSampleIsReadAsRtfButTestedAsTyped) {
    TickOnly({"A"});
    desktop.inputBox.text = "{\\fonttbl x}";  // empty once read, but not an empty sample
    app.OnPreviewClicked();
    EXPECT_EQ(desktop.view.Text(), "A" + kColon + "\r\n");
    EXPECT_TRUE(desktop.messages.shown.empty());

    desktop.inputBox.text = "a{b}\\'41\\}";
    app.OnPreviewClicked();
    EXPECT_EQ(desktop.view.Text(), "A" + kColon + "abA}\r\n");
    EXPECT_EQ(app.State().previewText, "a{b}\\'41\\}");
}

TEST_F(HandlersTest, EveryLineLandsAtTheEndAndKeepsTheSizeItWasSetIn) {
    TickOnly({kSongTi, "Arial", kHeiTi});
    desktop.inputBox.text = "\xC4\xE3\\par x";  // 你, then a paragraph inside the sample
    desktop.sizeBox.field = "-4";
    app.OnSizeEditChanged();
    app.OnPreviewClicked();
    const std::string sample = "\xC4\xE3\r\nx\r\n";
    EXPECT_EQ(desktop.view.Text(), kSongTi + kColon + sample + "Arial" + kColon + sample + kHeiTi + kColon + sample);
    for (const auto& c : desktop.view.chars) EXPECT_EQ(c.format.height, -80);

    desktop.sizeBox.field = "36";
    app.OnSizeEditChanged();  // takes effect at the next preview only
    EXPECT_EQ(desktop.view.chars.front().format.height, -80);
}

class RecordingDesktop : public Desktop {
public:
    explicit RecordingDesktop(bool creates) : creates_(creates) {}
    bool CreateMainWindow(PreviewState& state) override {
        sizeAtCreation = state.previewFormat.size;
        textAtCreation = state.previewText;
        return creates_;
    }
    void RunMessageLoop() override { ++loops; }
    std::int32_t sizeAtCreation = 0;
    std::string textAtCreation = "unset";
    int loops = 0;

private:
    bool creates_;
};

TEST(RunProgram, CreatesStateBeforeTheWindowAndReturnsItsExitCode) {
    RecordingDesktop desktop(true);
    EXPECT_EQ(RunProgram(desktop), 0);
    EXPECT_EQ(desktop.sizeAtCreation, 9);
    EXPECT_EQ(desktop.textAtCreation, "");
    EXPECT_EQ(desktop.loops, 1);

    RecordingDesktop failing(false);
    EXPECT_EQ(RunProgram(failing), -1);
    EXPECT_EQ(failing.loops, 0);
}

}  // namespace
}  // namespace typovel
