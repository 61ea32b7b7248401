#include "controls/CByteLimitValidator.h"

#include "platform/qt/QtText.h"

namespace {

qsizetype CharacterLength(QStringView text, qsizetype at) {
    const bool pair =
        text[at].isHighSurrogate() && at + 1 < text.size() && text[at + 1].isLowSurrogate();
    return pair ? 2 : 1;
}

// Length in QChars of the longest prefix of text that takes at most maxBytes Shift-JIS bytes.
qsizetype FittingPrefix(QStringView text, std::size_t maxBytes) {
    std::size_t bytes = 0;
    qsizetype end = 0;
    while (end < text.size()) {
        const qsizetype length = CharacterLength(text, end);
        bytes += QtToSjis(text.mid(end, length).toString()).size();
        if (bytes > maxBytes)
            break;
        end += length;
    }
    return end;
}

} // namespace

CByteLimitValidator::CByteLimitValidator(std::size_t maxBytes, QObject* parent)
    : QValidator(parent), m_nMaxBytes(maxBytes) {}

QValidator::State CByteLimitValidator::validate(QString& input, int& pos) const {
    if (QtToSjis(input).size() <= m_nMaxBytes)
        return Acceptable;
    // The input ends at the cursor: keep the text after it and cut the text before it.
    const std::size_t tailBytes = QtToSjis(input.mid(pos)).size();
    if (tailBytes > m_nMaxBytes) {
        input.truncate(FittingPrefix(input, m_nMaxBytes));
        pos = static_cast<int>(std::min<qsizetype>(pos, input.size()));
        return Acceptable;
    }
    const qsizetype head = FittingPrefix(QStringView(input).left(pos), m_nMaxBytes - tailBytes);
    input.remove(head, pos - head);
    pos = static_cast<int>(head);
    return Acceptable;
}
