// CCellGrid: keys, mouse and cell editing.
#include "grid/CCellGrid.h"

#include "grid/CCellEditor.h"
#include "grid/CCellListPopup.h"
#include "platform/qt/QtText.h"
#include "platform/qt/VirtualKey.h"

#include <QGuiApplication>
#include <QInputMethod>
#include <QKeyEvent>
#include <QScrollBar>
#include <algorithm>

namespace {

constexpr int kWheelStep = 40; // a wheel notch (120) scrolls three rows or columns

bool IsTyping(const QKeyEvent& event) {
    const QString text = event.text();
    return !text.isEmpty() && text.at(0).isPrint() &&
           !(event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}

bool OpensEditor(const QKeyEvent& event) {
    const auto modifiers = event.modifiers() & ~Qt::KeypadModifier;
    switch (event.key()) {
    case Qt::Key_F2:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return modifiers == Qt::NoModifier;
    case Qt::Key_Down:
        return modifiers == Qt::AltModifier; // opens a list, as in a drop-down box
    default:
        return false;
    }
}

short MouseButtonCode(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

} // namespace

bool CCellGrid::event(QEvent* event) {
    // Keys the grid answers must come as key presses even where the window has a shortcut for
    // them (Ctrl+C and Ctrl+V are edit commands of the main window).
    if (event->type() == QEvent::ShortcutOverride && IsGridKey(*static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QWidget::event(event);
}

bool CCellGrid::IsGridKey(const QKeyEvent& event) const {
    const auto modifiers = event.modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    const int key = event.key();
    if (modifiers == Qt::ControlModifier)
        return key == Qt::Key_C || key == Qt::Key_V || key == Qt::Key_Home || key == Qt::Key_End ||
               (key >= Qt::Key_Left && key <= Qt::Key_Down);
    if (modifiers != Qt::NoModifier)
        return false;
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F2:
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        return true;
    default:
        return IsTyping(event);
    }
}

void CCellGrid::keyPressEvent(QKeyEvent* event) {
    if (m_edit) {
        QWidget::keyPressEvent(event); // a key the editor left alone goes on to the window
        return;
    }
    ResolvePendingScroll();
    if (const short code = VirtualKeyOf(*event)) {
        short keyCode = code;
        emit KeyDown(&keyCode, ShiftMaskOf(event->modifiers()));
        if (keyCode == 0)
            return; // swallowed by the handler
    }
    if (HandleNavigationKey(*event))
        return;
    const bool editable = IsEditable(m_nRow, m_nColumn);
    if (OpensEditor(*event) && editable) {
        BeginEdit(QString(), false);
    } else if (event->key() == Qt::Key_Backspace && editable) {
        BeginEdit(QString(), true);
    } else if (IsTyping(*event) && editable) {
        BeginEdit(event->text(), true);
    } else if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !editable) {
        MoveCurrent(1, 0, false); // from a header into the cells
    } else {
        QWidget::keyPressEvent(event);
    }
}

bool CCellGrid::HandleNavigationKey(const QKeyEvent& event) {
    const bool extend = event.modifiers() & Qt::ShiftModifier;
    const bool toEdge = event.modifiers() & Qt::ControlModifier;
    if (event.modifiers() & (Qt::AltModifier | Qt::MetaModifier))
        return false;
    const long far = std::max(m_nRows, m_nColumns); // a step that ends at the last cell
    switch (event.key()) {
    case Qt::Key_Left:
        MoveCurrent(0, toEdge ? -far : -1, extend);
        return true;
    case Qt::Key_Right:
        MoveCurrent(0, toEdge ? far : 1, extend);
        return true;
    case Qt::Key_Up:
        MoveCurrent(toEdge ? -far : -1, 0, extend);
        return true;
    case Qt::Key_Down:
        MoveCurrent(toEdge ? far : 1, 0, extend);
        return true;
    case Qt::Key_PageUp:
        MoveCurrent(-VisibleRowCount(), 0, extend);
        return true;
    case Qt::Key_PageDown:
        MoveCurrent(VisibleRowCount(), 0, extend);
        return true;
    case Qt::Key_Home:
        MoveCurrent(toEdge ? -far : 0, -far, extend);
        return true;
    case Qt::Key_End:
        MoveCurrent(toEdge ? far : 0, far, extend);
        return true;
    default:
        return false;
    }
}

void CCellGrid::MoveCurrent(long rowStep, long columnStep, bool extend) {
    if (!HasDataArea())
        return;
    const long fromRow = extend ? m_nEndRow : m_nRow;
    const long fromColumn = extend ? m_nEndColumn : m_nColumn;
    const long row = std::clamp(fromRow + rowStep, EffectiveFixedRows(), m_nRows - 1);
    const long column = StepColumn(fromColumn, columnStep);
    if (extend) {
        m_nEndRow = row;
        m_nEndColumn = column;
    } else {
        m_nRow = m_nEndRow = row;
        m_nColumn = m_nEndColumn = column;
    }
    EnsureVisible(row, column);
    UpdateInputMethod();
    update();
}

long CCellGrid::StepColumn(long column, long step) const {
    // Steps over the shown data columns. From a header or a hidden column the first step lands
    // on the shown neighbour in its direction (step 0: the next shown one).
    const std::vector<long> columns = ScrollableColumns();
    if (columns.empty())
        return column;
    const auto at = std::lower_bound(columns.begin(), columns.end(), column);
    const long next = at - columns.begin();
    long index = next + step;
    if ((at == columns.end() || *at != column) && step > 0)
        --index;
    index = std::clamp(index, 0L, static_cast<long>(columns.size()) - 1);
    return columns[static_cast<std::size_t>(index)];
}

long CCellGrid::LastDataColumn() const {
    const std::vector<long> columns = ScrollableColumns();
    return columns.empty() ? m_nColumns - 1 : columns.back();
}

bool CCellGrid::HasDataArea() const {
    return m_nRows > EffectiveFixedRows() && !ScrollableColumns().empty();
}

void CCellGrid::inputMethodEvent(QInputMethodEvent* event) {
    // Composing Japanese on a cell opens its editor, which takes this and all later input.
    if (!m_edit && IsEditable(m_nRow, m_nColumn) && !HasList(m_nColumn))
        BeginEdit(QString(), true);
    if (m_edit && !m_edit->list)
        QCoreApplication::sendEvent(m_pEditor, event);
    else
        event->ignore();
}

QVariant CCellGrid::inputMethodQuery(Qt::InputMethodQuery query) const {
    switch (query) {
    case Qt::ImEnabled:
        return testAttribute(Qt::WA_InputMethodEnabled);
    case Qt::ImCursorRectangle:
        if (Contains(m_nRow, m_nColumn))
            return QRect(ColumnLeft(m_nColumn), RowTop(m_nRow), ColumnWidth(m_nColumn),
                         m_nRowHeight);
        return QRect();
    default:
        return QWidget::inputMethodQuery(query);
    }
}

void CCellGrid::UpdateInputMethod() {
    // Typed cells take Japanese input; cells edited from a list take none.
    const bool enabled = IsEditable(m_nRow, m_nColumn) && !HasList(m_nColumn);
    if (testAttribute(Qt::WA_InputMethodEnabled) == enabled)
        return;
    setAttribute(Qt::WA_InputMethodEnabled, enabled);
    if (hasFocus())
        QGuiApplication::inputMethod()->update(Qt::ImEnabled);
}

void CCellGrid::mousePressEvent(QMouseEvent* event) {
    ResolvePendingScroll();
    AcceptLineEdit();
    const std::optional<CellPos> cell = CellAtPoint(event->position().toPoint());
    if (!cell || !HasDataArea())
        return;
    const bool extend = event->modifiers() & Qt::ShiftModifier;
    if (event->button() == Qt::LeftButton) {
        if (ListButtonRect().contains(event->position().toPoint())) {
            BeginEdit(QString(), false);
            return;
        }
        SelectByMouse(*cell, extend);
    } else if (event->button() == Qt::RightButton) {
        // A right click outside the selection selects the cell, so its menu acts on it.
        const Range selection = SelectionRange();
        const bool inside = cell->row >= selection.top && cell->row <= selection.bottom &&
                            cell->column >= selection.left && cell->column <= selection.right;
        if (!inside && !IsFixed(cell->row, cell->column))
            SelectByMouse(*cell, false);
    }
}

void CCellGrid::SelectByMouse(CellPos cell, bool extend) {
    const bool headerRow = cell.row < EffectiveFixedRows();
    const bool headerColumn = cell.column < EffectiveFixedColumns();
    m_dragRegion = headerRow ? (headerColumn ? Region::kCorner : Region::kTop)
                             : (headerColumn ? Region::kLeft : Region::kBody);
    const long firstRow = EffectiveFixedRows();
    const long lastRow = m_nRows - 1;
    const long firstColumn = StepColumn(EffectiveFixedColumns(), 0);
    const long lastColumn = LastDataColumn();
    // A header selects its whole column or row; the corner selects every cell.
    Range target{cell.row, cell.column, cell.row, cell.column};
    if (headerRow)
        target = Range{firstRow, cell.column, lastRow, cell.column};
    if (headerColumn)
        target = Range{cell.row, firstColumn, cell.row, lastColumn};
    if (headerRow && headerColumn)
        target = Range{firstRow, firstColumn, lastRow, lastColumn};
    if (extend && *m_dragRegion != Region::kCorner) {
        m_nEndRow = headerRow ? lastRow : target.bottom;
        m_nEndColumn = headerColumn ? lastColumn : target.right;
    } else {
        m_nRow = target.top;
        m_nColumn = target.left;
        m_nEndRow = target.bottom;
        m_nEndColumn = target.right;
    }
    if (!headerRow && !headerColumn)
        EnsureVisible(cell.row, cell.column);
    UpdateInputMethod();
    update();
}

void CCellGrid::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton) || !m_dragRegion || !HasDataArea() ||
        *m_dragRegion == Region::kCorner)
        return;
    const CellPos cell = NearestDataCell(event->position().toPoint());
    if (*m_dragRegion != Region::kTop)
        m_nEndRow = cell.row;
    if (*m_dragRegion != Region::kLeft)
        m_nEndColumn = cell.column;
    EnsureVisible(*m_dragRegion == Region::kTop ? m_nTopRow : cell.row,
                  *m_dragRegion == Region::kLeft ? m_nLeftColumn : cell.column);
    update();
}

