#pragma once
// The date selector: year, month and day lists with captions and a "現在" (now) button; in time
// mode hour, minute and second. After every change in a list and after OnNow it posts
// WM_USER_SELCHANGE (wParam 12, lParam = the notify parameter) to its owner, which reads the
// selection again.
#include "controls/CCaptionCombo.h"

#include <QFrame>
#include <QPushButton>
#include <array>
#include <ctime>
#include <string>

class CDateTimeCtl : public QFrame {
    Q_OBJECT

public:
    static constexpr int kFirstYear = 1990;
    static constexpr int kLastYear = 2099;
    static constexpr WPARAM kNoticeId = 12;

    CDateTimeCtl();

    // rect: in the owner's client pixels, not scaled. Always TRUE.
    BOOL Create(bool timeMode, const QFont& font, RECT rect, QWidget* owner, int notifyParam);

    // Upper-case hex: "%04X%02X%02X" of year, month, day ("%02X" thrice in time mode). A list
    // without a selection gives 0.
    std::string GetDateText() const;
    // Selects what a text of GetDateText's form names; a list whose field names no entry gets
    // its first entry. A text of another length changes nothing. Posts nothing.
    void SetDateText(const std::string& text);
    // The selection as numbers, from the selected indexes (one less than the first entry for a
    // list without a selection). Date mode only: in time mode the arguments are left as they are.
    void GetDate(int& year, int& month, int& day) const;
    // Selects the current local date (time in time mode) and tells the owner.
    void OnNow();

protected:
    void customEvent(QEvent* event) override;

private:
    void SelectMoment(const std::tm& now);
    void NotifyOwner();

    bool m_bTimeMode = false;
    int m_nNotifyParam = 0;
    QWidget* m_pOwner = nullptr;
    std::array<CCaptionCombo*, 3> m_pList{};
    QPushButton m_btnNow;
};
