#include "app/CCommandLineInfo.h"
#include "app/CZelApp.h"
#include "platform/qt/QtPlatform.h"

#include <QApplication>
#include <QFont>
#include <cstdio>

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
