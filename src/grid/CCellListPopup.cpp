#include "grid/CCellListPopup.h"

#include "platform/qt/QtText.h"

#include <QKeyEvent>
#include <QScreen>
#include <QScrollBar>

namespace {

constexpr int kMaxVisibleEntries = 12;

} // namespace

CCellListPopup::CCellListPopup(QWidget* parent) : QListWidget(parent) {
    setWindowFlags(Qt::Popup);
    setMouseTracking(true);
    setUniformItemSizes(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(this, &QListWidget::itemEntered, this,
            [this](QListWidgetItem* item) { setCurrentItem(item); });
    connect(this, &QListWidget::itemClicked, this, &CCellListPopup::PickCurrent);
}

void CCellListPopup::Open(const std::vector<std::string>& entries, const std::string& current,
                          const QRect& globalCellRect, const QString& typed) {
    clear();
    setFont(parentWidget()->font());
    for (const std::string& entry : entries) {
        if (entry.empty())
            continue; // unused places of the list
        auto* item = new QListWidgetItem(SjisToQt(entry), this);
        item->setData(Qt::UserRole, QByteArray::fromStdString(entry));
        item->setSizeHint(QSize(0, globalCellRect.height())); // rows as high as the grid's
        if (entry == current && !currentItem())
            setCurrentItem(item);
    }
    if (!currentItem() && count() > 0)
        setCurrentRow(0);
    PlaceUnder(globalCellRect);
    show();
    setFocus(Qt::PopupFocusReason);
    if (!typed.isEmpty())
        keyboardSearch(typed);
}

void CCellListPopup::PlaceUnder(const QRect& globalCellRect) {
    const int rows = std::clamp(count(), 1, kMaxVisibleEntries);
    const int frame = 2 * frameWidth();
    const int scrollBar =
        count() > kMaxVisibleEntries ? verticalScrollBar()->sizeHint().width() : 0;
    const int rowHeight = count() > 0 ? sizeHintForRow(0) : fontMetrics().height();
    int textWidth = 0;
    for (int row = 0; row < count(); ++row)
        textWidth = std::max(textWidth, fontMetrics().horizontalAdvance(item(row)->text()));
    textWidth += fontMetrics().horizontalAdvance(QStringLiteral("MM")); // margins
    const QSize size(std::max(globalCellRect.width(), textWidth + frame + scrollBar),
                     rows * rowHeight + frame);
    QPoint position = globalCellRect.bottomLeft() + QPoint(0, 1);
    const QScreen* screen = parentWidget()->screen();
    if (screen && position.y() + size.height() > screen->availableGeometry().bottom())
        position.setY(globalCellRect.top() - size.height()); // no room below: above the cell
    setGeometry(QRect(position, size));
}

void CCellListPopup::PickCurrent() {
    if (const QListWidgetItem* item = currentItem())
        emit Picked(item->data(Qt::UserRole).toByteArray());
    hide();
}

void CCellListPopup::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Tab:
        PickCurrent();
        return;
    case Qt::Key_Escape:
    case Qt::Key_F4:
        hide();
        return;
    default:
        QListWidget::keyPressEvent(event);
    }
}

void CCellListPopup::hideEvent(QHideEvent* event) {
    QListWidget::hideEvent(event);
    emit Closed();
}
