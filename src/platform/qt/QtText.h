#pragma once
// The one place where Shift-JIS texts cross into Qt and back.
#include <QString>
#include <string>
#include <string_view>

QString SjisToQt(std::string_view sjisText);
std::string QtToSjis(const QString& text);
