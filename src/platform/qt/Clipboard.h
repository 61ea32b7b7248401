#pragma once
// The clipboard as Shift-JIS text, for the copy and paste of grid cells.
#include <string>

void SetClipboardText(const std::string& sjisText);
// Empty when the clipboard holds no text. A text too large for any grid is refused with a
// message, and the result is empty.
std::string GetClipboardText();
// The clipboard's text for a single cell: a cell copied in a spreadsheet arrives with a row
// break after it, which is dropped.
std::string GetClipboardCellText();
