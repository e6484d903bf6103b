#include "services/text.h"

#include <gtest/gtest.h>

namespace typovel {
namespace {

using namespace std::string_literals;

TEST(LeftBytes, CutsByBytesAndAnswersEmptyOutOfRange) {
    struct Case {
        std::string text;
        std::int32_t count;
        std::string expected;
    } const cases[] = {
        {"@SimSun", 1, "@"},
        {"\xCB\xCE\xCC\xE5", 1, "\xCB"},  // 宋体: the lead byte alone
        {"Arial", 0, ""},
        {"Arial", -3, ""},
        {"", 1, ""},
        {"ab", 99, "ab"},
        {"ab\0cd"s, 4, "ab"},  // a text ends at its first zero byte
    };
    for (const Case& c : cases) EXPECT_EQ(LeftBytes(c.text, c.count), c.expected) << c.text << " " << c.count;
}

TEST(ByteCodeAt, ReadsTheByteAsSigned) {
    struct Case {
        std::string text;
        std::int32_t position;
        std::int32_t expected;
    } const cases[] = {
        {"\xCB\xCE\xCC\xE5", 1, -53},
        {"\xFF", 1, -1},
        {"\x80", 1, -128},
        {"Arial", 1, 65},
        {"Arial", 5, 108},
        {"Arial", 6, 0},
        {"Arial", 0, 0},
        {"Arial", -1, 0},
        {"", 1, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(ByteCodeAt(c.text, c.position), c.expected) << c.text << " @" << c.position;
}

TEST(CompareBytes, OrdersUnsignedBytesAndPrefixesFirst) {
    struct Case {
        std::string a;
        std::string b;
        int expected;
    } const cases[] = {
        {"", "", 0},
        {"", "@", -1},
        {"@", "", 1},
        {"\xB0", "A", 1},  // unsigned: 0xB0 > 0x41
        {"A", "\xB0", -1},
        {"Arial", "ARIAL", 1},
        {"ab", "abc", -1},
        {" ", "", 1},  // a space is not empty
        {"abc", "abc", 0},
    };
    for (const Case& c : cases) EXPECT_EQ(CompareBytes(c.a, c.b), c.expected) << c.a << " vs " << c.b;
}

TEST(JoinTexts, JoinsInOrderAndKeepsEmptyParts) {
    EXPECT_EQ(JoinTexts({"\xCB\xCE\xCC\xE5", "\xA3\xBA", "abc", "\r\n"}), "\xCB\xCE\xCC\xE5\xA3\xBA" "abc\r\n");
    EXPECT_EQ(JoinTexts({"", "", "", ""}), "");
    EXPECT_EQ(JoinTexts({"a\0b"s, "c"}), "ac");
}

TEST(ByteLength, CountsBytesBeforeTheZero) {
    EXPECT_EQ(ByteLength(""), 0U);
    EXPECT_EQ(ByteLength("\xCB\xCE\xCC\xE5"), 4U);
    EXPECT_EQ(ByteLength("ab\0c"s), 2U);
}

}  // namespace
}  // namespace typovel
