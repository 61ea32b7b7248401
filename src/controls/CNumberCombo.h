#pragma once
// Drop-down list of numbers that can also be chosen by typing digits. Each selection change by
// the user reaches the owner once the list has settled: the list posts WM_USER_SELCHANGE to itself,
// then to its owner (wParam = its id, lParam 0).
#include "platform/WinTypes.h"

#include <QComboBox>
#include <QTimer>
#include <string>

class QFont;

class CNumberCombo : public QComboBox {
    Q_OBJECT

public:
    CNumberCombo();

    // rect: in the parent's client pixels, the bottom including the dropped list; scaled to the
    // font. The parent becomes the owner. FALSE without a parent.
    BOOL Create(const QFont& font, const RECT& rect, QWidget* parent, UINT id, DWORD style);
    // 1: numbers count from 0, entry 0 selected; 3: from 1, entry 0 selected, a lone 0 typed
    // selects entry 0; any other: from 1, nothing selected.
    void SetListType(int type);
    // The number of the first entry: a typed number N selects the entry at index N - base.
    void SetBase(int base);
    // Selects the entry with this text (Shift-JIS); none when there is no such entry. An
    // editable list shows the text instead.
    void SelectText(const std::string& text);

    // The pause after the last typed digit, run by the list's timer 500 ms after it.
    void OnTypingPause();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void customEvent(QEvent* event) override;

private:
    void OnDigit(char digit);
    void OnSelChange();
    void OnSelChangeDeferred();
    std::string CurrentText() const;

    int m_nListType = 0;
    int m_nBase = 0;
    std::string m_strTyped; // the digits typed since the last pause
    std::string m_strLastText;
    QWidget* m_pOwner = nullptr;
    UINT m_nNotifyId = 0;
    QTimer m_typingTimer{this};
};
