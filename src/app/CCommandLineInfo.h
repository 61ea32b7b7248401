#pragma once
// What the program was asked to do on its command line.
#include <QString>
#include <QStringList>

class CCommandLineInfo {
public:
    enum Shell { FileNew, FileOpen, FilePrint, FilePrintTo, FileExportPdf, WriteExample, ShowHelp, Invalid };

    // arguments without the program name: [FILE], /p FILE, /pt FILE PRINTER [DRIVER PORT],
    // --pdf OUT FILE, --pdf-day OUT [--day N] FILE, --example FILE, --help
    static CCommandLineInfo Parse(const QStringList& arguments);
    static QString Usage();
    // Whether the line prints or exports and ends, with nobody at the screen.
    bool RunsUnattended() const;

    Shell m_nShellCommand = FileNew;
    QString m_strFileName;
    QString m_strPrinterName;
    QString m_strOutputName; // the PDF file of FileExportPdf
    int m_nPrintMode = 0;    // of FileExportPdf: 0 monthly, 1 specified day
    int m_nDay = 0;          // of the day export; 0: the roster's own day
    QString m_strError;      // why an Invalid line is invalid
};
