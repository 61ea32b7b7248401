// CCellGrid: where rows and columns lie, scrolling.
#include "grid/CCellGrid.h"

#include "grid/CCellEditor.h"

#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <algorithm>

namespace {

constexpr int kCellPadding = 4;
constexpr double kTwipsPerInch = 1440.0;

} // namespace

void CCellGrid::UpdateLayout() {
    const QFontMetrics metrics(font());
    m_nRowHeight = metrics.height() + 8;
    m_columnPixels.resize(static_cast<std::size_t>(m_nColumns));
    for (long column = 0; column < m_nColumns; ++column) {
        const long twips = m_columns[static_cast<std::size_t>(column)].twips;
        m_columnPixels[static_cast<std::size_t>(column)] =
            twips < 0 ? DefaultColumnWidth(column)
                      : qRound(static_cast<double>(twips) * logicalDpiX() / kTwipsPerInch);
    }
    PlaceScrollBars();
    ScrollTo(m_nTopRow, m_nLeftColumn);
    PlaceEditor();
}

int CCellGrid::DefaultColumnWidth(long column) const {
    const QFontMetrics metrics(font());
    int width = metrics.horizontalAdvance(QStringLiteral("0000"));
    for (long row = 0; row < EffectiveFixedRows(); ++row)
        width = std::max(width, metrics.horizontalAdvance(Shown(CellAt(row, column))));
    return width + 2 * kCellPadding;
}

int CCellGrid::FixedWidth() const {
    int width = 0;
    for (long column = 0; column < EffectiveFixedColumns(); ++column)
        width += ColumnWidth(column);
    return width;
}

int CCellGrid::FixedHeight() const {
    return static_cast<int>(EffectiveFixedRows()) * m_nRowHeight;
}

QRect CCellGrid::CellArea() const {
    const int right = m_pVerticalBar->isHidden() ? width() : m_pVerticalBar->x();
    const int bottom = m_pHorizontalBar->isHidden() ? height() : m_pHorizontalBar->y();
    return QRect(0, 0, right, bottom);
}

int CCellGrid::ColumnLeft(long column) const {
    int x = 0;
    if (column < EffectiveFixedColumns()) {
        for (long c = 0; c < column; ++c)
            x += ColumnWidth(c);
        return x;
    }
    x = FixedWidth();
    for (long c = m_nLeftColumn; c < column; ++c)
        x += ColumnWidth(c);
    for (long c = column; c < m_nLeftColumn; ++c)
        x -= ColumnWidth(c); // scrolled away to the left
    return x;
}

int CCellGrid::RowTop(long row) const {
    if (row < EffectiveFixedRows())
        return static_cast<int>(row) * m_nRowHeight;
    return FixedHeight() + static_cast<int>(row - m_nTopRow) * m_nRowHeight;
}

QRect CCellGrid::CellBounds(long row, long column) const {
    const QRect area = CellArea();
    const bool fixedRow = row < EffectiveFixedRows();
    const bool fixedColumn = column < EffectiveFixedColumns();
    const int left = fixedColumn ? 0 : FixedWidth();
    const int top = fixedRow ? 0 : FixedHeight();
    const int right = fixedColumn ? FixedWidth() : area.width();
    const int bottom = fixedRow ? FixedHeight() : area.height();
    return QRect(left, top, right - left, bottom - top) & area;
}

QRect CCellGrid::GetCellRect(long row, long column) {
    ResolvePendingScroll();
    if (!Contains(row, column) || ColumnWidth(column) == 0)
        return QRect();
    const QRect rect(ColumnLeft(column), RowTop(row), ColumnWidth(column), m_nRowHeight);
    return rect.intersects(CellBounds(row, column)) ? rect : QRect();
}

