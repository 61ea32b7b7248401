#include "PdfReadBack.h"

#include <QProcess>
#include <QRegularExpression>

QString RunTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished() || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString WithoutSpaces(QString text) {
    static const QRegularExpression space(QStringLiteral("\\s"),
                                          QRegularExpression::UseUnicodePropertiesOption);
    return text.remove(space);
}

QString PageText(const QString& pdf, int page) {
    const QString number = QString::number(page);
    return WithoutSpaces(RunTool(QStringLiteral("pdftotext"),
                                 {QStringLiteral("-layout"), QStringLiteral("-f"), number,
                                  QStringLiteral("-l"), number, pdf, QStringLiteral("-")}));
}

bool Contains(const QString& pageText, const char* utf8) {
    return pageText.contains(WithoutSpaces(QString::fromUtf8(utf8)));
}

int PdfPageCount(const QString& pdf) {
    static const QRegularExpression pages(QStringLiteral("^Pages:\\s+(\\d+)$"),
                                          QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = pages.match(RunTool(QStringLiteral("pdfinfo"), {pdf}));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

bool IsLandscape(const QString& pdf) {
    static const QRegularExpression size(QStringLiteral("size:\\s+([\\d.]+) x ([\\d.]+) pts"));
    const QString info = RunTool(QStringLiteral("pdfinfo"),
                                 {QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                                  QString::number(PdfPageCount(pdf)), pdf});
    bool anyPage = false;
    for (const QRegularExpressionMatch& page : size.globalMatch(info)) {
        if (page.captured(1).toDouble() <= page.captured(2).toDouble())
            return false;
        anyPage = true;
    }
    return anyPage;
}
