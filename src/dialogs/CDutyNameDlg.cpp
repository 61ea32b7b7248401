#include "dialogs/CDutyNameDlg.h"

#include "app/CAppIcons.h"
#include "app/Resource.h"
#include "app/ResourceTables.h"
#include "doc/RosterRules.h"
#include "platform/SjisText.h"
#include "platform/qt/Clipboard.h"
#include "platform/qt/DialogUnits.h"
#include "platform/qt/VirtualKey.h"

#include <QCursor>
#include <QMenu>
#include <QPushButton>
#include <cstdio>

namespace {

constexpr long kGridRows = kDutyEntries + 1;
constexpr long kLastColumn = 5;
constexpr long kAbbrevColumn = 1;
constexpr long kPrintPageColumn = 5;
constexpr long kPageBoundaryRow = 40;
constexpr long kTextWidth = 2000;
constexpr short kCtrlOnly = 2;

} // namespace

CDutyNameDlg::CDutyNameDlg(RosterRecord* pRecord, QWidget* parent)
    : QDialog(parent), m_grid(this), m_pRecord(pRecord), m_commands(m_grid, kLastColumn) {
    setObjectName(QStringLiteral("131"));
    CreateControls();
    ConnectGridEvents();
    m_pCellMenu = LoadPopupMenu(CellMenuResource(), this);
    connect(m_pCellMenu, &QMenu::triggered, this,
            [this](QAction* action) { OnCommand(action->data().toUInt()); });
    OnInitDialog();
}

CDutyNameDlg::~CDutyNameDlg() = default;

void CDutyNameDlg::CreateControls() {
    setWindowTitle(QStringLiteral("勤務名称定義"));
    QFont dialogFont(QStringLiteral("ＭＳ Ｐゴシック"));
    dialogFont.setPointSize(9);
    setFont(dialogFont);
    const DialogUnits units(dialogFont);
    setFixedSize(units.Rect(0, 0, 398, 249).size());

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("1"));
    ok->setDefault(true);
    ok->setGeometry(units.Rect(127, 228, 43, 14));
    connect(ok, &QPushButton::clicked, this, &CDutyNameDlg::accept);

    auto* cancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    cancel->setObjectName(QStringLiteral("2"));
    cancel->setGeometry(units.Rect(227, 228, 43, 14));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    m_grid.setObjectName(QStringLiteral("1005"));
    m_grid.setGeometry(units.Rect(7, 7, 384, 215));
}

void CDutyNameDlg::ConnectGridEvents() {
    connect(&m_grid, &CCellGrid::EditStarting, this, &CDutyNameDlg::EditStarting);
    connect(&m_grid, &CCellGrid::KeyDown, this, &CDutyNameDlg::KeyDown);
    connect(&m_grid, &CCellGrid::MouseUp, this, &CDutyNameDlg::MouseUp);
}

void CDutyNameDlg::OnInitDialog() {
    setWindowIcon(CAppIcons::Application());
    InitialiseGrid();
    // The same blue line as under the roster grid's page boundary.
    m_grid.SelectRange(kPageBoundaryRow, 0, kPageBoundaryRow, kLastColumn);
    m_grid.SetRangeBorder(0x00FF0000, 0, 0, 0, 2, 0, 0);
    // The caption corner: no row is selected yet.
    m_grid.SelectRange(0, 0, 0, 0);
    LoadFromRecord();
    LoadUnderlines();
}

void CDutyNameDlg::InitialiseGrid() {
    m_grid.SetFontName(sjis::FromUtf8("ＭＳ ゴシック"));
    m_grid.SetColumnCount(kLastColumn + 1);
    m_grid.SetRowCount(kGridRows);
    m_grid.SetSwitch(65, TRUE);
    m_grid.SetSwitch(103, TRUE);
    m_grid.SetHeaderCaptions(
        sjis::FromUtf8("No.|略称|勤務名称|所定勤務|備考|印刷時のｺﾒﾝﾄに表示するﾍﾟｰｼﾞ番号"));
    for (long column = 2; column <= 4; ++column)
        m_grid.SetColumnWidth(column, kTextWidth);
    for (long row = 1; row < kGridRows; ++row) {
        char number[8];
        std::snprintf(number, sizeof number, "%2ld", row);
        m_grid.SetCellText(row, 0, number);
    }
    m_grid.SetColumnAlignment(0, 7);
    for (long column = 1; column <= kLastColumn; ++column)
        m_grid.SetColumnAlignment(column, 1);
    m_grid.SetColumnList(kPrintPageColumn, " |1|2|1-2");
    m_grid.SetSwitch(71, TRUE);
    m_grid.SetFixedRowCount(1);
    m_grid.SetBackColor(0x00FFFFFF);
    m_grid.SetSwitch(43, 0x00808080);
    m_grid.SetSwitch(66, 1);
    m_grid.SetSwitch(28, TRUE);
}

void CDutyNameDlg::LoadFromRecord() {
    const DutyTable& duty = m_pRecord->duty;
    for (long entry = 1; entry <= kDutyEntries; ++entry) {
        const std::size_t i = Index(entry);
        m_grid.SetCellText(entry, 1, FieldText(duty.abbrev[i]));
        m_grid.SetCellText(entry, 2, FieldText(duty.name[i]));
        m_grid.SetCellText(entry, 3, FieldText(duty.work[i]));
        m_grid.SetCellText(entry, 4, FieldText(duty.remarks[i]));
        m_grid.SetCellText(entry, 5, FieldText(duty.printPage[i]));
    }
}

