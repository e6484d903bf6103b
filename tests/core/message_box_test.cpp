#include "services/message_box.h"

#include <gtest/gtest.h>

#include "fakes.h"

namespace typovel {
namespace {

TEST(ShowMessage, OmittedCaptionIsTheDefaultAndTaskModalIsAdded) {
    testing::FakeMessageBox box;
    EXPECT_EQ(ShowMessage(box, "hi", kMbOk), 0);
    ASSERT_EQ(box.shown.size(), 1U);
    EXPECT_EQ(box.shown[0].message, "hi");
    EXPECT_EQ(box.shown[0].caption, "\xD0\xC5\xCF\xA2\xA3\xBA");
    EXPECT_EQ(box.shown[0].style, kMbTaskModal);
    EXPECT_EQ(box.shown[0].owner, nullptr);

    ShowMessage(box, "", 0x4, std::string_view{});  // a given empty caption stays empty
    EXPECT_EQ(box.shown[1].caption, "");
    EXPECT_EQ(box.shown[1].style, 0x2004U);
}

TEST(MessageBoxStyle, SystemModalIsLeftAlone) {
    EXPECT_EQ(MessageBoxStyle(0), 0x2000U);
    EXPECT_EQ(MessageBoxStyle(0x1000), 0x1000U);
    EXPECT_EQ(MessageBoxStyle(0x1001), 0x1001U);
    EXPECT_EQ(MessageBoxStyle(0x2001), 0x2001U);
}

TEST(ResultCodeFromAnswer, MapsTheSevenAnswers) {
    const int answers[] = {kIdOk, kIdCancel, kIdAbort, kIdRetry, kIdIgnore, kIdYes, kIdNo};
    for (int code = 0; code < 7; ++code) EXPECT_EQ(ResultCodeFromAnswer(answers[code]), code);
    for (int other : {0, 8, 11, -1}) EXPECT_EQ(ResultCodeFromAnswer(other), 0) << other;
    testing::FakeMessageBox box;
    box.answer = kIdNo;
    EXPECT_EQ(ShowMessage(box, "q", 0x4), 6);
}

}  // namespace
}  // namespace typovel
