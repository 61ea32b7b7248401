#include "grid/CCellEditor.h"

#include "platform/qt/CByteLimitValidator.h"

#include <QKeyEvent>

CCellEditor::CCellEditor(QWidget* parent)
    : QLineEdit(parent), m_pValidator(new CByteLimitValidator(this)) {
    setFrame(false);
    setValidator(m_pValidator);
    setAttribute(Qt::WA_InputMethodEnabled);
}

void CCellEditor::Open(const QString& text, long byteLimit, const QRect& rect,
                       const QColor& background) {
    m_pValidator->SetLimit(byteLimit);
    m_pValidator->Reset(text);
    setText(text);
    QPalette colours = palette();
    colours.setColor(QPalette::Base, background);
    setPalette(colours);
    setGeometry(rect);
    show();
    setFocus(Qt::OtherFocusReason);
}

void CCellEditor::SetByteLimit(long bytes) {
    m_pValidator->SetLimit(bytes);
}

void CCellEditor::keyPressEvent(QKeyEvent* event) {
    // Consumed here: Return must not press a dialog's default button, Escape not close it.
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Up:
    case Qt::Key_Down:
        emit Accepted();
        return;
    case Qt::Key_Escape:
        emit Cancelled();
        return;
    default:
        QLineEdit::keyPressEvent(event);
    }
}

void CCellEditor::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // Switching windows or opening a menu leaves the edit open, as in a spreadsheet.
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        emit FocusLost();
}
