#include "grid/CCellGrid.h"

#include "grid/CCellEditor.h"
#include "grid/CCellListPopup.h"
#include "grid/GridText.h"
#include "platform/qt/QtText.h"

#include <QScrollBar>
#include <algorithm>

namespace {

constexpr long kBackColorProperty = 6;
constexpr int kGridLineColorSwitch = 43;
constexpr int kGridLineStyleSwitch = 66;
// Cells of the Windows font "ＭＳ ゴシック" at 9 points: what the twips widths are made for.
constexpr int kFontPointSize = 9;

} // namespace

CCellGrid::CCellGrid(QWidget* parent)
    : QWidget(parent), m_pVerticalBar(new QScrollBar(Qt::Vertical, this)),
      m_pHorizontalBar(new QScrollBar(Qt::Horizontal, this)), m_pScrollCorner(new QWidget(this)),
      m_pEditor(new CCellEditor(this)), m_pListPopup(new CCellListPopup(this)) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    QFont gridFont = font();
    gridFont.setPointSize(kFontPointSize);
    setFont(gridFont);
    m_pScrollCorner->setAutoFillBackground(true);
    m_pEditor->hide();
    connect(m_pVerticalBar, &QScrollBar::valueChanged, this, &CCellGrid::OnScrollBarMoved);
    connect(m_pHorizontalBar, &QScrollBar::valueChanged, this, &CCellGrid::OnScrollBarMoved);
    connect(m_pEditor, &CCellEditor::Accepted, this, &CCellGrid::AcceptLineEdit);
    connect(m_pEditor, &CCellEditor::Cancelled, this, &CCellGrid::CancelEdit);
    connect(m_pEditor, &CCellEditor::FocusLost, this, &CCellGrid::AcceptLineEdit);
    connect(m_pListPopup, &CCellListPopup::Picked, this, &CCellGrid::AcceptListPick);
    connect(m_pListPopup, &CCellListPopup::Closed, this, &CCellGrid::CancelEdit);
    Resize(2, 2);
}

CCellGrid::~CCellGrid() = default;

void CCellGrid::SetFontName(const std::string& face) {
    QFont gridFont(SjisToQt(face));
    gridFont.setPointSize(kFontPointSize);
    setFont(gridFont); // the FontChange event lays the grid out again
}

void CCellGrid::SetRowCount(long rows) {
    Resize(std::max(rows, 0L), m_nColumns);
}

void CCellGrid::SetColumnCount(long columns) {
    Resize(m_nRows, std::max(columns, 0L));
}

void CCellGrid::SetHeaderCaptions(const std::string& listText) {
    if (m_nRows == 0)
        return;
    const std::vector<std::string> captions = grid::SplitList(listText);
    const long count = std::min(static_cast<long>(captions.size()), m_nColumns);
    for (long column = 0; column < count; ++column)
        SetCellText(0, column, captions[static_cast<std::size_t>(column)]);
}

void CCellGrid::SetFixedRowCount(long rows) {
    m_nFixedRows = std::max(rows, 0L);
    if (m_edit && IsFixed(m_edit->cell.row, m_edit->cell.column))
        CancelEdit();
    UpdateLayout();
}

void CCellGrid::SetFixedColumnCount(long columns) {
    m_nFixedColumns = std::max(columns, 0L);
    if (m_edit && IsFixed(m_edit->cell.row, m_edit->cell.column))
        CancelEdit();
    UpdateLayout();
}

void CCellGrid::SetCurrentRow(long row) {
    SelectRange(row, m_nColumn, row, m_nColumn);
}

void CCellGrid::SetCurrentColumn(long column) {
    SelectRange(m_nRow, column, m_nRow, column);
}

void CCellGrid::SetSelectionEndRow(long row) {
    m_nEndRow = std::clamp(row, 0L, std::max(m_nRows - 1, 0L));
    update();
}

void CCellGrid::SetSelectionEndColumn(long column) {
    m_nEndColumn = std::clamp(column, 0L, std::max(m_nColumns - 1, 0L));
    update();
}

