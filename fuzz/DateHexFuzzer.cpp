// The record's hexadecimal date text: any text converts without writing past the byte buffer,
// and a text of exactly the asked width reads as the number it spells.
#include "FuzzCheck.h"
#include "doc/CDateUtil.h"
#include "platform/MessageBox.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <string>

namespace {

bool IsHexText(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; });
}

void CheckDec(const CDateUtil& util, std::string_view text, int size) {
    const std::string dec = util.HexString2Dec(text, size);
    if (size < 1 || size > 4) {
        FUZZ_CHECK(dec.empty());
        return;
    }
    FUZZ_CHECK(!dec.empty() && dec.size() <= 10);
    FUZZ_CHECK(std::all_of(dec.begin(), dec.end(), [](char c) { return c >= '0' && c <= '9'; }));
    const unsigned long long value = std::stoull(dec);
    FUZZ_CHECK(value < 1ull << (8 * size));
    if (text.size() == 2 * static_cast<std::size_t>(size) && IsHexText(text))
        FUZZ_CHECK(value == std::stoull(std::string(text), nullptr, 16));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // Texts longer than the buffer are reported, and fuzzing makes many of them.
    SetMessageBoxHandler([](const std::string&, UINT) { return IDOK; });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const int width = static_cast<signed char>(data[0]) % 6; // -5 to 5: the bad widths too
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
    const CDateUtil util;

    std::array<unsigned char, CDateUtil::kMaxBinBytes> bytes;
    const std::size_t written = util.HexString2Bin(text, bytes);
    FUZZ_CHECK(written == std::min((text.size() + 1) / 2, CDateUtil::kMaxBinBytes));

    CheckDec(util, text, width);
    CheckDec(util, text.substr(0, 2 * static_cast<std::size_t>(std::max(width, 0))), width);
    return 0;
}
