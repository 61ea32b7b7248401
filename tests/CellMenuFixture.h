#pragma once
// Drives the cell menu of either grid as the user does: the menu's action of a command id.
#include "grid/CCellGrid.h"
#include "platform/WinTypes.h"

#include <QMenu>
#include <QString>
#include <string>

void TriggerCellMenu(QMenu* menu, UINT id);

// The clipboard as other programs see it.
void PutOnClipboard(const QString& text);
QString ClipboardText();

// Fills the block from (row, column) with the Shift-JIS texts of rows of UTF-8 cells.
void FillCells(CCellGrid& grid, long row, long column,
               std::initializer_list<std::initializer_list<const char*>> cells);
// The cell's text as UTF-8.
std::string CellUtf8(const CCellGrid& grid, long row, long column);

struct Selection {
    long row;
    long column;
    long endRow;
    long endColumn;
    friend bool operator==(const Selection&, const Selection&) = default;
};
Selection SelectionOf(const CCellGrid& grid);
