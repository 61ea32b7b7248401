#pragma once
// One-line label in colours of its own; as a ticker it moves a text wider than its width in
// character cells to the left, one character every 200 ms, and brings it in again from the right.
#include "platform/WinTypes.h"

#include <QFont>
#include <QFrame>
#include <QTimer>
#include <optional>
#include <string>

class CInfoLabel : public QFrame {
    Q_OBJECT

public:
    CInfoLabel();

    // text: Shift-JIS. A sunken border unless noBorder; FALSE without a parent.
    BOOL Create(const std::string& text, DWORD style, const RECT& rect, COLORREF crBack,
                COLORREF crText, QWidget* parent, BOOL noBorder);
    // Shows text from its first character on and makes it the text the ticker runs through.
    void SetText(const std::string& text);
    // The font is copied; null draws with the application font.
    void SetLabelFont(const QFont* font, BOOL redraw);
    // Mode 1: ticker with width single-byte cells (a double-byte character takes two).
    // A call with the mode already set changes nothing, not even the width.
    void SetScrollMode(int mode, int width);

    // One step of the ticker, run by its timer every 200 ms.
    void TickerStep();

    // The text shown now (Shift-JIS).
    const std::string& Text() const { return m_strText; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::string m_strText;
    COLORREF m_crText = 0;
    COLORREF m_crBack = 0;
    std::optional<QFont> m_font;
    int m_nScrollMode = 0;
    int m_nScrollWidth = 0;
    BOOL m_bStaticDrawn = FALSE;
    std::string m_strFullText;
    QTimer m_timer{this};
};
