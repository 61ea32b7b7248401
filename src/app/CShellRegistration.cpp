#include "app/CShellRegistration.h"

#include "app/CAppIcons.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

const QString kMimeType = QStringLiteral("application/x-vkt");
const QString kIconName = QStringLiteral("varomel");
const QString kMimeIconName = QStringLiteral("application-x-vkt");
constexpr int kIconSizes[] = {16, 32, 48, 128};

QByteArray PngBytes(const QPixmap& pixmap) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    pixmap.save(&buffer, "PNG");
    return bytes;
}

// Writes only when the content differs, so a start with everything in place writes nothing.
bool WriteIfStale(const QString& path, const QByteArray& content) {
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == content)
        return false;
    existing.close();
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        return false;
    return file.commit();
}

QString QuotedForExec(const QString& path) {
    QString escaped = path;
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    escaped.replace(QLatin1Char('"'), QLatin1String("\\\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

} // namespace

CShellRegistration::CShellRegistration(QString dataHome, QString executable)
    : m_strDataHome(std::move(dataHome)), m_strExecutable(std::move(executable)) {}

QString CShellRegistration::MimePackagePath() const {
    return m_strDataHome + QStringLiteral("/mime/packages/varomel-vkt.xml");
}

QString CShellRegistration::DesktopEntryPath() const {
    return m_strDataHome + QStringLiteral("/applications/varomel.desktop");
}

QString CShellRegistration::MimePackageText() {
    return QStringLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
        "  <mime-type type=\"application/x-vkt\">\n"
        "    <comment>Varomel ﾌｧｲﾙ</comment>\n"
        "    <icon name=\"application-x-vkt\"/>\n"
        "    <glob pattern=\"*.vkt\"/>\n"
        "  </mime-type>\n"
        "</mime-info>\n");
}

QString CShellRegistration::DesktopEntryText() const {
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=Varomel\n"
                          "Comment=Monthly duty roster editor\n"
                          "Comment[ja]=月間勤務表の作成と印刷\n"
                          "Exec=%1 %f\n"
                          "Icon=%2\n"
                          "Terminal=false\n"
                          "MimeType=%3;\n"
                          "Categories=Office;\n")
        .arg(QuotedForExec(m_strExecutable), kIconName, kMimeType);
}

QStringList CShellRegistration::Register() const {
    QStringList written;
    auto write = [&written](const QString& path, const QByteArray& content) {
        if (WriteIfStale(path, content))
            written << path;
    };
    write(MimePackagePath(), MimePackageText().toUtf8());
    write(DesktopEntryPath(), DesktopEntryText().toUtf8());
    for (int size : kIconSizes) {
        const QString folder = m_strDataHome + QStringLiteral("/icons/hicolor/%1x%1").arg(size);
        write(folder + QStringLiteral("/apps/") + kIconName + QStringLiteral(".png"),
              PngBytes(CAppIcons::ApplicationPixmap(size)));
        write(folder + QStringLiteral("/mimetypes/") + kMimeIconName + QStringLiteral(".png"),
              PngBytes(CAppIcons::DocumentPixmap(size)));
    }
    RefreshDatabases(written);
    return written;
}

// The desktop reads MIME types and desktop entries through caches; rebuild them in the
// background, where the tools exist.
void CShellRegistration::RefreshDatabases(const QStringList& written) const {
    if (written.contains(MimePackagePath())) {
        const QString tool = QStandardPaths::findExecutable(QStringLiteral("update-mime-database"));
        if (!tool.isEmpty())
            QProcess::startDetached(tool, {m_strDataHome + QStringLiteral("/mime")});
    }
    if (written.contains(DesktopEntryPath())) {
        const QString tool = QStandardPaths::findExecutable(QStringLiteral("update-desktop-database"));
        if (!tool.isEmpty())
            QProcess::startDetached(tool, {m_strDataHome + QStringLiteral("/applications")});
    }
}
