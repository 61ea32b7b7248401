#pragma once
// What the program was asked to do on its command line.
#include <QString>
#include <QStringList>

class CCommandLineInfo {
public:
    enum Shell { FileNew, FileOpen, FilePrint, FilePrintTo, ShowHelp, Invalid };

    // arguments without the program name: [FILE], /p FILE, /pt FILE PRINTER [DRIVER PORT], --help
    static CCommandLineInfo Parse(const QStringList& arguments);
    static QString Usage();

    Shell m_nShellCommand = FileNew;
    QString m_strFileName;
    QString m_strPrinterName;
    QString m_strError; // why an Invalid line is invalid
};
