#include "controls/CCaptionCombo.h"

#include "controls/ControlGeometry.h"

namespace {

constexpr long kCaptionHeight = 15;
constexpr COLORREF kCaptionBack = 0x00C0C0C0;
constexpr COLORREF kCaptionText = 0x00000000;
// Wider than any caption of the lists: they never move.
constexpr int kCaptionCells = 25;

} // namespace

CCaptionCombo::CCaptionCombo(const std::string& caption, const QFont& font, const RECT& rect,
                             QWidget* parent, UINT id, DWORD style) {
    Create(caption, font, rect, parent, id, style);
}

BOOL CCaptionCombo::Create(const std::string& caption, const QFont& font, const RECT& rect,
                           QWidget* parent, UINT id, DWORD style) {
    if (style == 0)
        style = kDefaultStyle;
    const BOOL created = CNumberCombo::Create(font, rect, parent, id, style);
    SetListType(1);

    const RECT strip{rect.left, rect.top - kCaptionHeight, rect.right, rect.top};
    if (!m_caption.Create(caption, WS_CHILD | WS_VISIBLE | WS_TABSTOP,
                          ScaleRectToFont(strip, LogFontHeight(font)), kCaptionBack, kCaptionText,
                          parent, TRUE))
        return FALSE;
    m_caption.SetLabelFont(&font, TRUE);
    m_caption.SetScrollMode(1, kCaptionCells);
    return created;
}
