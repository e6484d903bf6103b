#include "preview/plain_text.h"

#include <gtest/gtest.h>

namespace typovel {
namespace {

using namespace std::string_literals;

struct Case {
    std::string input;
    std::string expected;
};

// Failure messages show the input, escaped, rather than the bytes of the struct.
void PrintTo(const Case& c, std::ostream* out) { *out << ::testing::PrintToString(c.input); }

class ExtractPlainTextTable : public ::testing::TestWithParam<Case> {};

TEST_P(ExtractPlainTextTable, Reads) {
    const Case& c = GetParam();
    EXPECT_EQ(ExtractPlainText(c.input), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Plain, ExtractPlainTextTable, ::testing::Values(
    Case{"Hello, \xCA\xC0\xBD\xE7", "Hello, \xCA\xC0\xBD\xE7"},
    Case{"a\r\nb\rc\nd", "abcd"},
    Case{"", ""},
    Case{"\r\n", ""}));

INSTANTIATE_TEST_SUITE_P(ControlWords, ExtractPlainTextTable, ::testing::Values(
    Case{"a\\par b", "a\r\nb"},
    Case{"a\\par  b", "a\r\n b"},
    Case{"\\par\\par", "\r\n\r\n"},
    Case{"a\\tab b", "a\tb"},
    Case{"a\\line b", "ab"},
    Case{"\\PAR x", "x"},
    Case{"\\{\\}\\\\", "{}\\"},
    Case{"\\emdash", "\xA1\xAA"},
    Case{"\\lquote x\\rquote", "\xA1\xAE" "x\xA1\xAF"},
    Case{"\\ldblquote\\rdblquote", "\xA1\xB0\xA1\xB1"},
    Case{"\\u8212?", "?"},
    Case{"\\b1 bold\\b0", "bold"},
    Case{"a\\\nb", "a\r\nb"},
    Case{"a\\\rb", "a\r\nb"},
    Case{"a\\par-x", "a\r\nx"},
    Case{"a\\par- x", "a\r\nx"},
    Case{"\\par12345678901234567890123 x", "\r\nx"},  // more digits than the field holds
    Case{"\\" + std::string(40, 'p') + " x", "x"},      // more letters than the field holds
    Case{"\\par" + std::string(40, 'a') + "b x", "x"},
    Case{"\\~x", "x"}));

INSTANTIATE_TEST_SUITE_P(Groups, ExtractPlainTextTable, ::testing::Values(
    Case{"a{b}c", "abc"},
    Case{"a{b", "ab"},
    Case{"a}b", "a"},
    Case{"{\\fonttbl x}y", "y"},
    Case{"{\\*\\foo x}y", "y"},
    Case{"{\\*\\b x}y", "xy"},
    Case{"\\fonttbl x", ""},
    Case{"\\*abc\\zzz def", "abc"},
    Case{"{\\*}x\\zzz y", "x"},  // the flag outlives its group
    Case{"{\\info{\\title t}i}after", "after"},
    Case{"{\\fonttbl{\\*\\zzz a}b}c", "c"},
    Case{std::string(100000, '{') + "deep" + std::string(100000, '}'), "deep"}));

INSTANTIATE_TEST_SUITE_P(HexEscapes, ExtractPlainTextTable, ::testing::Values(
    Case{"\\'c4\\'e3", "\xC4\xE3"},
    Case{"\\'C4\\'E3", "\xC4\xE3"},
    Case{"\\'41\\'42", "AB"},
    Case{"ab\\'00cd", "ab"},
    Case{"\\'zz", ""},
    Case{"ab\\'4", "ab"},
    Case{"\\'4{x\\'1", "xA"},
    Case{"\\'5c par", "\\ par"},
    Case{"\\'4\r\n1", "A"},  // line breaks stay ignored between the digits
    Case{"{\\fonttbl \\'41}B", "B"}));

INSTANTIATE_TEST_SUITE_P(RawBytes, ExtractPlainTextTable, ::testing::Values(
    Case{"\\bin3 {}\\x", "{}\\x"},
    Case{"\\bin0{x}", "{x"},
    Case{"\\bin-2 {}\\x", "{"},
    Case{"\\b5 \\bin {}x", "{}x"},  // takes the last parameter read
    Case{"\\bin2 \r\nx", "\r\nx"},
    Case{"\\bin-2147483648 ab", "ab"},
    Case{"{\\fonttbl\\bin2 }}}x", "x"}));

INSTANTIATE_TEST_SUITE_P(Stops, ExtractPlainTextTable, ::testing::Values(
    Case{"x\\", "x"},
    Case{"abc\\par-", "abc"},
    Case{"abc\\par", "abc\r\n"},
    Case{"a\0b"s, "a"}));

// The reader works on bytes: a double-byte character whose second byte is
// markup splits.
INSTANTIATE_TEST_SUITE_P(DoubleByte, ExtractPlainTextTable, ::testing::Values(
    Case{"\xD5\x5C" "abc", "\xD5"},
    Case{"\xBB\x7B" "abc}", "\xBB" "abc"},
    Case{"\x98\x7D" "x", "\x98"},
    Case{"\\\xD6\xD0", "\xD0"}));

TEST(ExtractPlainText, CallsShareNothing) {
    const std::string sample = "X\\par";
    EXPECT_EQ(ExtractPlainText(sample), "X\r\n");
    EXPECT_EQ(ExtractPlainText(sample), "X\r\n");
    EXPECT_EQ(sample, "X\\par");
    EXPECT_EQ(ExtractPlainText("\\fonttbl"), "");
    EXPECT_EQ(ExtractPlainText("hello"), "hello");
    EXPECT_EQ(ExtractPlainText("\\'4"), "");
    EXPECT_EQ(ExtractPlainText("1"), "1");  // no half-read escape carries over
}

// Symbols and plain runs of every length interleave without losing or
// reordering a byte, whatever mix of short and long pieces comes.
TEST(ExtractPlainText, InterleavesSymbolsAndRunsOfAnyLength) {
    for (int symbols : {0, 1, 55, 56, 255, 256, 300}) {
        for (std::size_t run = 0; run <= 600; run += run < 270 ? 1 : 37) {
            std::string input;
            std::string expected;
            for (int i = 0; i < symbols; ++i) {
                input += "\\tab ";
                expected += '\t';
            }
            input += std::string(run, 'x') + "\\par " + std::string(run, 'y');
            expected += std::string(run, 'x') + "\r\n" + std::string(run, 'y');
            ASSERT_EQ(ExtractPlainText(input), expected) << symbols << " symbols, run " << run;
        }
    }
}

}  // namespace
}  // namespace typovel