void CCellGrid::mouseReleaseEvent(QMouseEvent* event) {
    m_dragRegion.reset();
    if (const short button = MouseButtonCode(event->button())) {
        const QPointF position = event->position();
        emit MouseUp(button, ShiftMaskOf(event->modifiers()), static_cast<float>(position.x()),
                     static_cast<float>(position.y()));
    }
}

void CCellGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    const std::optional<CellPos> cell = CellAtPoint(event->position().toPoint());
    if (event->button() == Qt::LeftButton && cell && cell->row == m_nRow &&
        cell->column == m_nColumn && IsEditable(cell->row, cell->column))
        BeginEdit(QString(), false);
    else
        mousePressEvent(event);
}

void CCellGrid::wheelEvent(QWheelEvent* event) {
    const QPoint delta = event->angleDelta();
    const bool sideways = delta.x() != 0 || (event->modifiers() & Qt::ShiftModifier);
    QScrollBar* bar = sideways ? m_pHorizontalBar : m_pVerticalBar;
    m_nWheelRemainder += delta.x() != 0 ? delta.x() : delta.y();
    const int steps = m_nWheelRemainder / kWheelStep;
    m_nWheelRemainder %= kWheelStep;
    if (steps != 0)
        bar->setValue(bar->value() - steps);
    event->accept();
}

