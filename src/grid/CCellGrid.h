#pragma once
// The cell grid of the roster and of the duty table: a self-painted spreadsheet grid driven
// with Shift-JIS texts.
//
// Rows and columns count from 0. The leading fixed rows and columns are headers: grey, never
// edited, and they stay in place while the rest scrolls (by whole rows and columns).
//
// Texts: every text going in or out is a std::string of Shift-JIS bytes. A cell keeps the bytes
// it was given (SetCellText, SetSelectionText, a list pick) and returns them unchanged from
// GetCellText; only a cell the user types into gets the bytes of its new text.
//
// Selection: the current cell is the anchor, the end cell the opposite corner, which may lie
// above or left of it; the getters report what is highlighted. Setting the current row or column
// collapses the selection to the current cell, like a click. Programmatic selections scroll only
// once the caller is done, to the final current cell, so a set-up that selects row 40 to draw a
// line and then row 0 does not leave the grid scrolled.
//
// Events (direct connections; handlers may call back into the grid):
//   KeyDown        a key pressed while the grid itself (not a cell editor) has the focus: Windows
//                  virtual-key code and shift mask (1 Shift, 2 Ctrl, 4 Alt); Shift, Ctrl and Alt
//                  pressed on their own are reported too. Ctrl+C and Ctrl+V come here even where
//                  the window has shortcuts for them. A handler that sets *keyCode to 0 stops the
//                  grid's own handling of the key. The grid itself does nothing on Delete, Ctrl+C
//                  or Ctrl+V.
//   EditStarting   before a cell editor opens on an editable cell (typing, composing with an input
//                  method, F2, Enter, Backspace, Alt+Down, a double click, a click on the list
//                  button); the handler may call SetEditLimit, and *cancel = TRUE keeps the editor
//                  closed. Editable: outside the fixed rows and columns, in a shown column.
//   EditCommitted  the editor was accepted (Return, Enter, Up, Down, a click elsewhere, a scroll,
//                  a list pick) and the text changed; GetCellText has the new text.
//   EditFinished   the editor closed, after EditCommitted; also after an unchanged accept and a
//                  cancel (Escape, or a list closed without a pick).
//   MouseUp        a mouse button released on the grid: 1 left, 2 right, 4 middle, the shift mask,
//                  and the position in pixels of the grid.
//
// Set-up switches (SetSwitch with their dispatch ids):
//   43  colour (COLORREF) of the lines between the cells; 0x00C0C0C0 by default.
//   66  style of those lines: 0 none, anything else thin lines (the default).
//   28, 65, 71, 103  accepted and kept, no effect: every cell outside the fixed rows and columns
//                    can be edited, and the grid behaves as described here whatever they are.
//
// Alignment codes (SetColumnAlignment): horizontal = code / 3 (0 left, 1 centre, 2 right),
// vertical = code % 3 (0 top, 1 centre, 2 bottom); 1 is left and 7 right, both vertically
// centred. Other codes align like 1. Cells of fixed rows are centred.
//
// Border widths (SetRangeBorder) are in pixels; each line belongs to the cells on its inner side,
// so the lines of neighbouring ranges never erase each other.
//
// SetSelectionText spreads a block of cells (see grid::SplitCellBlock) from the top-left cell of
// the selection:
//   - a selection of several cells whose height and width are whole multiples of the block's
//     rows and widest row, and larger than it, is filled by repeating the block, as spreadsheets
//     fill a range from a copied cell or block;
//   - otherwise the block is written once and whole, also past the selection: a single selected
//     cell, or a selection widened to the size of an earlier copy, must take a pasted block of
//     any size, not a corner of it;
//   - a row with fewer cells than the block's widest row leaves the cells after it unchanged; an
//     empty cell of the text clears its cell;
//   - nothing is written past the last row or column, nor into fixed cells (the cells of the
//     block that fall there are dropped, the others keep their places).
#include "platform/WinTypes.h"

#include <QWidget>
#include <array>
#include <optional>
#include <string>
#include <vector>

class CCellEditor;
class CCellListPopup;
class QScrollBar;

