#pragma once
// Where the characters of a Shift-JIS text start, walked from its first byte: a lead byte and
// whatever follows it are one character.
#include "platform/SjisText.h"

#include <string_view>

inline bool IsCharacterBoundary(std::string_view text, std::size_t position) {
    std::size_t i = 0;
    while (i < position)
        i += sjis::IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
    return i == position;
}

// A cut of text to at most maxBytes: a prefix, within the limit, on a boundary, and as long as
// the limit allows (the next character would not fit).
inline bool IsLongestFittingCut(std::string_view text, std::string_view cut, std::size_t maxBytes) {
    if (cut.size() > maxBytes || text.substr(0, cut.size()) != cut)
        return false;
    if (!IsCharacterBoundary(text, cut.size()))
        return false;
    if (cut.size() == text.size())
        return true;
    const bool pair = sjis::IsLeadByte(static_cast<unsigned char>(text[cut.size()])) &&
                      cut.size() + 1 < text.size();
    return cut.size() + (pair ? 2 : 1) > maxBytes;
}
