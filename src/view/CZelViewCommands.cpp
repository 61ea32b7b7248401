// The duty name dialog and the row and clipboard commands of the cell menu.
#include "view/CZelView.h"

#include "dialogs/CDutyNameDlg.h"
#include "doc/CZelDoc.h"
#include "doc/RosterRules.h"
#include "grid/CCellGrid.h"

namespace {

constexpr long kLastColumn = kDays + 1;

} // namespace

void CZelView::OnDutyNameDefinition() {
    // The dialog writes into the record on its row commands already, so Cancel needs all of it.
    const RosterRecord backup = *m_pRecord;
    CDutyNameDlg dialog(m_pRecord, this);
    if (dialog.exec() == QDialog::Accepted) {
        // The staff rows keep their codes as text; only the lists and the legend follow.
        RebuildDutyLists();
        m_pDoc->SetModifiedFlag(TRUE);
    } else {
        *m_pRecord = backup;
    }
}

CGridMenuCommands CZelView::CellCommands() const {
    return CGridMenuCommands(*m_pGrid, kLastColumn);
}

void CZelView::StoreAllCells() {
    for (long column = 1; column <= kLastColumn; ++column) {
        for (long row = 1; row <= kStaffRows; ++row)
            StoreCellText(row, column, m_pGrid->GetCellText(row, column));
    }
}

void CZelView::OnCopyCells() {
    CellCommands().Copy();
}

void CZelView::OnPasteCells() {
    if (CellCommands().Paste())
        StoreAllCells();
}

void CZelView::OnCutCells() {
    CellCommands().Cut();
    StoreAllCells();
}

void CZelView::OnDeleteCells() {
    CellCommands().Delete();
    StoreAllCells();
}

void CZelView::OnUnderline() {
    if (CellCommands().ToggleUnderline(
            [this](long row) -> std::uint8_t& { return m_pRecord->staff[row - 1].underline; }))
        m_pDoc->SetModifiedFlag(TRUE);
}

void CZelView::OnDeleteRow() {
    const long row = CellCommands().ConfirmDeleteRow();
    if (row == 0)
        return;
    DeleteStaffRow(*m_pRecord, static_cast<int>(row));
    ReloadAfterRowCommand();
}

void CZelView::OnInsertRow() {
    const long row = CellCommands().ConfirmInsertRow();
    if (row == 0)
        return;
    InsertStaffRow(*m_pRecord, static_cast<int>(row));
    ReloadAfterRowCommand();
}

void CZelView::ReloadAfterRowCommand() {
    LoadStaffRows();
    LoadRowUnderlines();
}
