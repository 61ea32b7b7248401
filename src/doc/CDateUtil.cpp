#include "doc/CDateUtil.h"

#include "platform/MessageBox.h"

#include <array>
#include <cstring>

namespace {

unsigned HexValue(char c) {
    if (c >= '0' && c <= '9')
        return static_cast<unsigned>(c - '0');
    if (c >= 'A' && c <= 'F')
        return static_cast<unsigned>(c - 'A' + 10);
    if (c >= 'a' && c <= 'f')
        return static_cast<unsigned>(c - 'a' + 10);
    return 0;
}

} // namespace

std::size_t CDateUtil::HexString2Bin(std::string_view text,
                                     std::span<unsigned char, kMaxBinBytes> out) const {
    std::string digits;
    if (text.size() % 2 != 0)
        digits = "0";
    digits += text;

    const std::size_t pairs = digits.size() / 2;
    const std::size_t count = pairs < kMaxBinBytes ? pairs : kMaxBinBytes;
    for (std::size_t i = 0; i < count; ++i)
        out[i] = static_cast<unsigned char>(HexValue(digits[2 * i]) << 4 | HexValue(digits[2 * i + 1]));
    if (pairs > kMaxBinBytes)
        VktMessageBox("HexString2Bin() ERR", MB_OK | MB_ICONEXCLAMATION);
    return count;
}

std::string CDateUtil::HexString2Dec(std::string_view text, int size) const {
    if (size < 1 || size > 4)
        return {};
    std::string digits(text);
    if (size == 3) {
        digits.insert(0, "00");
        size = 4;
    }
    const std::size_t wanted = 2 * static_cast<std::size_t>(size);
    if (digits.size() < wanted)
        digits.insert(0, wanted - digits.size(), '0');

    std::array<unsigned char, kMaxBinBytes> bytes{};
    HexString2Bin(digits, bytes);

    std::uint32_t value = 0;
    if (size == 1) {
        value = bytes[0];
    } else if (size == 2) {
        std::uint16_t little = 0;
        std::memcpy(&little, bytes.data(), sizeof little);
        value = SwapBytes16(little);
    } else {
        std::uint32_t little = 0;
        std::memcpy(&little, bytes.data(), sizeof little);
        value = SwapBytes32(little);
    }
    return std::to_string(value);
}

std::uint16_t CDateUtil::SwapBytes16(std::uint16_t value) const {
    return static_cast<std::uint16_t>((value >> 8) | (value << 8));
}

std::uint32_t CDateUtil::SwapBytes32(std::uint32_t value) const {
    return (value >> 24) | ((value >> 8) & 0x0000FF00u) | ((value << 8) & 0x00FF0000u) | (value << 24);
}

BOOL CDateUtil::IsLeapYear(unsigned year) const {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int CDateUtil::GetDaysInMonth(int year, int month) const {
    switch (month) {
    case 2:
        return IsLeapYear(static_cast<unsigned>(year)) ? 29 : 28;
    case 1:
    case 3:
    case 5:
    case 7:
    case 8:
    case 10:
    case 12:
        return 31;
    default:
        return 30;
    }
}
