#include "platform/SjisText.h"

#include <gtest/gtest.h>

namespace {

struct FitCase {
    const char* name;
    std::string text;
    std::size_t maxBytes;
    std::string expected;
};

class FitPrefixTest : public testing::TestWithParam<FitCase> {};

TEST_P(FitPrefixTest, CutsOnAWholeCharacter) {
    EXPECT_EQ(sjis::FitPrefix(GetParam().text, GetParam().maxBytes), GetParam().expected);
}

// "山田" is 0x8E 0x52 0x93 0x63; "ｱ" (0xB1) is a single byte.
INSTANTIATE_TEST_SUITE_P(
    Cases, FitPrefixTest,
    testing::Values(FitCase{"Fits", "abc", 4, "abc"}, FitCase{"AsciiCut", "abcdef", 4, "abcd"},
                    FitCase{"PairWhole", "\x8E\x52\x93\x63", 4, "\x8E\x52\x93\x63"},
                    FitCase{"PairNotSplit", "a\x8E\x52\x93\x63", 4, "a\x8E\x52"},
                    FitCase{"HalfWidthKana", "\xB1\xB2\xB3\xB4\xB5", 4, "\xB1\xB2\xB3\xB4"},
                    FitCase{"LeadByteAtEndKept", "ab\x8E", 4, "ab\x8E"},
                    FitCase{"Zero", "abc", 0, ""}),
    [](const auto& c) { return c.param.name; });

TEST(SjisConversion, UsesTheWindowsMappingBothWays) {
    // wave dash row, horizontal bar, minus sign, backslash and tilde
    EXPECT_EQ(sjis::ToUtf8("\x81\x60\x81\x5C\x81\x7C\x5C\x7E"), "\uFF5E\u2015\uFF0D\\~");
    EXPECT_EQ(sjis::FromUtf8("\uFF5E\u2015\uFF0D\\~"), "\x81\x60\x81\x5C\x81\x7C\x5C\x7E");
    EXPECT_EQ(sjis::FromUtf8("日勤ｱ"), "\x93\xFA\x8B\xCE\xB1");
}

TEST(SjisConversion, ControlBytesPassUnchanged) {
    std::string controls;
    for (int c = 1; c < 0x20; ++c)
        controls += static_cast<char>(c);
    controls += '\x7F';
    EXPECT_EQ(sjis::ToUtf8(controls), controls);
    EXPECT_EQ(sjis::FromUtf8(controls), controls);
}

TEST(SjisConversion, FoldsJisFormsOfLinuxPrograms) {
    EXPECT_EQ(sjis::FromUtf8("\u301C\u2212\u2016\u2014\u00A2\u00A3\u00AC"),
              "\x81\x60\x81\x7C\x81\x61\x81\x5C\x81\x91\x81\x92\x81\xCA");
}

TEST(SjisConversion, UnmappableCharactersBecomeQuestionMarks) {
    EXPECT_EQ(sjis::FromUtf8("a\U0001F600b\u00E9c"), "a?b?c");
    EXPECT_EQ(sjis::FromUtf8("x\xFFy"), "x?y"); // broken UTF-8 as well
}

TEST(SjisConversion, InvalidBytesShowAsReplacementCharacters) {
    // undefined pair, lead byte with a bad trail byte, 0xFF, lead byte cut at the end
    EXPECT_EQ(sjis::ToUtf8("\x85\x40" "A\x81\xFF" "B\x82"), "\uFFFD" "A\uFFFD\uFFFD" "B\uFFFD");
}

TEST(SjisConversion, EachTextStandsAlone) {
    // A lead byte cut at the end of one field must not join the next one.
    EXPECT_EQ(sjis::ToUtf8("\x93"), "\uFFFD");
    EXPECT_EQ(sjis::ToUtf8("\xFA"), "\uFFFD");
    EXPECT_EQ(sjis::ToUtf8("\x93\xFA"), "日");
    EXPECT_EQ(sjis::ToUtf8("\xFA" "A"), "ⅱ"); // 0x41 is a valid trail byte
}

} // namespace
