// Cell editing: the grid's events and the person column setting.
#include "view/CZelView.h"

#include "doc/CZelDoc.h"
#include "grid/CCellGrid.h"
#include "platform/qt/Clipboard.h"
#include "platform/qt/VirtualKey.h"

#include <QCursor>
#include <QMenu>

namespace {

constexpr short kCtrlOnly = 2;
constexpr long kNameColumn = 1;
constexpr long kNameBytes = sizeof(StaffRow::name) - 1;

} // namespace

void CZelView::StoreCellText(long row, long column, const std::string& text) {
    if (row < 1 || row > kStaffRows || column < 1 || column > kDays + 1)
        return;
    StaffRow& staff = m_pRecord->staff[row - 1];
    const std::string stored = column == kNameColumn
                                   ? StoreChangedFieldText(staff.name, text)
                                   : StoreChangedFieldText(staff.dayCode[column - 2], text);
    if (stored != text)
        m_pGrid->SetCellText(row, column, stored);
    m_pDoc->SetModifiedFlag(TRUE);
}

bool CZelView::HasEditCell() const {
    return m_nEditRow >= 1;
}

void CZelView::EditStarting(long row, long column, BOOL*) {
    m_nEditRow = row;
    m_nEditCol = column;
    if (column == kNameColumn) {
        m_ime.SetOpen(TRUE);
        m_pGrid->SetEditLimit(kNameBytes);
    } else {
        m_pGrid->SetEditLimit(0);
    }
}

void CZelView::EditCommitted(long row, long column) {
    StoreCellText(row, column, m_pGrid->GetCellText(row, column));
}

void CZelView::EditFinished() {
    if (m_bPersonColumn == 1 || !HasEditCell())
        return;
    if (m_nEditRow < kStaffRows)
        ++m_nEditRow;
    m_pGrid->SelectRange(m_nEditRow, m_nEditCol, m_nEditRow, m_nEditCol);
}

void CZelView::KeyDown(short* keyCode, short shift) {
    // Before the first edit there is no edit cell to act on.
    if (!HasEditCell())
        return;
    if (*keyCode == VK_DELETE) {
        m_pGrid->SetCellText(m_nEditRow, m_nEditCol, "");
        StoreCellText(m_nEditRow, m_nEditCol, "");
    }
    if (*keyCode == 'C' && shift == kCtrlOnly)
        SetClipboardText(m_pGrid->GetCellText(m_nEditRow, m_nEditCol));
    if (*keyCode == 'V' && shift == kCtrlOnly) {
        const std::string text = GetClipboardCellText();
        m_pGrid->SetCellText(m_nEditRow, m_nEditCol, text);
        StoreCellText(m_nEditRow, m_nEditCol, text);
    }
}

void CZelView::MouseUp(short button, short, float, float) {
    if (button == 2)
        m_pCellMenu->popup(QCursor::pos());
}

void CZelView::OnPersonColumnSetting() {
    m_bPersonColumn = m_bPersonColumn == 1 ? 0 : 1;
    m_pGrid->SetFixedColumnCount(m_bPersonColumn == 1 ? 1 : 2);
}

void CZelView::OnUpdatePersonColumnSetting(CCmdUI& ui) const {
    ui.SetCheck(m_bPersonColumn == 1 ? 1 : 0);
}
