#include "doc/CDateUtil.h"

#include "TestFiles.h"

#include <array>
#include <gtest/gtest.h>

namespace {

struct DecCase {
    const char* text;
    int size;
    const char* expected;
};

TEST(CDateUtil, HexString2Dec) {
    const DecCase cases[] = {
        {"07D6", 2, "2006"},   {"07", 1, "7"},        {"15", 1, "21"},
        {"", 1, "0"},          {"123456", 3, "1193046"}, {"FFFFFFFF", 4, "4294967295"},
        {"07D60715", 2, "2006"}, // characters beyond 2 x size do not count
        {"7", 1, "7"},         {"ff", 1, "255"},       {"zz", 1, "0"},
        {"12", 0, ""},         {"12", 5, ""},          {"12", -1, ""},
    };
    const CDateUtil util;
    for (const DecCase& c : cases)
        EXPECT_EQ(util.HexString2Dec(c.text, c.size), c.expected) << c.text << ", " << c.size;
}

struct BinCase {
    const char* text;
    std::vector<unsigned char> expected;
};

TEST(CDateUtil, HexString2Bin) {
    const BinCase cases[] = {
        {"DEF", {0x0D, 0xEF}}, {"G1", {0x01}}, {"1G", {0x10}}, {"", {}},
        {"07d60715", {0x07, 0xD6, 0x07, 0x15}}, {"\x93\xFA", {0x00}}, {" -", {0x00}},
    };
    const CDateUtil util;
    for (const BinCase& c : cases) {
        std::array<unsigned char, CDateUtil::kMaxBinBytes> out{};
        out.fill(0xAA);
        const std::size_t written = util.HexString2Bin(c.text, out);
        ASSERT_EQ(written, c.expected.size()) << c.text;
        EXPECT_TRUE(std::equal(c.expected.begin(), c.expected.end(), out.begin())) << c.text;
        EXPECT_EQ(out[written], 0xAA) << "wrote past its result: " << c.text;
    }
}

TEST(CDateUtil, HexString2BinStopsAt4096BytesWithAMessage) {
    MessageRecorder messages;
    const CDateUtil util;
    std::array<unsigned char, CDateUtil::kMaxBinBytes> out{};

    EXPECT_EQ(util.HexString2Bin(std::string(8192, 'F'), out), 4096u);
    EXPECT_TRUE(messages.Messages().empty());

    EXPECT_EQ(util.HexString2Bin(std::string(8193, '1'), out), 4096u); // "0" is put in front
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].text, "HexString2Bin() ERR");
    EXPECT_EQ(messages.Messages()[0].type, MB_OK | MB_ICONEXCLAMATION);
    EXPECT_EQ(out[0], 0x01);
    EXPECT_EQ(out[4095], 0x11);
}

TEST(CDateUtil, SwapBytes) {
    const CDateUtil util;
    EXPECT_EQ(util.SwapBytes16(0x1234), 0x3412);
    EXPECT_EQ(util.SwapBytes32(0x12345678u), 0x78563412u);
    EXPECT_EQ(util.SwapBytes32(0xFF000000u), 0x000000FFu);
}

TEST(CDateUtil, DaysInMonth) {
    struct Case {
        int year, month, days;
    };
    const Case cases[] = {
        {2000, 2, 29}, {1900, 2, 28}, {2008, 2, 29}, {2009, 2, 28}, {2026, 2, 28},
        {2006, 1, 31}, {2006, 4, 30}, {2006, 6, 30}, {2006, 7, 31}, {2006, 8, 31},
        {2006, 9, 30}, {2006, 11, 30}, {2006, 12, 31}, {2006, 13, 30}, {2006, 0, 30},
    };
    const CDateUtil util;
    for (const Case& c : cases)
        EXPECT_EQ(util.GetDaysInMonth(c.year, c.month), c.days) << c.year << "-" << c.month;
}

TEST(CDateUtil, LeapYears) {
    const CDateUtil util;
    EXPECT_TRUE(util.IsLeapYear(2000));
    EXPECT_TRUE(util.IsLeapYear(2024));
    EXPECT_FALSE(util.IsLeapYear(2100));
    EXPECT_FALSE(util.IsLeapYear(2026));
}

} // namespace
