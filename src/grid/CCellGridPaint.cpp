// CCellGrid: painting.
#include "grid/CCellGrid.h"

#include <QPainter>
#include <QStyleOption>

namespace {

constexpr int kTextPadding = 3;
constexpr double kSelectionTint = 0.22;
constexpr int kHeaderDarkening = 115;

QColor ColorOf(COLORREF color) {
    return QColor(static_cast<int>(GetRValue(color)), static_cast<int>(GetGValue(color)),
                  static_cast<int>(GetBValue(color)));
}

QColor Mix(const QColor& base, const QColor& tint, double share) {
    const auto channel = [share](int from, int to) {
        return static_cast<int>(from + (to - from) * share);
    };
    return QColor(channel(base.red(), tint.red()), channel(base.green(), tint.green()),
                  channel(base.blue(), tint.blue()));
}

} // namespace

void CCellGrid::paintEvent(QPaintEvent*) {
    ResolvePendingScroll();
    QPainter painter(this);
    painter.fillRect(CellArea(), palette().color(QPalette::Window));
    for (const Region region : {Region::kBody, Region::kLeft, Region::kTop, Region::kCorner})
        PaintRegion(painter, region);
}

QRect CCellGrid::RegionBounds(Region region) const {
    const QRect area = CellArea();
    const int fixedWidth = std::min(FixedWidth(), area.width());
    const int fixedHeight = std::min(FixedHeight(), area.height());
    const bool fixedRows = region == Region::kCorner || region == Region::kTop;
    const bool fixedColumns = region == Region::kCorner || region == Region::kLeft;
    const int left = fixedColumns ? 0 : fixedWidth;
    const int top = fixedRows ? 0 : fixedHeight;
    return QRect(left, top, (fixedColumns ? fixedWidth : area.width()) - left,
                 (fixedRows ? fixedHeight : area.height()) - top);
}

void CCellGrid::PaintRegion(QPainter& painter, Region region) const {
    const QRect bounds = RegionBounds(region);
    if (bounds.isEmpty())
        return;
    const bool fixedRows = region == Region::kCorner || region == Region::kTop;
    const bool fixedColumns = region == Region::kCorner || region == Region::kLeft;
    const long firstRow = fixedRows ? 0 : m_nTopRow;
    const long endRow = fixedRows ? EffectiveFixedRows() : m_nRows;
    const long firstColumn = fixedColumns ? 0 : m_nLeftColumn;
    const long endColumn = fixedColumns ? EffectiveFixedColumns() : m_nColumns;

    // Cells, then the border lines over them, so that no cell paints over its neighbour's line.
    painter.save();
    painter.setClipRect(bounds);
    for (const bool edges : {false, true}) {
        for (long row = firstRow, y = RowTop(firstRow); row < endRow && y < bounds.bottom() + 1;
             ++row, y += m_nRowHeight) {
            for (long column = firstColumn, x = ColumnLeft(firstColumn);
                 column < endColumn && x < bounds.right() + 1; x += ColumnWidth(column++)) {
                if (ColumnWidth(column) == 0)
                    continue;
                const QRect rect(static_cast<int>(x), static_cast<int>(y), ColumnWidth(column),
                                 m_nRowHeight);
                if (edges)
                    PaintEdges(painter, row, column, rect);
                else
                    PaintCell(painter, row, column, rect);
            }
        }
    }
    if (region == Region::kBody)
        PaintSelectionFrame(painter);
    painter.restore();
}

void CCellGrid::PaintCell(QPainter& painter, long row, long column, const QRect& rect) const {
    const bool fixed = IsFixed(row, column);
    painter.fillRect(rect, BackgroundOf(row, column));
    const QString& text = Shown(CellAt(row, column));
    if (!text.isEmpty()) {
        painter.setPen(palette().color(fixed ? QPalette::ButtonText : QPalette::Text));
        painter.drawText(rect.adjusted(kTextPadding, 0, -kTextPadding, 0),
                         static_cast<int>(AlignmentOf(row, column)) | Qt::TextSingleLine, text);
    }
    if (!fixed && !m_bGridLines)
        return;
    painter.setPen(fixed ? palette().color(QPalette::Mid) : ColorOf(m_crGridLines));
    painter.drawLine(rect.topRight(), rect.bottomRight());
    painter.drawLine(rect.bottomLeft(), rect.bottomRight());
}

