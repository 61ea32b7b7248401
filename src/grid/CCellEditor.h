#pragma once
// The line editor the grid opens over a cell that is typed into.
#include <QLineEdit>

class CByteLimitValidator;

class CCellEditor : public QLineEdit {
    Q_OBJECT

public:
    explicit CCellEditor(QWidget* parent);

    // Shows the editor on the rectangle with the text and takes the focus.
    void Open(const QString& text, long byteLimit, const QRect& rect, const QColor& background);
    void SetByteLimit(long bytes);

signals:
    void Accepted();  // Return, Enter, Up or Down
    void Cancelled(); // Escape
    void FocusLost(); // to another widget of the window: the edit is accepted

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    CByteLimitValidator* m_pValidator;
};