void CCellGrid::SelectRange(long row, long column, long endRow, long endColumn) {
    const long lastRow = std::max(m_nRows - 1, 0L);
    const long lastColumn = std::max(m_nColumns - 1, 0L);
    m_nRow = std::clamp(row, 0L, lastRow);
    m_nColumn = std::clamp(column, 0L, lastColumn);
    m_nEndRow = std::clamp(endRow, 0L, lastRow);
    m_nEndColumn = std::clamp(endColumn, 0L, lastColumn);
    RequestScrollToCurrent();
    UpdateInputMethod();
    update();
}

void CCellGrid::SetBackColor(COLORREF color) {
    m_crBack = color;
    update();
}

void CCellGrid::SetSelectionText(const std::string& text) {
    if (m_nRows == 0 || m_nColumns == 0)
        return;
    const std::vector<std::vector<std::string>> block = grid::SplitCellBlock(text);
    const long blockRows = static_cast<long>(block.size());
    long blockColumns = 0;
    for (const auto& cells : block)
        blockColumns = std::max(blockColumns, static_cast<long>(cells.size()));

    const Range selection = SelectionRange();
    const long selectedRows = selection.bottom - selection.top + 1;
    const long selectedColumns = selection.right - selection.left + 1;
    const bool repeat = selectedRows % blockRows == 0 && selectedColumns % blockColumns == 0 &&
                        (selectedRows > blockRows || selectedColumns > blockColumns);
    const long rows = repeat ? selectedRows : blockRows;
    const long columns = repeat ? selectedColumns : blockColumns;

    for (long i = 0; i < rows; ++i) {
        const auto& cells = block[static_cast<std::size_t>(i % blockRows)];
        for (long j = 0; j < columns; ++j) {
            const auto field = static_cast<std::size_t>(j % blockColumns);
            const long row = selection.top + i;
            const long column = selection.left + j;
            if (field < cells.size() && Contains(row, column) && !IsFixed(row, column))
                SetCellText(row, column, cells[field]);
        }
    }
}

void CCellGrid::SetEditLimit(long bytes) {
    m_nEditLimit = std::max(bytes, 0L);
    m_pEditor->SetByteLimit(m_nEditLimit);
}

void CCellGrid::SetColumnAlignment(long column, long code) {
    if (column < 0 || column >= m_nColumns)
        return;
    m_columns[static_cast<std::size_t>(column)].alignment = code;
    update();
}

void CCellGrid::SetColumnWidth(long column, long twips) {
    if (column < 0 || column >= m_nColumns)
        return;
    m_columns[static_cast<std::size_t>(column)].twips = twips < 0 ? -1 : twips;
    if (twips == 0 && m_edit && m_edit->cell.column == column)
        CancelEdit();
    UpdateLayout();
}

std::string CCellGrid::GetCellText(long row, long column) const {
    return Contains(row, column) ? CellAt(row, column).bytes : std::string();
}

void CCellGrid::SetCellText(long row, long column, const std::string& text) {
    if (!Contains(row, column))
        return;
    Cell& cell = CellAt(row, column);
    cell.bytes = text;
    cell.shown.reset();
    CellChanged(row, column);
}

void CCellGrid::SetRangeBorder(COLORREF color, short left, short top, short right, short bottom,
                               short vertical, short horizontal) {
    if (m_nRows == 0 || m_nColumns == 0)
        return;
    const Range range = SelectionRange();
    for (long row = range.top; row <= range.bottom; ++row) {
        SetEdge(row, range.left, kLeft, color, left);
        SetEdge(row, range.right, kRight, color, right);
        for (long column = range.left; column < range.right; ++column)
            SetEdge(row, column, kRight, color, vertical);
    }
    for (long column = range.left; column <= range.right; ++column) {
        SetEdge(range.top, column, kTop, color, top);
        SetEdge(range.bottom, column, kBottom, color, bottom);
        for (long row = range.top; row < range.bottom; ++row)
            SetEdge(row, column, kBottom, color, horizontal);
    }
    update();
}

