#include "app/CCommandLineInfo.h"

namespace {

bool IsSwitch(const QString& argument, const char* name) {
    const QString lower = argument.toLower();
    return lower == QLatin1Char('/') + QLatin1String(name) || lower == QLatin1Char('-') + QLatin1String(name);
}

CCommandLineInfo InvalidLine(const QString& why) {
    CCommandLineInfo info;
    info.m_nShellCommand = CCommandLineInfo::Invalid;
    info.m_strError = why;
    return info;
}

} // namespace

CCommandLineInfo CCommandLineInfo::Parse(const QStringList& arguments) {
    CCommandLineInfo info;
    if (arguments.isEmpty())
        return info;
    const QString& first = arguments.first();
    if (first == QLatin1String("--help") || first == QLatin1String("-h") || first == QLatin1String("/?")) {
        info.m_nShellCommand = ShowHelp;
        return info;
    }
    if (IsSwitch(first, "p")) {
        if (arguments.size() != 2)
            return InvalidLine(QStringLiteral("/p needs exactly one file"));
        info.m_nShellCommand = FilePrint;
        info.m_strFileName = arguments[1];
        return info;
    }
    if (IsSwitch(first, "pt")) {
        // The driver and port of the Windows form are accepted and not needed.
        if (arguments.size() < 3 || arguments.size() > 5)
            return InvalidLine(QStringLiteral("/pt needs a file and a printer name"));
        info.m_nShellCommand = FilePrintTo;
        info.m_strFileName = arguments[1];
        info.m_strPrinterName = arguments[2];
        return info;
    }
    if (first.startsWith(QLatin1Char('-')) && first != QLatin1String("-"))
        return InvalidLine(QStringLiteral("unknown option %1").arg(first));
    if (arguments.size() > 1)
        return InvalidLine(QStringLiteral("only one file can be opened"));
    info.m_nShellCommand = FileOpen;
    info.m_strFileName = first;
    return info;
}

QString CCommandLineInfo::Usage() {
    return QStringLiteral("usage: vkt [FILE.vkt]\n"
                          "       vkt /p FILE.vkt            print FILE on the default printer and end\n"
                          "       vkt /pt FILE.vkt PRINTER   print FILE on PRINTER and end\n"
                          "       vkt --help                 show this text\n");
}