void CCellGrid::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) {
        m_pEditor->setFont(font());
        UpdateLayout();
    }
    QWidget::changeEvent(event);
}

void CCellGrid::resizeEvent(QResizeEvent*) {
    UpdateLayout();
}

void CCellGrid::BeginEdit(const QString& typed, bool replace) {
    if (m_edit || !IsEditable(m_nRow, m_nColumn))
        return;
    const CellPos cell{m_nRow, m_nColumn};
    EnsureVisible(cell.row, cell.column);
    BOOL cancel = FALSE;
    emit EditStarting(cell.row, cell.column, &cancel);
    if (cancel || !IsEditable(cell.row, cell.column))
        return;
    const QString& original = Shown(CellAt(cell.row, cell.column));
    m_edit = Edit{cell, original, HasList(cell.column)};
    if (m_edit->list) {
        const QRect rect = GetCellRect(cell.row, cell.column);
        m_pListPopup->Open(m_columns[static_cast<std::size_t>(cell.column)].list,
                           CellAt(cell.row, cell.column).bytes,
                           QRect(mapToGlobal(rect.topLeft()), rect.size()), typed);
    } else {
        m_pEditor->Open(replace ? QString() : original, m_nEditLimit, EditorRect(),
                        BackgroundOf(cell.row, cell.column));
        if (!typed.isEmpty())
            m_pEditor->insert(typed);
    }
    update();
}

void CCellGrid::AcceptLineEdit() {
    if (!m_edit || m_edit->list)
        return;
    const Edit edit = *m_edit;
    const QString text = m_pEditor->text();
    CloseEditor();
    if (text != edit.original)
        StoreEditedText(edit.cell, QtToSjis(text));
    else
        emit EditFinished();
}

void CCellGrid::AcceptListPick(const QByteArray& item) {
    if (!m_edit || !m_edit->list)
        return;
    const CellPos cell = m_edit->cell;
    CloseEditor();
    std::string bytes = item.toStdString();
    if (bytes != CellAt(cell.row, cell.column).bytes)
        StoreEditedText(cell, std::move(bytes));
    else
        emit EditFinished();
}

void CCellGrid::FinishEdit() {
    if (m_edit && !m_edit->list)
        AcceptLineEdit();
    else
        CancelEdit();
}

void CCellGrid::CancelEdit() {
    if (!m_edit)
        return;
    CloseEditor();
    emit EditFinished();
}

void CCellGrid::CloseEditor() {
    // Cleared first: taking the focus back and hiding the editor report focus changes.
    m_edit.reset();
    if (m_pEditor->hasFocus() || m_pListPopup->isVisible())
        setFocus(Qt::OtherFocusReason);
    m_pEditor->hide();
    m_pListPopup->hide();
    update();
}

void CCellGrid::StoreEditedText(CellPos cell, std::string bytes) {
    SetCellText(cell.row, cell.column, bytes);
    emit EditCommitted(cell.row, cell.column);
    emit EditFinished();
}
