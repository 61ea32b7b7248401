#pragma once
// Shift-JIS (code page 932) byte helpers and the one conversion to and from UTF-8.
#include <cstddef>
#include <string>
#include <string_view>

namespace sjis {

bool IsLeadByte(unsigned char byte);
bool IsTrailByte(unsigned char byte);

// Longest prefix of at most maxBytes bytes that does not end inside a double-byte character.
std::string_view FitPrefix(std::string_view text, std::size_t maxBytes);

// Invalid bytes become U+FFFD; each call stands alone (no state carried between texts).
std::string ToUtf8(std::string_view sjisText);

// Characters with no code page 932 form become "?"; the JIS forms of Linux programs
// (wave dash, minus, ...) are folded to their Microsoft equivalents first.
std::string FromUtf8(std::string_view utf8Text);

} // namespace sjis
