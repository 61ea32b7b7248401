#include "platform/qt/CByteLimitValidator.h"

#include "platform/qt/QtText.h"

namespace {

long SjisBytes(const QString& text) {
    return static_cast<long>(QtToSjis(text).size());
}

// The longest prefix of whole characters (surrogate pairs kept together) within the bytes.
QString FittingPrefix(const QString& text, long bytes) {
    qsizetype end = 0;
    long used = 0;
    while (end < text.size()) {
        const qsizetype length = text.at(end).isHighSurrogate() && end + 1 < text.size() ? 2 : 1;
        used += SjisBytes(text.mid(end, length));
        if (used > bytes)
            break;
        end += length;
    }
    return text.left(end);
}

} // namespace

CByteLimitValidator::CByteLimitValidator(QObject* parent) : QValidator(parent) {}

void CByteLimitValidator::Reset(const QString& text) {
    m_strAccepted = text;
}

QValidator::State CByteLimitValidator::validate(QString& input, int& pos) const {
    const long bytes = SjisBytes(input);
    if (m_nLimit <= 0 || bytes <= m_nLimit || bytes <= SjisBytes(m_strAccepted)) {
        m_strAccepted = input;
        return Acceptable;
    }
    // The edit replaced the middle of the accepted text: keep what of its new part fits.
    const qsizetype shorter = std::min(input.size(), m_strAccepted.size());
    qsizetype prefix = 0;
    while (prefix < shorter && input.at(prefix) == m_strAccepted.at(prefix))
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < shorter - prefix && input.at(input.size() - 1 - suffix) ==
                                            m_strAccepted.at(m_strAccepted.size() - 1 - suffix))
        ++suffix;
    const QString head = input.left(prefix);
    const QString tail = input.right(suffix);
    const QString inserted = input.mid(prefix, input.size() - prefix - suffix);
    const QString kept = FittingPrefix(inserted, m_nLimit - SjisBytes(head + tail));
    input = head + kept + tail;
    pos = static_cast<int>(head.size() + kept.size());
    m_strAccepted = input;
    return Acceptable;
}