class CCellGrid : public QWidget {
    Q_OBJECT

public:
    explicit CCellGrid(QWidget* parent = nullptr);
    ~CCellGrid() override;

    void SetFontName(const std::string& face);
    void SetRowCount(long rows);
    void SetColumnCount(long columns);
    long GetRowCount() const { return m_nRows; }
    long GetColumnCount() const { return m_nColumns; }
    // "|"-separated captions of row 0, from column 0.
    void SetHeaderCaptions(const std::string& listText);
    void SetFixedRowCount(long rows);
    void SetFixedColumnCount(long columns);
    long GetFixedRowCount() const { return m_nFixedRows; }
    long GetFixedColumnCount() const { return m_nFixedColumns; }

    long GetCurrentRow() const { return m_nRow; }
    void SetCurrentRow(long row);
    long GetCurrentColumn() const { return m_nColumn; }
    void SetCurrentColumn(long column);
    long GetSelectionEndRow() const { return m_nEndRow; }
    void SetSelectionEndRow(long row);
    long GetSelectionEndColumn() const { return m_nEndColumn; }
    void SetSelectionEndColumn(long column);
    void SelectRange(long row, long column, long endRow, long endColumn);

    // Background of the cells outside the fixed area that have no colour of their own.
    void SetBackColor(COLORREF color);
    void SetSelectionText(const std::string& text);
    // Bytes that can be typed into the next edited cell (and the open editor); 0 = no limit.
    void SetEditLimit(long bytes);
    void SetColumnAlignment(long column, long code);
    // Width in twips at the screen's resolution; 0 hides the column.
    void SetColumnWidth(long column, long twips);
    std::string GetCellText(long row, long column) const;
    void SetCellText(long row, long column, const std::string& text);
    // Lines along the edges of the selected cells: outer left, top, right and bottom edges, then
    // the lines between its columns and between its rows; width 0 removes a line.
    void SetRangeBorder(COLORREF color, short left, short top, short right, short bottom,
                        short vertical, short horizontal);
    // Property 6 is the background colour of the cells; other ids are ignored.
    void SetRangeProperty(long id, long row1, long column1, long row2, long column2,
                          COLORREF value);
    // The cells of the column are edited by picking from this "|"-separated list (empty items
    // are not offered); an empty text returns the column to typed editing.
    void SetColumnList(long column, const std::string& listText);
    void SetSwitch(int dispid, long value);

    // Where a cell is shown, in the grid's pixels; empty when it is scrolled away or hidden.
    // Settles a scroll to the current cell that a selection has asked for.
    QRect GetCellRect(long row, long column);
    bool IsEditing() const { return m_edit.has_value(); }
    // Accepts what is typed in an open line editor (before a save or a print); an open list
    // closes without a pick.
    void FinishEdit();

signals:
    void KeyDown(short* keyCode, short shift);
    void EditStarting(long row, long column, BOOL* cancel);
    void EditCommitted(long row, long column);
    void EditFinished();
    void MouseUp(short button, short shift, float x, float y);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct Edge {
        COLORREF color = 0;
        short width = 0;
    };
    enum Side { kLeft, kTop, kRight, kBottom };
    struct Cell {
        std::string bytes;
        mutable std::optional<QString> shown; // decoded when first needed
        std::optional<COLORREF> back;
        std::array<Edge, 4> edges;
    };
    struct Column {
        long twips = -1; // none set: as wide as its caption
        long alignment = 1;
        std::vector<std::string> list;
    };
    struct CellPos {
        long row;
        long column;
    };
    struct Range {
        long top;
        long left;
        long bottom;
        long right;
    };
    struct Edit {
        CellPos cell;
        QString original; // what the cell showed when the editor opened
        bool list;
    };
    enum class Region { kCorner, kTop, kLeft, kBody };

