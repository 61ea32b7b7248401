#include "CellMenuFixture.h"

#include "platform/SjisText.h"

#include <QClipboard>
#include <QGuiApplication>
#include <stdexcept>

void TriggerCellMenu(QMenu* menu, UINT id) {
    for (QAction* action : menu->actions()) {
        if (!action->isSeparator() && action->data().toUInt() == id) {
            action->trigger();
            return;
        }
    }
    throw std::runtime_error("no such command in the cell menu");
}

void PutOnClipboard(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}

QString ClipboardText() {
    return QGuiApplication::clipboard()->text();
}

void FillCells(CCellGrid& grid, long row, long column,
               std::initializer_list<std::initializer_list<const char*>> cells) {
    long r = row;
    for (const auto& line : cells) {
        long c = column;
        for (const char* text : line)
            grid.SetCellText(r, c++, sjis::FromUtf8(text));
        ++r;
    }
}

std::string CellUtf8(const CCellGrid& grid, long row, long column) {
    return sjis::ToUtf8(grid.GetCellText(row, column));
}

Selection SelectionOf(const CCellGrid& grid) {
    return {grid.GetCurrentRow(), grid.GetCurrentColumn(), grid.GetSelectionEndRow(),
            grid.GetSelectionEndColumn()};
}
