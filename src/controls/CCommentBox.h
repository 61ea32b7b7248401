#pragma once
// The one-line comment of the roster. It stores nothing itself: every 200 ms it compares its
// text with the text it reported last and, when they differ, posts WM_USER_TEXTCHANGE (wParam =
// its id, lParam 0) to its owner, which reads the text with GetText.
#include "doc/RosterRecord.h"
#include "platform/WinTypes.h"

#include <QLineEdit>
#include <QTimer>
#include <string>

class CByteLimitValidator;
class QFont;

class CCommentBox : public QLineEdit {
    Q_OBJECT

public:
    // What the record's comment field holds; the box takes no more.
    static constexpr std::size_t kMaxTextBytes = sizeof(RosterRecord::comment);

    CCommentBox();

    // rect: in the parent's client pixels, scaled to the font. The parent becomes the owner.
    void Create(const QFont& font, const RECT& rect, QWidget* parent, UINT id, DWORD style);
    // TRUE starts the change watch, anything else stops it.
    void EnableChangeNotify(BOOL enable);

    // The text as Shift-JIS bytes: the very bytes of SetLoadedText while the text shown is
    // still the one loaded.
    std::string GetText() const;
    // Shows a text loaded with the roster. It is the box's starting point, not a change: the
    // watch reports only what differs from it.
    void SetLoadedText(const std::string& sjisText);

    // One look of the change watch, run by its timer every 200 ms.
    void CheckForChange();

private:
    CByteLimitValidator* m_pValidator;
    QWidget* m_pOwner = nullptr;
    std::string m_strLastText;
    UINT m_nNotifyId = 0;
    std::string m_strLoadedText;
    QTimer m_timer{this};
};
