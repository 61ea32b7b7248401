// The pasted-text splitter on any bytes. Without quotes the cells, joined again, give back the
// text with its row breaks made LF and one trailing break dropped.
#include "FuzzCheck.h"
#include "grid/GridText.h"

#include <cstdint>
#include <string>

namespace {

std::string Joined(const std::vector<std::vector<std::string>>& rows) {
    std::string text;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < rows[r].size(); ++c)
            text += (c == 0 ? "" : "\t") + rows[r][c];
        if (r + 1 < rows.size())
            text += '\n';
    }
    return text;
}

std::string WithLfBreaksAndNoTrailingOne(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        out += text[i] == '\r' ? '\n' : text[i];
    }
    if (!out.empty() && out.back() == '\n')
        out.pop_back();
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const auto rows = grid::SplitCellBlock(input);
    FUZZ_CHECK(!rows.empty());
    std::size_t cellBytes = 0;
    for (const auto& row : rows) {
        FUZZ_CHECK(!row.empty());
        for (const std::string& cell : row)
            cellBytes += cell.size();
    }
    FUZZ_CHECK(cellBytes <= size);
    if (input.find('"') == std::string_view::npos)
        FUZZ_CHECK(Joined(rows) == WithLfBreaksAndNoTrailingOne(input));

    for (const std::string& item : grid::SplitList(input))
        FUZZ_CHECK(item.size() <= size);
    return 0;
}