std::optional<long> CCellGrid::ColumnAtX(int x) const {
    const long fixedColumns = EffectiveFixedColumns();
    const bool inFixed = x < FixedWidth();
    int left = inFixed ? 0 : FixedWidth();
    for (long column = inFixed ? 0 : m_nLeftColumn; column < m_nColumns; ++column) {
        if (inFixed && column >= fixedColumns)
            break;
        left += ColumnWidth(column);
        if (x < left)
            return column;
    }
    return std::nullopt;
}

std::optional<CCellGrid::CellPos> CCellGrid::CellAtPoint(QPoint point) const {
    if (!CellArea().contains(point))
        return std::nullopt;
    const long row = point.y() < FixedHeight()
                         ? point.y() / m_nRowHeight
                         : m_nTopRow + (point.y() - FixedHeight()) / m_nRowHeight;
    const std::optional<long> column = ColumnAtX(point.x());
    if (row >= m_nRows || !column)
        return std::nullopt;
    return CellPos{row, *column};
}

CCellGrid::CellPos CCellGrid::NearestDataCell(QPoint point) const {
    // Past an edge of the scrolled area the next row or column beyond it, so a drag scrolls.
    const QRect area = CellArea();
    long row = 0;
    if (point.y() < FixedHeight())
        row = m_nTopRow - 1;
    else if (point.y() >= area.bottom())
        row = m_nTopRow + VisibleRowCount();
    else
        row = m_nTopRow + (point.y() - FixedHeight()) / m_nRowHeight;
    long column = 0;
    if (point.x() < FixedWidth())
        column = StepColumn(m_nLeftColumn, -1);
    else if (point.x() >= area.right())
        column = StepColumn(LastVisibleColumn(), 1);
    else
        column = ColumnAtX(point.x()).value_or(LastDataColumn());
    return CellPos{std::clamp(row, EffectiveFixedRows(), m_nRows - 1), column};
}

std::vector<long> CCellGrid::ScrollableColumns() const {
    std::vector<long> columns;
    for (long column = EffectiveFixedColumns(); column < m_nColumns; ++column) {
        if (ColumnWidth(column) > 0)
            columns.push_back(column);
    }
    return columns;
}

long CCellGrid::LastVisibleColumn() const {
    const int right = CellArea().width();
    int x = FixedWidth();
    long last = m_nLeftColumn;
    for (long column = m_nLeftColumn; column < m_nColumns; ++column) {
        x += ColumnWidth(column);
        if (x > right)
            break;
        if (ColumnWidth(column) > 0)
            last = column;
    }
    return last;
}

int CCellGrid::VisibleRowCount() const {
    return std::max(1, (CellArea().height() - FixedHeight()) / m_nRowHeight);
}

long CCellGrid::LastTopRow() const {
    return std::max(EffectiveFixedRows(), m_nRows - VisibleRowCount());
}

int CCellGrid::LastLeftIndex(const std::vector<long>& columns) const {
    // The smallest first column that still shows the last one whole.
    const int available = CellArea().width() - FixedWidth();
    int used = 0;
    auto index = static_cast<int>(columns.size());
    while (index > 0 &&
           used + ColumnWidth(columns[static_cast<std::size_t>(index - 1)]) <= available) {
        used += ColumnWidth(columns[static_cast<std::size_t>(index - 1)]);
        --index;
    }
    return std::clamp(index, 0, std::max(static_cast<int>(columns.size()) - 1, 0));
}

void CCellGrid::PlaceScrollBars() {
    const int extent = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    int contentWidth = 0;
    for (long column = 0; column < m_nColumns; ++column)
        contentWidth += ColumnWidth(column);
    const long contentHeight = m_nRows * m_nRowHeight;
    bool vertical = contentHeight > height();
    const bool horizontal = contentWidth > width() - (vertical ? extent : 0);
    if (horizontal && !vertical)
        vertical = contentHeight > height() - extent;

    const int barsRight = width() - (vertical ? extent : 0);
    const int barsBottom = height() - (horizontal ? extent : 0);
    m_pVerticalBar->setGeometry(barsRight, 0, extent, barsBottom);
    m_pHorizontalBar->setGeometry(0, barsBottom, barsRight, extent);
    m_pScrollCorner->setGeometry(barsRight, barsBottom, extent, extent);
    m_pVerticalBar->setHidden(!vertical);
    m_pHorizontalBar->setHidden(!horizontal);
    m_pScrollCorner->setHidden(!vertical || !horizontal);
}

