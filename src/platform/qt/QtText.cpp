#include "platform/qt/QtText.h"

#include "platform/SjisText.h"

QString SjisToQt(std::string_view sjisText) {
    return QString::fromStdString(sjis::ToUtf8(sjisText));
}

std::string QtToSjis(const QString& text) {
    return sjis::FromUtf8(text.toStdString());
}