void CCellGrid::SetRangeProperty(long id, long row1, long column1, long row2, long column2,
                                 COLORREF value) {
    if (id != kBackColorProperty)
        return;
    const Range range = ClippedRange(row1, column1, row2, column2);
    for (long row = range.top; row <= range.bottom; ++row) {
        for (long column = range.left; column <= range.right; ++column)
            CellAt(row, column).back = value;
    }
    update();
}

void CCellGrid::SetColumnList(long column, const std::string& listText) {
    if (column < 0 || column >= m_nColumns)
        return;
    auto& list = m_columns[static_cast<std::size_t>(column)].list;
    list = listText.empty() ? std::vector<std::string>() : grid::SplitList(listText);
    UpdateInputMethod();
    update();
}

void CCellGrid::SetSwitch(int dispid, long value) {
    switch (dispid) {
    case kGridLineColorSwitch:
        m_crGridLines = static_cast<COLORREF>(value);
        break;
    case kGridLineStyleSwitch:
        m_bGridLines = value != 0;
        break;
    default:
        return; // 28, 65, 71, 103 and any other: no effect
    }
    update();
}

bool CCellGrid::Contains(long row, long column) const {
    return row >= 0 && row < m_nRows && column >= 0 && column < m_nColumns;
}

CCellGrid::Cell& CCellGrid::CellAt(long row, long column) {
    return m_cells[static_cast<std::size_t>(row * m_nColumns + column)];
}

const CCellGrid::Cell& CCellGrid::CellAt(long row, long column) const {
    return m_cells[static_cast<std::size_t>(row * m_nColumns + column)];
}

const QString& CCellGrid::Shown(const Cell& cell) const {
    if (!cell.shown)
        cell.shown = SjisToQt(cell.bytes);
    return *cell.shown;
}

void CCellGrid::Resize(long rows, long columns) {
    if (m_edit && (m_edit->cell.row >= rows || m_edit->cell.column >= columns))
        CancelEdit();
    std::vector<Cell> cells(static_cast<std::size_t>(rows * columns));
    for (long row = 0; row < std::min(rows, m_nRows); ++row) {
        for (long column = 0; column < std::min(columns, m_nColumns); ++column)
            cells[static_cast<std::size_t>(row * columns + column)] =
                std::move(CellAt(row, column));
    }
    m_cells = std::move(cells);
    m_columns.resize(static_cast<std::size_t>(columns));
    m_nRows = rows;
    m_nColumns = columns;
    UpdateLayout();
    SelectRange(m_nRow, m_nColumn, m_nEndRow, m_nEndColumn);
}

long CCellGrid::EffectiveFixedRows() const {
    return std::min(m_nFixedRows, m_nRows);
}

long CCellGrid::EffectiveFixedColumns() const {
    return std::min(m_nFixedColumns, m_nColumns);
}

bool CCellGrid::IsFixed(long row, long column) const {
    return row < m_nFixedRows || column < m_nFixedColumns;
}

bool CCellGrid::IsEditable(long row, long column) const {
    return Contains(row, column) && !IsFixed(row, column) && ColumnWidth(column) > 0;
}

bool CCellGrid::HasList(long column) const {
    return column >= 0 && column < m_nColumns &&
           !m_columns[static_cast<std::size_t>(column)].list.empty();
}

CCellGrid::Range CCellGrid::SelectionRange() const {
    return ClippedRange(m_nRow, m_nColumn, m_nEndRow, m_nEndColumn);
}

CCellGrid::Range CCellGrid::ClippedRange(long row1, long column1, long row2, long column2) const {
    // Empty (bottom above top) when nothing of it lies in the grid.
    return Range{std::max(std::min(row1, row2), 0L), std::max(std::min(column1, column2), 0L),
                 std::min(std::max(row1, row2), m_nRows - 1),
                 std::min(std::max(column1, column2), m_nColumns - 1)};
}

void CCellGrid::SetEdge(long row, long column, Side side, COLORREF color, short width) {
    CellAt(row, column).edges[side] = Edge{color, std::max<short>(width, 0)};
}

void CCellGrid::CellChanged(long row, long column) {
    // A caption can widen a column that has no width of its own.
    if (row < m_nFixedRows && m_columns[static_cast<std::size_t>(column)].twips < 0)
        UpdateLayout();
    else
        update();
}
