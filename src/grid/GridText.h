#pragma once
// The two text formats the grid reads, on Shift-JIS bytes.
#include <string>
#include <string_view>
#include <vector>

namespace grid {

// "|"-separated items. A "|" that is the trail byte of a double-byte character ("ポ" is
// 0x83 0x7C) belongs to that character.
std::vector<std::string> SplitList(std::string_view listText);

// Rows of cells as spreadsheets put them on the clipboard: cells split on TAB, rows on CR, LF or
// CR LF, one trailing row break ignored. A cell that starts with a double quote and has its
// closing quote is a quoted cell ("" stands for one quote; TAB and row breaks inside belong to
// it); without a closing quote the quote is plain text. TAB, CR, LF and '"' are never trail bytes,
// so the split works on bytes.
std::vector<std::vector<std::string>> SplitCellBlock(std::string_view text);

} // namespace grid
