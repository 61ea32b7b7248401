#pragma once
// Stateless helpers for the record's hexadecimal date text and the length of a month.
#include "platform/WinTypes.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

class CDateUtil {
public:
    static constexpr std::size_t kMaxBinBytes = 4096;

    virtual ~CDateUtil() = default;

    // Pairs of hex digits to bytes; other characters count as 0. Returns the bytes written.
    std::size_t HexString2Bin(std::string_view text, std::span<unsigned char, kMaxBinBytes> out) const;
    // The first size (1 to 4) bytes of the hex text, big-endian, as unsigned decimal text.
    std::string HexString2Dec(std::string_view text, int size) const;

    std::uint16_t SwapBytes16(std::uint16_t value) const;
    std::uint32_t SwapBytes32(std::uint32_t value) const;

    BOOL IsLeapYear(unsigned year) const;
    int GetDaysInMonth(int year, int month) const;
};
