#include "services/number.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

namespace typovel {
namespace {

TEST(FoldFullWidth, FoldsTheListedCharactersOnly) {
    struct Case {
        std::string text;
        std::string expected;
    } const cases[] = {
        {"\xA3\xB2\xA3\xB4", "24"},
        {"\xA3\xAD\xA3\xB1\xA3\xAE\xA3\xB5", "-1.5"},
        {"\xA3\xA1\xA3\xFE", "!~"},
        {"\xA1\xA1\xA1\xAB\xA1\xEE\xA1\xEF", " ~**"},
        {"\xCB\xCE\xCC\xE5 x", "\xCB\xCE\xCC\xE5 x"},
        {"\xA3\xA0", "\xA3\xA0"},  // just below the full-width range
        {"12\xA3", "12"},          // a lone lead byte at the end is dropped
        {"\x81" "A", "\x81" "A"},  // any high byte leads, whatever follows
    };
    for (const Case& c : cases) EXPECT_EQ(FoldFullWidth(c.text), c.expected) << c.text;
}

TEST(ParseNumber, ReadsTheLeadingNumberAsFloat) {
    const float inf = std::numeric_limits<float>::infinity();
    struct Case {
        std::string text;
        float expected;
    } const cases[] = {
        {"24", 24.0F},
        {"", 0.0F},
        {"abc", 0.0F},
        {"12.9", 12.9F},
        {"\xA3\xB2\xA3\xB4", 24.0F},
        {"\xA3\xB2\xA3\xAE\xA3\xB5", 2.5F},
        {"\xA1\xA1\xA1\xA1" "24", 24.0F},
        {"24\xCB\xCE", 24.0F},
        {" \t\n\v\f\r-4", -4.0F},
        {"+7", 7.0F},
        {"1e39", inf},
        {"-1e39", -inf},
        {"3e9", 3e9F},
        {"1d1", 10.0F},
        {"1D1", 10.0F},
        {"2E-1", 0.2F},
        {"1e", 1.0F},      // an exponent letter with no digits is not part of the number
        {"1e+", 1.0F},
        {".5", 0.5F},
        {"5.", 5.0F},
        {".", 0.0F},
        {"-", 0.0F},
        {"+-5", 0.0F},
        {"1.2.3", 1.2F},
        {"inf", 0.0F},     // the grammar has no words
        {"nan", 0.0F},
        {"0x10", 0.0F},    // nor hex forms
        {"1,5", 1.0F},     // the decimal point is always "."
        {"1e-50", 0.0F},   // below the float range
        {"1e400", inf},    // beyond even the double range
        {"1e-400", 0.0F},
        {"0e999999999999", 0.0F},
        {"3.4028235e38", std::numeric_limits<float>::max()},
        {"3.40282356e38", std::numeric_limits<float>::max()},  // below halfway to 2^128: FLT_MAX
        {"3.4028236e38", inf},
        {"16777217", 16777216.0F},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseNumber(c.text), c.expected) << c.text;
}

TEST(ParseNumber, LongDigitRunsConvertExactly) {
    EXPECT_EQ(ParseNumber(std::string(5000, '0') + "36"), 36.0F);
    EXPECT_EQ(ParseNumber("0." + std::string(5000, '0') + "1e5001"), 1.0F);
    EXPECT_EQ(ParseNumber(std::string(400, '9')), std::numeric_limits<float>::infinity());
    EXPECT_EQ(ParseNumber("1" + std::string(30, '0') + "e-30"), 1.0F);
}

TEST(ParseNumber, TwelvePointNineIsTheSinglePrecisionValue) {
    EXPECT_EQ(static_cast<double>(ParseNumber("12.9")), 12.899999618530273);
}

TEST(TruncateToInt, TruncatesTowardZeroAndKeepsTheLow32Bits) {
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        double value;
        std::int32_t expected;
    } const cases[] = {
        {12.9, 12},
        {-3.7, -3},
        {-0.5, 0},
        {-1.0, -1},
        {2147483648.0, -2147483647 - 1},
        {3e9, static_cast<std::int32_t>(3000000000LL - 4294967296LL)},
        {4294967296.0, 0},
        {4294967297.0, 1},
        {inf, 0},
        {-inf, 0},
        {std::nan(""), 0},
        {9.3e18, 0},     // beyond 2^63
        {-9.3e18, 0},
        {-9223372036854775808.0, 0},  // -2^63 itself
        {static_cast<double>(static_cast<float>(16777217)), 16777216},
    };
    for (const Case& c : cases) EXPECT_EQ(TruncateToInt(c.value), c.expected) << c.value;
}

TEST(TruncateToInt, SizeTextsGoThroughSinglePrecisionFirst) {
    struct Case {
        std::string text;
        std::int32_t expected;
    } const cases[] = {
        {"12.9", 12}, {"1e39", 0}, {"3e9", static_cast<std::int32_t>(3000000000LL - 4294967296LL)}, {"2147483647", -2147483647 - 1},
    };
    for (const Case& c : cases) EXPECT_EQ(TruncateToInt(ParseNumber(c.text)), c.expected) << c.text;
}

}  // namespace
}  // namespace typovel
