#include "controls/CGridMenuCommands.h"

#include "grid/CCellGrid.h"
#include "platform/MessageBox.h"
#include "platform/SjisText.h"
#include "platform/qt/Clipboard.h"

#include <cstdio>

int g_nCopyRowSpan = -1;
int g_nCopyColSpan = -1;

namespace {

// The page boundary of the monthly print keeps its own blue line.
constexpr long kPageBoundaryRow = 40;

void Refuse(const char* utf8Text) {
    VktMessageBox(sjis::FromUtf8(utf8Text), MB_OK | MB_ICONINFORMATION);
}

bool AskAboutRow(const char* utf8Format, long row) {
    char text[160];
    std::snprintf(text, sizeof text, utf8Format, static_cast<int>(row));
    return VktMessageBox(sjis::FromUtf8(text), MB_YESNO | MB_ICONQUESTION) == IDYES;
}

} // namespace

std::string CGridMenuCommands::WalkSelection(BOOL clear) {
    const long anchorColumn = m_grid.GetCurrentColumn();
    const long endColumn = m_grid.GetSelectionEndColumn();
    const long anchorRow = m_grid.GetCurrentRow();
    const long endRow = m_grid.GetSelectionEndRow();
    g_nCopyRowSpan = static_cast<int>(endRow - anchorRow);
    g_nCopyColSpan = static_cast<int>(endColumn - anchorColumn);

    std::string result;
    for (long row = anchorRow; row <= endRow; ++row) {
        for (long column = anchorColumn; column <= endColumn; ++column) {
            if (column != anchorColumn)
                result += '\t';
            if (!clear)
                result += m_grid.GetCellText(row, column);
            else if (!IsFixedCell(row, column))
                m_grid.SetCellText(row, column, "");
        }
        if (row != endRow)
            result += '\r';
    }
    return result;
}

void CGridMenuCommands::Copy() {
    SetClipboardText(WalkSelection(FALSE));
}

void CGridMenuCommands::Cut() {
    Copy();
    WalkSelection(TRUE);
}

void CGridMenuCommands::Delete() {
    WalkSelection(TRUE);
}

bool CGridMenuCommands::Paste() {
    // Also refused after a backwards walk, whose spans are negative.
    if (g_nCopyColSpan < 0 || g_nCopyRowSpan < 0)
        return false;
    const long row = m_grid.GetCurrentRow();
    const long column = m_grid.GetCurrentColumn();
    if (row == m_grid.GetSelectionEndRow() && column == m_grid.GetSelectionEndColumn()) {
        m_grid.SetCurrentColumn(column);
        m_grid.SetCurrentRow(row);
        m_grid.SetSelectionEndColumn(column + g_nCopyColSpan);
        m_grid.SetSelectionEndRow(row + g_nCopyRowSpan);
    }
    m_grid.SetSelectionText(GetClipboardText());
    return true;
}

bool CGridMenuCommands::ToggleUnderline(const std::function<std::uint8_t&(long row)>& flagOf) {
    const long row = SelectedRow("設定する行を選択してください。");
    if (row == 0)
        return false;
    if (row == kPageBoundaryRow) {
        Refuse("No.40には下線は設定できません。");
        return false;
    }
    std::uint8_t& flag = flagOf(row);
    const bool on = flag != 1;
    if (!AskAboutRow(on ? "No.%dに下線をつけます。よろしいですか？"
                        : "No.%dの下線を削除します。よろしいですか？",
                     row))
        return false;
    flag = on ? 1 : 0;
    ApplyRowUnderline(row, on);
    return true;
}

void CGridMenuCommands::ApplyRowUnderline(long row, bool on) {
    m_grid.SelectRange(row, 0, row, m_nLastColumn);
    m_grid.SetRangeBorder(0x00000000, 0, 0, 0, on ? 2 : 0, 0, 0);
    m_grid.SelectRange(0, 0, 0, 0);
}

long CGridMenuCommands::ConfirmDeleteRow() const {
    return ConfirmRowCommand("削除する行を選択してください。",
                             "No.%d行を削除します。よろしいですか？");
}

long CGridMenuCommands::ConfirmInsertRow() const {
    return ConfirmRowCommand("挿入する行を選択してください。",
                             "No.%dに行を挿入します。最終行は削除されます。\nよろしいですか？");
}

bool CGridMenuCommands::IsFixedCell(long row, long column) const {
    return row < m_grid.GetFixedRowCount() || column < m_grid.GetFixedColumnCount();
}

long CGridMenuCommands::SelectedRow(const char* refusal) const {
    const long row = m_grid.GetCurrentRow();
    if (row >= 1)
        return row;
    Refuse(refusal);
    return 0;
}

long CGridMenuCommands::ConfirmRowCommand(const char* refusal, const char* question) const {
    const long row = SelectedRow(refusal);
    return row != 0 && AskAboutRow(question, row) ? row : 0;
}