void CDutyNameDlg::LoadUnderlines() {
    // Entry 40 keeps its blue line, and its working flag stays 0.
    for (long entry = 1; entry <= kDutyEntries; ++entry) {
        if (entry == kPageBoundaryRow)
            continue;
        m_abUnderline[Index(entry)] = m_pRecord->duty.underline[Index(entry)];
        ApplyRowUnderline(entry, m_abUnderline[Index(entry)] == 1);
    }
}

void CDutyNameDlg::SaveToRecord() {
    DutyTable& duty = m_pRecord->duty;
    for (long entry = 1; entry <= kDutyEntries; ++entry) {
        const std::size_t i = Index(entry);
        StoreChangedFieldText(duty.abbrev[i], m_grid.GetCellText(entry, 1));
        StoreChangedFieldText(duty.name[i], m_grid.GetCellText(entry, 2));
        StoreChangedFieldText(duty.work[i], m_grid.GetCellText(entry, 3));
        StoreChangedFieldText(duty.remarks[i], m_grid.GetCellText(entry, 4));
        StoreChangedFieldText(duty.printPage[i], m_grid.GetCellText(entry, 5));
        duty.underline[i] = m_abUnderline[i];
    }
}

void CDutyNameDlg::ApplyRowUnderline(long row, bool on) {
    m_commands.ApplyRowUnderline(row, on);
}

void CDutyNameDlg::accept() {
    SaveToRecord();
    QDialog::accept();
}

// Paste, cut and delete change the grid alone: the table takes them on OK or a row command.
void CDutyNameDlg::OnCopyCells() {
    m_commands.Copy();
}

void CDutyNameDlg::OnPasteCells() {
    m_commands.Paste();
}

void CDutyNameDlg::OnCutCells() {
    m_commands.Cut();
}

void CDutyNameDlg::OnDeleteCells() {
    m_commands.Delete();
}

void CDutyNameDlg::OnUnderline() {
    m_commands.ToggleUnderline(
        [this](long row) -> std::uint8_t& { return m_abUnderline[Index(row)]; });
}

void CDutyNameDlg::OnDeleteRow() {
    const long entry = m_commands.ConfirmDeleteRow();
    if (entry == 0)
        return;
    SaveToRecord();
    DeleteDutyEntry(m_pRecord->duty, static_cast<int>(entry));
    ReloadAfterRowCommand();
}

void CDutyNameDlg::OnInsertRow() {
    const long entry = m_commands.ConfirmInsertRow();
    if (entry == 0)
        return;
    SaveToRecord();
    InsertDutyEntry(m_pRecord->duty, static_cast<int>(entry));
    ReloadAfterRowCommand();
}

void CDutyNameDlg::ReloadAfterRowCommand() {
    LoadFromRecord();
    LoadUnderlines();
}

bool CDutyNameDlg::OnCommand(UINT id) {
    switch (id) {
    case ID_COPY_CELLS:
        OnCopyCells();
        return true;
    case ID_PASTE_CELLS:
        OnPasteCells();
        return true;
    case ID_CUT_CELLS:
        OnCutCells();
        return true;
    case ID_DELETE_CELLS:
        OnDeleteCells();
        return true;
    case ID_UNDERLINE:
        OnUnderline();
        return true;
    case ID_DELETE_ROW:
        OnDeleteRow();
        return true;
    case ID_INSERT_ROW:
        OnInsertRow();
        return true;
    default:
        return false;
    }
}

bool CDutyNameDlg::OnUpdateCommand(UINT id, CCmdUI&) {
    return id == ID_COPY_CELLS || id == ID_PASTE_CELLS || id == ID_CUT_CELLS ||
           id == ID_DELETE_CELLS || id == ID_UNDERLINE || id == ID_DELETE_ROW ||
           id == ID_INSERT_ROW;
}

void CDutyNameDlg::EditStarting(long row, long column, BOOL*) {
    m_nEditRow = row;
    m_nEditCol = column;
    if (column == kAbbrevColumn)
        m_grid.SetEditLimit(sizeof(DutyTable::abbrev[0]) - 1);
    else if (column >= 2 && column <= 4)
        m_grid.SetEditLimit(sizeof(DutyTable::name[0]) - 1);
    else
        m_grid.SetEditLimit(0);
}

void CDutyNameDlg::KeyDown(short* keyCode, short shift) {
    // Before the first edit there is no edit cell to act on. The table changes at the next save.
    if (!HasEditCell())
        return;
    if (*keyCode == VK_DELETE)
        m_grid.SetCellText(m_nEditRow, m_nEditCol, "");
    if (*keyCode == 'C' && shift == kCtrlOnly)
        SetClipboardText(m_grid.GetCellText(m_nEditRow, m_nEditCol));
    if (*keyCode == 'V' && shift == kCtrlOnly)
        m_grid.SetCellText(m_nEditRow, m_nEditCol, GetClipboardCellText());
}

void CDutyNameDlg::MouseUp(short button, short, float, float) {
    if (button == 2)
        m_pCellMenu->popup(QCursor::pos());
}