void CCellGrid::PaintEdges(QPainter& painter, long row, long column, const QRect& rect) const {
    const std::array<Edge, 4>& edges = CellAt(row, column).edges;
    const auto strip = [&rect](Side side, int width) {
        switch (side) {
        case kLeft:
            return QRect(rect.left(), rect.top(), width, rect.height());
        case kTop:
            return QRect(rect.left(), rect.top(), rect.width(), width);
        case kRight:
            return QRect(rect.right() + 1 - width, rect.top(), width, rect.height());
        case kBottom:
            break;
        }
        return QRect(rect.left(), rect.bottom() + 1 - width, rect.width(), width);
    };
    for (const Side side : {kLeft, kTop, kRight, kBottom}) {
        const Edge& edge = edges[side];
        if (edge.width > 0)
            painter.fillRect(strip(side, std::min<int>(edge.width, m_nRowHeight)),
                             ColorOf(edge.color));
    }
}

void CCellGrid::PaintSelectionFrame(QPainter& painter) const {
    const std::optional<Range> selection = DataSelection();
    if (!selection)
        return;
    const QRect frame(ColumnLeft(selection->left), RowTop(selection->top),
                      ColumnLeft(selection->right) + ColumnWidth(selection->right) -
                          ColumnLeft(selection->left),
                      static_cast<int>(selection->bottom - selection->top + 1) * m_nRowHeight);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(frame).adjusted(1, 1, -1, -1));

    const QRect button = ListButtonRect();
    if (button.isEmpty())
        return;
    QStyleOptionButton option;
    option.initFrom(this);
    option.rect = button;
    option.state |= QStyle::State_Raised;
    style()->drawPrimitive(QStyle::PE_PanelButtonTool, &option, &painter, this);
    option.rect = button.adjusted(3, 3, -3, -3);
    style()->drawPrimitive(QStyle::PE_IndicatorArrowDown, &option, &painter, this);
}

QRect CCellGrid::ListButtonRect() const {
    if (m_edit || !IsEditable(m_nRow, m_nColumn) || !HasList(m_nColumn) || m_nRow < m_nTopRow ||
        m_nColumn < m_nLeftColumn)
        return QRect();
    const QRect cell(ColumnLeft(m_nColumn), RowTop(m_nRow), ColumnWidth(m_nColumn), m_nRowHeight);
    const int size = std::min(m_nRowHeight - 4, 16);
    return QRect(cell.right() - size - 1, cell.top() + (cell.height() - size) / 2, size, size);
}

std::optional<CCellGrid::Range> CCellGrid::DataSelection() const {
    const Range selection = SelectionRange();
    const Range cells{std::max(selection.top, EffectiveFixedRows()),
                      std::max(selection.left, EffectiveFixedColumns()), selection.bottom,
                      selection.right};
    if (cells.top > cells.bottom || cells.left > cells.right)
        return std::nullopt;
    return cells;
}

QColor CCellGrid::BackgroundOf(long row, long column) const {
    const Cell& cell = CellAt(row, column);
    const bool fixed = IsFixed(row, column);
    const QColor base = cell.back ? ColorOf(*cell.back)
                        : fixed   ? palette().color(QPalette::Button)
                                  : ColorOf(m_crBack);
    const std::optional<Range> selection = DataSelection();
    if (!selection)
        return base;
    const bool rowSelected = row >= selection->top && row <= selection->bottom;
    const bool columnSelected = column >= selection->left && column <= selection->right;
    if (fixed) {
        // Headers of the selected rows and columns, as spreadsheets mark them.
        const bool header =
            (row < EffectiveFixedRows() && column >= EffectiveFixedColumns() && columnSelected) ||
            (column < EffectiveFixedColumns() && row >= EffectiveFixedRows() && rowSelected);
        return header ? base.darker(kHeaderDarkening) : base;
    }
    const bool current = row == m_nRow && column == m_nColumn;
    if (rowSelected && columnSelected && !current)
        return Mix(base, palette().color(QPalette::Highlight), kSelectionTint);
    return base;
}

Qt::Alignment CCellGrid::AlignmentOf(long row, long column) const {
    if (row < EffectiveFixedRows())
        return Qt::AlignCenter;
    const long code = m_columns[static_cast<std::size_t>(column)].alignment;
    if (code < 0 || code > 8)
        return Qt::AlignLeft | Qt::AlignVCenter;
    constexpr Qt::Alignment horizontal[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
    constexpr Qt::Alignment vertical[] = {Qt::AlignTop, Qt::AlignVCenter, Qt::AlignBottom};
    return horizontal[code / 3] | vertical[code % 3];
}
