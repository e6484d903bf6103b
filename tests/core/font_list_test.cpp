#include "fonts/font_faces.h"
#include "fonts/font_list.h"

#include <gtest/gtest.h>

#include "fakes.h"

namespace typovel {
namespace {

using Names = std::vector<std::string>;

TEST(FontListFromReports, ReversesAndCollapsesAdjacentRuns) {
    struct Case {
        Names reports;
        Names expected;
    } const cases[] = {
        {{"A", "A", "B", "@B", "C"}, {"C", "@B", "B", "A"}},
        {{"A", "B", "A"}, {"A", "B", "A"}},
        {{"Arial", "ARIAL"}, {"ARIAL", "Arial"}},
        {{}, {}},
        {{"", ""}, {}},            // the previous name starts empty
        {{"A", "", "B"}, {"B", "", "A"}},  // an empty name is an entry like any other
        {{"X", "X", "X"}, {"X"}},
    };
    for (const Case& c : cases) EXPECT_EQ(FontListFromReports(c.reports), c.expected);
}

TEST(FontListFromReports, KeepsLongNamesWhole) {
    const std::string full(31, 'N');
    const std::string longer(60, 'L');
    EXPECT_EQ(FontListFromReports({full, longer}), (Names{longer, full}));
}

class FillFontListTest : public ::testing::Test {
protected:
    testing::FakeFocus focus;
    testing::FakeCheckList list{focus};
    testing::FakeFontSource source;
};

// Reported in this order, so the system list is their reverse.
const Names kReports = {
    "Arial",
    "\xCB\xCE\xCC\xE5",          // 宋体
    "@\xCB\xCE\xCC\xE5",         // @宋体
    "",
    "3 of 9 Barcode",
    "\xBA\xDA\xCC\xE5",          // 黑体
    "@Arial Unicode MS",
    "\xA3\xC1Wide",              // a full-width letter counts as Chinese
    "Tahoma",
};

TEST_F(FillFontListTest, SortsNamesByTheirFirstByte) {
    source.reports = kReports;
    FillFontList(source, list, true);
    EXPECT_EQ(list.Texts(), (Names{"\xA3\xC1Wide", "\xBA\xDA\xCC\xE5", "\xCB\xCE\xCC\xE5"}));
    EXPECT_TRUE(list.AllTicked());

    FillFontList(source, list, false);
    EXPECT_EQ(list.Texts(), (Names{"Tahoma", "3 of 9 Barcode", "Arial"}));
    EXPECT_TRUE(list.AllTicked());
}

TEST_F(FillFontListTest, RepeatedClickRebuildsAndReticks) {
    source.reports = kReports;
    FillFontList(source, list, true);
    list.items[1].ticked = false;
    list.items[2].value = 99;
    FillFontList(source, list, true);
    EXPECT_EQ(list.ItemCount(), 3);
    EXPECT_TRUE(list.AllTicked());
    EXPECT_EQ(list.items[2].value, 0);
    EXPECT_EQ(source.calls, 2);  // enumerated afresh each time
}

TEST_F(FillFontListTest, EmptySourceEmptiesTheList) {
    list.AddItem("stale", 0);
    FillFontList(source, list, true);
    EXPECT_EQ(list.ItemCount(), 0);
}

TEST(IsListedIn, LeavesVerticalAndEmptyNamesOut) {
    struct Case {
        std::string name;
        bool chinese;
        bool latin;
    } const cases[] = {
        {"@\xCB\xCE\xCC\xE5", false, false},
        {"@Arial", false, false},
        {"", false, false},
        {"1942 report", false, true},
        {"\x80x", true, false},
        {"\x7F", false, true},
        {"\x01", false, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsListedIn(c.name, Script::Chinese), c.chinese) << c.name;
        EXPECT_EQ(IsListedIn(c.name, Script::Latin), c.latin) << c.name;
    }
}

}  // namespace
}  // namespace typovel
