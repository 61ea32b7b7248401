#pragma once
// The duty name definition dialog: the duty table of the record in a grid of its own. The
// table is written in one place, SaveToRecord, on OK and before each row command; the caller
// keeps a copy of the record to restore when the dialog is cancelled.
#include "controls/CGridMenuCommands.h"
#include "doc/RosterRecord.h"
#include "grid/CCellGrid.h"
#include "platform/qt/CCmdTarget.h"

#include <QDialog>
#include <array>
#include <cstdint>

class QMenu;

class CDutyNameDlg : public QDialog, public CCmdTarget {
    Q_OBJECT
public:
    explicit CDutyNameDlg(RosterRecord* pRecord, QWidget* parent = nullptr);
    ~CDutyNameDlg() override;

    void LoadFromRecord();
    void LoadUnderlines();
    // Every cell, cut to its field on a whole character, and the working underline flags.
    void SaveToRecord();
    void ApplyRowUnderline(long row, bool on);

    // The commands of the cell menu.
    void OnCopyCells();
    void OnPasteCells();
    void OnCutCells();
    void OnDeleteCells();
    void OnUnderline();
    void OnDeleteRow();
    void OnInsertRow();
    bool OnCommand(UINT id) override;
    bool OnUpdateCommand(UINT id, CCmdUI& ui) override;

    // Grid events.
    void EditStarting(long row, long column, BOOL* cancel);
    void KeyDown(short* keyCode, short shift);
    void MouseUp(short button, short shift, float x, float y);

    // OnOK: saves, then ends the dialog with Accepted.
    void accept() override;

    CCellGrid& Grid() { return m_grid; }
    QMenu* CellMenu() const { return m_pCellMenu; }
    bool IsUnderlined(long entry) const { return m_abUnderline[Index(entry)] == 1; }

private:
    static std::size_t Index(long entry) { return static_cast<std::size_t>(entry - 1); }
    void OnInitDialog();
    void CreateControls();
    void InitialiseGrid();
    void ConnectGridEvents();
    bool HasEditCell() const { return m_nEditRow >= 1; }
    void ReloadAfterRowCommand();

    CCellGrid m_grid;
    RosterRecord* m_pRecord;
    long m_nEditRow = -1; // no edit cell until the first edit starts
    long m_nEditCol = -1;
    std::array<std::uint8_t, kDutyEntries> m_abUnderline{};
    CGridMenuCommands m_commands;
    QMenu* m_pCellMenu = nullptr;
};
