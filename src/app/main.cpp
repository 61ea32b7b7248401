#include "app/CCommandLineInfo.h"
#include "app/CZelApp.h"
#include "doc/CZelDoc.h"
#include "doc/ExampleRoster.h"
#include "platform/qt/QtPlatform.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <cstdio>
#include <ctime>

namespace {

// The roster a first run opens: this month, written only where no file is yet.
int WriteExampleRoster(const QString& path) {
    const std::string localPath = QFile::encodeName(path).toStdString();
    if (QFileInfo::exists(path)) {
        std::fprintf(stderr, "vkt: %s exists already; nothing written\n", localPath.c_str());
        return 1;
    }
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    CZelDoc doc;
    FillExampleRoster(doc.m_record, local.tm_year + 1900, local.tm_mon + 1);
    return doc.OnSaveDocument(localPath) ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CCommandLineInfo commandLine = CCommandLineInfo::Parse(arguments);
    if (commandLine.m_nShellCommand == CCommandLineInfo::ShowHelp) {
        std::fputs(qPrintable(CCommandLineInfo::Usage()), stdout);
        return 0;
    }
    if (commandLine.m_nShellCommand == CCommandLineInfo::Invalid) {
        std::fprintf(stderr, "vkt: %s\n%s", qPrintable(commandLine.m_strError),
                     qPrintable(CCommandLineInfo::Usage()));
        return 2;
    }

    if (commandLine.m_nShellCommand == CCommandLineInfo::WriteExample)
        return WriteExampleRoster(commandLine.m_strFileName);

    // Printing and export from the command line need no display.
    if (commandLine.RunsUnattended() && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vkt"));
    QApplication::setOrganizationName(QStringLiteral("Varomel"));
    QGuiApplication::setDesktopFileName(QStringLiteral("varomel"));
    InstallFontSubstitutions();
    // Menus, dialogs and the status bar in a Japanese face rather than a Latin one with fallbacks.
    QApplication::setFont(QFont(QStringLiteral("ＭＳ Ｐゴシック"), 10));
    InstallJapaneseTranslations(app);
    if (commandLine.RunsUnattended())
        InstallConsoleMessageBoxes();
    else
        InstallGuiMessageBoxes();

    CZelApp theApp;
    if (!theApp.InitInstance(commandLine))
        return theApp.ExitCode();
    return QApplication::exec();
}
