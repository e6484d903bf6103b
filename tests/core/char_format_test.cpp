#include "preview/char_format.h"
#include "preview/rich_view.h"

#include <limits>

#include <gtest/gtest.h>

namespace typovel {
namespace {

TEST(ToViewFormat, MapsEveryAttributeTogether) {
    const ViewCharFormat view = ToViewFormat({"\xCB\xCE\xCC\xE5", 24, 0, 0, kAutomaticColour});
    EXPECT_EQ(view.faceName, "\xCB\xCE\xCC\xE5");
    EXPECT_EQ(view.height, 480);
    EXPECT_EQ(view.offset, 0);
    EXPECT_EQ(view.effects, 0U);
    EXPECT_TRUE(view.automaticColour);
    EXPECT_EQ(view.colour, 0U);
}

TEST(ToViewFormat, KeepsEffectBitsZeroToFourAndRgbColour) {
    struct Case {
        std::uint32_t effects;
        std::uint32_t colour;
        std::uint32_t expectedEffects;
        bool automatic;
        std::uint32_t expectedColour;
    } const cases[] = {
        {0x21, kAutomaticColour, kBold, true, 0},
        {0xFFFFFFFF, 0x000000FF, kAllEffects, false, 0x000000FF},
        {kItalic | kProtected, 0x00FFFFFF, kItalic | kProtected, false, 0x00FFFFFF},
        {0, 0, 0, false, 0},  // 0 is black, not automatic
    };
    for (const Case& c : cases) {
        const ViewCharFormat view = ToViewFormat({"x", 9, 0, c.effects, c.colour});
        EXPECT_EQ(view.effects, c.expectedEffects);
        EXPECT_EQ(view.automaticColour, c.automatic);
        EXPECT_EQ(view.colour, c.expectedColour);
    }
}

TEST(PointsToTwips, WrapsIn32Bits) {
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    struct Case {
        std::int32_t points;
        std::int32_t twips;
    } const cases[] = {
        {24, 480}, {0, 0}, {-4, -80}, {107374182, 2147483640},
        {107374183, -2147483636},  // 2147483660 - 2^32
        {kMax, -20}, {kMin, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(PointsToTwips(c.points), c.twips) << c.points;
    EXPECT_EQ(ToViewFormat({"x", kMax, kMax, 0, 0}).offset, -20);
}

TEST(SelectionForStart, NegativeStartsBecomeZeroAndNothingIsSelected) {
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    struct Case {
        std::int32_t start;
        std::int32_t length;
        std::int32_t min;
        std::int32_t max;
    } const cases[] = {
        {-1, 0, 0, 0}, {-5, 0, 0, 0}, {10, 0, 10, 10}, {kMax, 0, kMax, kMax},
        {3, 2, 3, 5}, {kMax, 5, kMax, kMax}, {7, -1, 0, -1},
    };
    for (const Case& c : cases) {
        const CharRange range = SelectionForStart(c.start, c.length);
        EXPECT_EQ(range.min, c.min) << c.start;
        EXPECT_EQ(range.max, c.max) << c.start;
    }
}

}  // namespace
}  // namespace typovel