    // Model (CCellGrid.cpp).
    bool Contains(long row, long column) const;
    Cell& CellAt(long row, long column);
    const Cell& CellAt(long row, long column) const;
    const QString& Shown(const Cell& cell) const;
    void Resize(long rows, long columns);
    long EffectiveFixedRows() const;
    long EffectiveFixedColumns() const;
    bool IsFixed(long row, long column) const;
    bool IsEditable(long row, long column) const;
    bool HasList(long column) const;
    Range SelectionRange() const;
    Range ClippedRange(long row1, long column1, long row2, long column2) const;
    void SetEdge(long row, long column, Side side, COLORREF color, short width);
    void CellChanged(long row, long column);

    // Geometry and scrolling (CCellGridLayout.cpp).
    void UpdateLayout();
    int DefaultColumnWidth(long column) const;
    int ColumnWidth(long column) const { return m_columnPixels[static_cast<std::size_t>(column)]; }
    int FixedWidth() const;
    int FixedHeight() const;
    QRect CellArea() const;
    int ColumnLeft(long column) const;
    int RowTop(long row) const;
    QRect CellBounds(long row, long column) const;
    std::optional<long> ColumnAtX(int x) const;
    std::optional<CellPos> CellAtPoint(QPoint point) const;
    CellPos NearestDataCell(QPoint point) const;
    std::vector<long> ScrollableColumns() const;
    long LastVisibleColumn() const;
    int VisibleRowCount() const;
    long LastTopRow() const;
    int LastLeftIndex(const std::vector<long>& columns) const;
    void PlaceScrollBars();
    void ScrollTo(long topRow, long leftColumn);
    void EnsureVisible(long row, long column);
    void RequestScrollToCurrent();
    void ResolvePendingScroll();
    void OnScrollBarMoved();
    void PlaceEditor();
    QRect EditorRect();

    // Painting (CCellGridPaint.cpp).
    QRect RegionBounds(Region region) const;
    void PaintRegion(QPainter& painter, Region region) const;
    void PaintCell(QPainter& painter, long row, long column, const QRect& rect) const;
    void PaintEdges(QPainter& painter, long row, long column, const QRect& rect) const;
    void PaintSelectionFrame(QPainter& painter) const;
    QRect ListButtonRect() const;
    std::optional<Range> DataSelection() const;
    QColor BackgroundOf(long row, long column) const;
    Qt::Alignment AlignmentOf(long row, long column) const;

    // Keys, mouse and editing (CCellGridInput.cpp).
    bool IsGridKey(const QKeyEvent& event) const;
    bool HandleNavigationKey(const QKeyEvent& event);
    void MoveCurrent(long rowStep, long columnStep, bool extend);
    long StepColumn(long column, long step) const;
    long LastDataColumn() const;
    bool HasDataArea() const;
    void SelectByMouse(CellPos cell, bool extend);
    void UpdateInputMethod();
    void BeginEdit(const QString& typed, bool replace);
    void AcceptLineEdit();
    void AcceptListPick(const QByteArray& item);
    void CancelEdit();
    void CloseEditor();
    void StoreEditedText(CellPos cell, std::string bytes);

    std::vector<Cell> m_cells; // row-major
    std::vector<Column> m_columns;
    long m_nRows = 0;
    long m_nColumns = 0;
    long m_nFixedRows = 1;
    long m_nFixedColumns = 1;

    long m_nRow = 0;
    long m_nColumn = 0;
    long m_nEndRow = 0;
    long m_nEndColumn = 0;

    COLORREF m_crBack = 0x00FFFFFF;
    COLORREF m_crGridLines = 0x00C0C0C0;
    bool m_bGridLines = true;
    long m_nEditLimit = 0;

    int m_nRowHeight = 20;
    std::vector<int> m_columnPixels;
    long m_nTopRow = 0;     // first scrolled row, shown under the fixed rows
    long m_nLeftColumn = 0; // first scrolled column, shown right of the fixed columns
    bool m_bScrollPending = false;
    int m_nWheelRemainder = 0;
    QScrollBar* m_pVerticalBar;
    QScrollBar* m_pHorizontalBar;
    QWidget* m_pScrollCorner;

    std::optional<Region> m_dragRegion; // where a mouse selection started

    std::optional<Edit> m_edit;
    CCellEditor* m_pEditor;
    CCellListPopup* m_pListPopup;
};
