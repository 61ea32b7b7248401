#include "platform/qt/QtPlatform.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    InstallFontSubstitutions();
    InstallJapaneseTranslations(app);
    InstallGuiMessageBoxes();
    QMainWindow window;
    window.show();
    return app.exec();
}
