#pragma once
// The commands of the cell menu that the roster grid and the duty table grid share: the
// selection walk behind copy, cut and delete, the paste, and the questions of the underline and
// row commands. The owner keeps its rows and flags; this class only drives the grid.
#include "platform/WinTypes.h"

#include <cstdint>
#include <functional>
#include <string>

class CCellGrid;

// Spans of the last selection walk in either grid, so that a block copied in one grid pastes
// in the other; -1 until the first walk.
extern int g_nCopyRowSpan;
extern int g_nCopyColSpan;

class CGridMenuCommands {
public:
    // lastColumn: the grid's last column, where a row's underline ends.
    CGridMenuCommands(CCellGrid& grid, long lastColumn) : m_grid(grid), m_nLastColumn(lastColumn) {}

    // The selection as clipboard text (TAB between cells, CR between rows, nothing after the
    // last), or, with clear, empties the selected cells and returns only the separators.
    // Sets the copy spans; a selection ending above or left of its anchor walks no cells.
    // Captions, row numbers and locked names are never cleared: the current cell is the caption
    // corner after set-up and after every row command.
    std::string WalkSelection(BOOL clear);

    void Copy();
    void Cut();
    void Delete();
    // False when no forward walk has set the spans yet. A single selected cell is widened to
    // the spans first; the grid clips the widening at its edges.
    bool Paste();

    // Asks to set or remove the underline of the current row, whose flag flagOf gives, and on
    // Yes stores and draws the answer. False when refused or declined.
    bool ToggleUnderline(const std::function<std::uint8_t&(long row)>& flagOf);
    void ApplyRowUnderline(long row, bool on);

    // The current row once the user has agreed to delete it / insert a row there; 0 otherwise.
    long ConfirmDeleteRow() const;
    long ConfirmInsertRow() const;

private:
    bool IsFixedCell(long row, long column) const;
    // The current row, or 0 after telling the user to select one with refusal.
    long SelectedRow(const char* refusal) const;
    long ConfirmRowCommand(const char* refusal, const char* question) const;

    CCellGrid& m_grid;
    long m_nLastColumn;
};
