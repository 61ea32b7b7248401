// The benchmarks need one QApplication (the view, the painter), on the offscreen platform.
#include "platform/MessageBox.h"
#include "platform/qt/QtPlatform.h"

#include <QApplication>
#include <benchmark/benchmark.h>

int main(int argc, char* argv[]) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InstallFontSubstitutions();
    SetMessageBoxHandler([](const std::string&, UINT) { return IDOK; });
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
