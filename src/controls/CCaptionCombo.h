#pragma once
// A number list with a one-line caption in the strip of 15 pixels directly above it.
#include "controls/CInfoLabel.h"
#include "controls/CNumberCombo.h"

#include <string>

class CCaptionCombo : public CNumberCombo {
    Q_OBJECT

public:
    // Style 0 stands for the plain drop-down list of the date selector.
    static constexpr DWORD kDefaultStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL |
                                           WS_TABSTOP | CBS_DROPDOWNLIST | CBS_AUTOHSCROLL;

    // Creates the list at once (see Create).
    CCaptionCombo(const std::string& caption, const QFont& font, const RECT& rect, QWidget* parent,
                  UINT id, DWORD style);

    // caption: Shift-JIS. The list counts from 0 (list type 1). FALSE when the list or its
    // caption could not be made.
    BOOL Create(const std::string& caption, const QFont& font, const RECT& rect, QWidget* parent,
                UINT id, DWORD style);

    CInfoLabel& Caption() { return m_caption; }

private:
    // A sibling of the list in the parent, placed after it: when the parent goes, it deletes
    // the list first, and the list takes its caption with it.
    CInfoLabel m_caption;
};
