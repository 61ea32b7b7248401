#include "app/CCommandLineInfo.h"

namespace {

bool IsSwitch(const QString& argument, const char* name) {
    const QString lower = argument.toLower();
    return lower == QLatin1Char('/') + QLatin1String(name) ||
           lower == QLatin1Char('-') + QLatin1String(name);
}

CCommandLineInfo InvalidLine(const QString& why) {
    CCommandLineInfo info;
    info.m_nShellCommand = CCommandLineInfo::Invalid;
    info.m_strError = why;
    return info;
}

// --pdf OUT FILE or --pdf-day OUT [--day N] FILE, the switch already taken.
CCommandLineInfo ExportLine(QStringList arguments, int printMode) {
    CCommandLineInfo info;
    info.m_nShellCommand = CCommandLineInfo::FileExportPdf;
    info.m_nPrintMode = printMode;
    const qsizetype daySwitch = arguments.indexOf(QStringLiteral("--day"));
    if (daySwitch >= 0) {
        if (printMode != 1)
            return InvalidLine(QStringLiteral("--day goes with --pdf-day"));
        bool isNumber = false;
        info.m_nDay =
            daySwitch + 1 < arguments.size() ? arguments[daySwitch + 1].toInt(&isNumber) : 0;
        if (!isNumber || info.m_nDay < 1 || info.m_nDay > 31)
            return InvalidLine(QStringLiteral("--day needs a day from 1 to 31"));
        arguments.remove(daySwitch, 2);
    }
    if (arguments.size() != 2)
        return InvalidLine(QStringLiteral("the PDF export needs an output file and a roster file"));
    info.m_strOutputName = arguments[0];
    info.m_strFileName = arguments[1];
    return info;
}

} // namespace

CCommandLineInfo CCommandLineInfo::Parse(const QStringList& arguments) {
    CCommandLineInfo info;
    if (arguments.isEmpty())
        return info;
    const QString& first = arguments.first();
    if (first == QLatin1String("--help") || first == QLatin1String("-h") ||
        first == QLatin1String("/?")) {
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
    if (first == QLatin1String("--pdf") || first == QLatin1String("--pdf-day"))
        return ExportLine(arguments.mid(1), first == QLatin1String("--pdf") ? 0 : 1);
    if (first == QLatin1String("--example")) {
        if (arguments.size() != 2)
            return InvalidLine(QStringLiteral("--example needs the file to write"));
        info.m_nShellCommand = WriteExample;
        info.m_strFileName = arguments[1];
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

bool CCommandLineInfo::RunsUnattended() const {
    return m_nShellCommand == FilePrint || m_nShellCommand == FilePrintTo ||
           m_nShellCommand == FileExportPdf;
}

QString CCommandLineInfo::Usage() {
    return QStringLiteral(
        "usage: vkt [FILE.vkt]\n"
        "       vkt /p FILE.vkt                   print FILE's monthly print on the default "
        "printer\n"
        "       vkt /pt FILE.vkt PRINTER          print FILE's monthly print on PRINTER\n"
        "       vkt --pdf OUT.pdf FILE.vkt        write FILE's monthly print to OUT.pdf\n"
        "       vkt --pdf-day OUT.pdf [--day N] FILE.vkt\n"
        "                                         write FILE's specified-day print of day N\n"
        "                                         (default: the roster's own day) to OUT.pdf\n"
        "       vkt --example FILE.vkt            write an example roster of this month to a new FILE\n"
        "       vkt --help                        show this text\n"
        "Printing and export need no display and end with status 0 on success, 1 on failure.\n");
}
