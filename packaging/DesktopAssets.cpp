// Writes what the desktop needs of the program, from the program's own code: its icons, drawn
// by CAppIcons, and its MIME type, as the program registers it at start-up.
//   vkt_desktop_assets icons FOLDER SIZE...   hicolor/SIZExSIZE/{apps,mimetypes}/*.png
//   vkt_desktop_assets mime FILE              the shared-mime-info package
#include "app/CAppIcons.h"
#include "app/CShellRegistration.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>

namespace {

bool SavePng(const QPixmap& pixmap, const QString& path) {
    return QDir().mkpath(QFileInfo(path).absolutePath()) && pixmap.save(path, "PNG");
}

bool WriteIcons(const QString& folder, const QStringList& sizes) {
    for (const QString& text : sizes) {
        bool isNumber = false;
        const int size = text.toInt(&isNumber);
        if (!isNumber || size <= 0)
            return false;
        const QString sizeFolder = folder + QStringLiteral("/hicolor/%1x%1").arg(size);
        if (!SavePng(CAppIcons::ApplicationPixmap(size), sizeFolder + "/apps/varomel.png") ||
            !SavePng(CAppIcons::DocumentPixmap(size),
                     sizeFolder + "/mimetypes/application-x-vkt.png"))
            return false;
    }
    return true;
}

bool WriteMimePackage(const QString& path) {
    QFile file(path);
    const QByteArray text = CShellRegistration::MimePackageText().toUtf8();
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(text) == text.size();
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    const QStringList arguments = QGuiApplication::arguments().mid(1);
    bool written = false;
    if (arguments.size() >= 3 && arguments[0] == QLatin1String("icons"))
        written = WriteIcons(arguments[1], arguments.mid(2));
    else if (arguments.size() == 2 && arguments[0] == QLatin1String("mime"))
        written = WriteMimePackage(arguments[1]);
    else
        std::fputs("usage: vkt_desktop_assets icons FOLDER SIZE... | mime FILE\n", stderr);
    return written ? 0 : 1;
}
