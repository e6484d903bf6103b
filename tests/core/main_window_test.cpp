#include "app/main_window.h"

#include <set>

#include <gtest/gtest.h>

namespace typovel {
namespace {

TEST(MainWindowLayout, TableIsIndexedByIdAndRadiosSitInTheGroup) {
    for (int i = 0; i < kControlCount; ++i) EXPECT_EQ(static_cast<int>(kControls[static_cast<std::size_t>(i)].id), i);
    EXPECT_EQ(EntryOf(ControlId::ChineseRadio).parent, ControlId::ScriptGroup);
    EXPECT_EQ(EntryOf(ControlId::EnglishRadio).parent, ControlId::ScriptGroup);
    const ControlEntry& group = EntryOf(ControlId::ScriptGroup);
    EXPECT_EQ(group.left + EntryOf(ControlId::ChineseRadio).left, 12);
    EXPECT_EQ(group.top + EntryOf(ControlId::ChineseRadio).top, 58);
    int right = 0;
    int bottom = 0;
    for (const ControlEntry& entry : kControls) {
        if (entry.parent) continue;
        right = std::max(right, entry.left + entry.width);
        bottom = std::max(bottom, entry.top + entry.height);
    }
    EXPECT_EQ(right, kClientReachWidth);
    EXPECT_EQ(bottom, kClientReachHeight);
}

TEST(MainWindowLayout, FocusOrderIsTheTabStopsInReverse) {
    std::vector<ControlId> reversed;
    for (auto entry = kControls.rbegin(); entry != kControls.rend(); ++entry)
        if (entry->tabStop) reversed.push_back(entry->id);
    EXPECT_EQ(reversed, std::vector<ControlId>(kFocusOrder.begin(), kFocusOrder.end()));
}

TEST(NextInFocusOrder, WrapsAtBothEnds) {
    EXPECT_EQ(NextInFocusOrder(ControlId::SizeBox, FocusDirection::Forward), ControlId::InputBox);
    EXPECT_EQ(NextInFocusOrder(ControlId::InputBox, FocusDirection::Backward), ControlId::SizeBox);
    EXPECT_EQ(NextInFocusOrder(ControlId::FontList, FocusDirection::Forward), ControlId::ChineseRadio);
    EXPECT_EQ(NextInFocusOrder(ControlId::FontList, FocusDirection::Backward), ControlId::PreviewButton);
    EXPECT_EQ(NextInFocusOrder(std::nullopt, FocusDirection::Forward), ControlId::InputBox);
    EXPECT_EQ(NextInFocusOrder(ControlId::SizeLabel, FocusDirection::Backward), ControlId::InputBox);
}

TEST(ResolveKey, EnterClicksPreviewEverywhereButTheView) {
    for (const ControlEntry& entry : kControls) {
        const KeyAction enter = ResolveKey(Key::Enter, entry.id);
        EXPECT_EQ(enter, entry.id == ControlId::PreviewView ? KeyAction::PassToControl : KeyAction::ClickDefaultButton);
        EXPECT_EQ(ResolveKey(Key::Escape, entry.id), KeyAction::CloseWindow);
        const bool radio = entry.id == ControlId::ChineseRadio || entry.id == ControlId::EnglishRadio;
        for (Key arrow : {Key::Left, Key::Up, Key::Right, Key::Down})
            EXPECT_EQ(ResolveKey(arrow, entry.id), radio ? KeyAction::MoveRadio : KeyAction::PassToControl);
    }
    EXPECT_EQ(ResolveKey(Key::Enter, std::nullopt), KeyAction::ClickDefaultButton);
    EXPECT_EQ(OtherRadio(ControlId::ChineseRadio), ControlId::EnglishRadio);
    EXPECT_EQ(OtherRadio(ControlId::EnglishRadio), ControlId::ChineseRadio);
}

TEST(CentredOrigin, HalvesTruncatingTowardZero) {
    EXPECT_EQ(CentredOrigin(1920, 1080).x, 623);
    EXPECT_EQ(CentredOrigin(1920, 1080).y, 277);
    EXPECT_EQ(CentredOrigin(1025, 768).x, 175);
    EXPECT_EQ(CentredOrigin(640, 480).x, -17);  // -34 / 2
    EXPECT_EQ(CentredOrigin(640, 480).y, -22);  // -45 / 2 truncates to -22
}

}  // namespace
}  // namespace typovel
