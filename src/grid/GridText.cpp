#include "grid/GridText.h"

#include "platform/SjisText.h"

namespace grid {
namespace {

bool IsCellEnd(char c) {
    return c == '\t' || c == '\r' || c == '\n';
}

// Reads a quoted cell starting at the quote at pos; false when it has no closing quote.
bool ReadQuotedCell(std::string_view text, std::size_t& pos, std::string& cell) {
    std::string content;
    std::size_t i = pos + 1;
    while (i < text.size()) {
        if (text[i] != '"') {
            content += text[i++];
        } else if (i + 1 < text.size() && text[i + 1] == '"') {
            content += '"';
            i += 2;
        } else {
            cell = std::move(content);
            pos = i + 1;
            return true;
        }
    }
    return false;
}

} // namespace

std::vector<std::string> SplitList(std::string_view listText) {
    std::vector<std::string> items(1);
    std::size_t i = 0;
    while (i < listText.size()) {
        const auto byte = static_cast<unsigned char>(listText[i]);
        const bool pair = sjis::IsLeadByte(byte) && i + 1 < listText.size() &&
                          sjis::IsTrailByte(static_cast<unsigned char>(listText[i + 1]));
        if (pair) {
            items.back() += listText.substr(i, 2);
            i += 2;
        } else {
            if (byte == '|')
                items.emplace_back();
            else
                items.back() += listText[i];
            ++i;
        }
    }
    return items;
}

std::vector<std::vector<std::string>> SplitCellBlock(std::string_view text) {
    std::vector<std::vector<std::string>> rows(1);
    std::size_t i = 0;
    while (true) {
        std::string cell;
        if (i < text.size() && text[i] == '"')
            ReadQuotedCell(text, i, cell);
        while (i < text.size() && !IsCellEnd(text[i]))
            cell += text[i++];
        rows.back().push_back(std::move(cell));
        if (i == text.size())
            break;
        if (text[i] == '\t') {
            ++i;
            continue;
        }
        i += text.compare(i, 2, "\r\n") == 0 ? 2 : 1;
        if (i == text.size())
            break; // one trailing row break ends the text, it opens no row
        rows.emplace_back();
    }
    return rows;
}

} // namespace grid
