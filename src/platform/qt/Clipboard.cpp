#include "platform/qt/Clipboard.h"

#include "platform/MessageBox.h"
#include "platform/SjisText.h"
#include "platform/qt/QtText.h"

#include <QClipboard>
#include <QGuiApplication>

namespace {

// Far more than the largest grid holds (81 x 33 cells of at most 20 bytes), small enough that
// converting and splitting it never stalls the window.
constexpr qsizetype kMaxPasteCharacters = 1 << 20;

} // namespace

void SetClipboardText(const std::string& sjisText) {
    QGuiApplication::clipboard()->setText(SjisToQt(sjisText));
}

std::string GetClipboardText() {
    const QString text = QGuiApplication::clipboard()->text();
    if (text.size() > kMaxPasteCharacters) {
        VktMessageBox(sjis::FromUtf8("クリップボードのデータが大きすぎるため、貼り付けできません。"),
                      MB_OK | MB_ICONEXCLAMATION);
        return {};
    }
    return QtToSjis(text);
}

std::string GetClipboardCellText() {
    std::string text = GetClipboardText();
    if (!text.empty() && text.back() == '\n')
        text.pop_back();
    if (!text.empty() && text.back() == '\r')
        text.pop_back();
    return text;
}