void CCellGrid::ScrollTo(long topRow, long leftColumn) {
    const std::vector<long> columns = ScrollableColumns();
    const auto first = std::lower_bound(columns.begin(), columns.end(), leftColumn);
    const int leftIndex =
        std::min(static_cast<int>(first - columns.begin()), LastLeftIndex(columns));
    m_nTopRow = std::clamp(topRow, EffectiveFixedRows(), LastTopRow());
    m_nLeftColumn =
        columns.empty() ? EffectiveFixedColumns() : columns[static_cast<std::size_t>(leftIndex)];

    const QSignalBlocker verticalBlocker(m_pVerticalBar);
    const QSignalBlocker horizontalBlocker(m_pHorizontalBar);
    m_pVerticalBar->setRange(0, static_cast<int>(LastTopRow() - EffectiveFixedRows()));
    m_pVerticalBar->setPageStep(VisibleRowCount());
    m_pVerticalBar->setValue(static_cast<int>(m_nTopRow - EffectiveFixedRows()));
    m_pHorizontalBar->setRange(0, LastLeftIndex(columns));
    m_pHorizontalBar->setPageStep(
        std::max(1, static_cast<int>(LastVisibleColumn() - m_nLeftColumn)));
    m_pHorizontalBar->setValue(leftIndex);
    update();
}

void CCellGrid::EnsureVisible(long row, long column) {
    long top = m_nTopRow;
    if (row >= EffectiveFixedRows() && row < m_nRows) {
        if (row < top)
            top = row;
        else if (row >= top + VisibleRowCount())
            top = row - VisibleRowCount() + 1;
    }
    long left = m_nLeftColumn;
    if (column >= EffectiveFixedColumns() && column < m_nColumns && ColumnWidth(column) > 0) {
        if (column < left) {
            left = column;
        } else {
            const int right = CellArea().width();
            int span = 0; // from the left edge of column left to the right edge of column
            for (long c = left; c <= column; ++c)
                span += ColumnWidth(c);
            while (left < column && FixedWidth() + span > right)
                span -= ColumnWidth(left++);
        }
    }
    ScrollTo(top, left);
}

void CCellGrid::RequestScrollToCurrent() {
    if (m_bScrollPending)
        return;
    m_bScrollPending = true;
    QMetaObject::invokeMethod(this, &CCellGrid::ResolvePendingScroll, Qt::QueuedConnection);
}

void CCellGrid::ResolvePendingScroll() {
    if (!m_bScrollPending)
        return;
    m_bScrollPending = false;
    EnsureVisible(m_nRow, m_nColumn);
}

void CCellGrid::OnScrollBarMoved() {
    // The user scrolls: an open editor is done, and the view stays where the user put it.
    AcceptLineEdit();
    m_bScrollPending = false;
    const std::vector<long> columns = ScrollableColumns();
    const auto index = static_cast<std::size_t>(m_pHorizontalBar->value());
    m_nTopRow = EffectiveFixedRows() + m_pVerticalBar->value();
    m_nLeftColumn =
        columns.empty() ? EffectiveFixedColumns() : columns[std::min(index, columns.size() - 1)];
    update();
}

void CCellGrid::PlaceEditor() {
    if (m_edit && !m_edit->list)
        m_pEditor->setGeometry(EditorRect());
}

QRect CCellGrid::EditorRect() {
    return GetCellRect(m_edit->cell.row, m_edit->cell.column).adjusted(2, 2, -2, -2);
}
