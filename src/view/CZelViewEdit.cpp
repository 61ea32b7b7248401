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

// A single cell copied in a spreadsheet arrives with a row break after it.
std::string WithoutTrailingRowBreak(std::string text) {
    if (!text.empty() && text.back() == '\n')
        text.pop_back();
    if (!text.empty() && text.back() == '\r')
        text.pop_back();
    return text;
}

// Stores text into a field unless the field holds it already: cells written back unchanged
// (a paste stores every cell) keep their bytes, also those after the terminator.
template <std::size_t N>
std::string StoreIfChanged(char (&field)[N], const std::string& text) {
    const std::string_view fitted = FitFieldText(text, N);
    if (FieldText(field) == fitted)
        return std::string(fitted);
    return StoreFieldText(field, fitted);
}

} // namespace

void CZelView::StoreCellText(long row, long column, const std::string& text) {
    if (row < 1 || row > kStaffRows || column < 1 || column > kDays + 1)
        return;
    StaffRow& staff = m_pRecord->staff[row - 1];
    const std::string stored = column == kNameColumn ? StoreIfChanged(staff.name, text)
                                                     : StoreIfChanged(staff.dayCode[column - 2], text);
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
        const std::string text = WithoutTrailingRowBreak(GetClipboardText());
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
