#include "app/CShellRegistration.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString ReadText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

TEST(CShellRegistration, WritesTypeEntryAndIconsOnceAndRepairsStaleFiles) {
    QTemporaryDir dataHome;
    const CShellRegistration registration(dataHome.path(), "/opt/my tools/vkt");

    const QStringList written = registration.Register();
    EXPECT_TRUE(written.contains(registration.MimePackagePath()));
    EXPECT_TRUE(written.contains(registration.DesktopEntryPath()));

    const QString mime = ReadText(registration.MimePackagePath());
    EXPECT_TRUE(mime.contains("type=\"application/x-vkt\""));
    EXPECT_TRUE(mime.contains("<glob pattern=\"*.vkt\"/>"));
    EXPECT_TRUE(mime.contains("<comment>Varomel ﾌｧｲﾙ</comment>"));

    const QString desktop = ReadText(registration.DesktopEntryPath());
    EXPECT_TRUE(desktop.contains("Exec=\"/opt/my tools/vkt\" %f\n"));
    EXPECT_TRUE(desktop.contains("MimeType=application/x-vkt;\n"));
    EXPECT_TRUE(desktop.startsWith("[Desktop Entry]\n"));

    for (const char* icon : {"/icons/hicolor/48x48/apps/varomel.png",
                             "/icons/hicolor/48x48/mimetypes/application-x-vkt.png"}) {
        const QImage image(dataHome.path() + icon);
        EXPECT_EQ(image.size(), QSize(48, 48)) << icon;
    }

    EXPECT_TRUE(registration.Register().isEmpty()) << "an up-to-date registration writes nothing";

    QFile stale(registration.DesktopEntryPath());
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly | QIODevice::Truncate));
    stale.write("[Desktop Entry]\nExec=/old/vkt %f\n");
    stale.close();
    EXPECT_EQ(registration.Register(), QStringList({registration.DesktopEntryPath()}));
    EXPECT_EQ(ReadText(registration.DesktopEntryPath()), registration.DesktopEntryText());
}

TEST(CShellRegistration, UnwritableFolderDoesNotFailTheStart) {
    QTemporaryDir dataHome;
    QFile blocker(dataHome.path() + "/mime");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly)); // a file where the folder should be
    blocker.close();
    const CShellRegistration registration(dataHome.path(), "/usr/bin/vkt");
    const QStringList written = registration.Register();
    EXPECT_FALSE(written.contains(registration.MimePackagePath()));
    EXPECT_TRUE(written.contains(registration.DesktopEntryPath()));
}

} // namespace
