// The Shift-JIS conversions and cuts on any bytes: conversions give well-formed text and fold to
// a fixpoint, cuts land on whole characters.
#include "FuzzCheck.h"
#include "SjisBoundary.h"
#include "platform/SjisText.h"

#include <cstdint>
#include <string>

namespace {

// Well-formed UTF-8 as RFC 3629 defines it: shortest forms only, no surrogates, up to U+10FFFF.
bool IsWellFormedUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto byte = static_cast<unsigned char>(text[i]);
        std::size_t length = byte < 0x80 ? 1 : byte >= 0xC2 && byte < 0xE0 ? 2
                                            : byte >= 0xE0 && byte < 0xF0   ? 3
                                            : byte >= 0xF0 && byte < 0xF5   ? 4
                                                                            : 0;
        if (length == 0 || i + length > text.size())
            return false;
        char32_t code = length == 1 ? byte : byte & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            code = code << 6 | (next & 0x3F);
        }
        const char32_t shortest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < shortest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);

    const std::string shown = sjis::ToUtf8(input);
    FUZZ_CHECK(IsWellFormedUtf8(shown));

    // What the program stores from any typed text decodes and encodes to itself.
    const std::string stored = sjis::FromUtf8(input);
    FUZZ_CHECK(sjis::FromUtf8(sjis::ToUtf8(stored)) == stored);
    FUZZ_CHECK(sjis::FromUtf8(sjis::ToUtf8(sjis::FromUtf8(shown))) == sjis::FromUtf8(shown));

    for (std::size_t limit : {std::size_t{0}, std::size_t{1}, std::size_t{4}, std::size_t{10},
                              size / 2, size + 1}) {
        FUZZ_CHECK(IsLongestFittingCut(input, sjis::FitPrefix(input, limit), limit));
    }
    return 0;
}
