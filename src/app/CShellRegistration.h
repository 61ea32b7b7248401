#pragma once
// Makes .vkt files known to the desktop: a MIME type, a desktop entry that opens them with this
// program, and icons, in the user's XDG data folder. Never fails the start: a file that cannot
// be written is skipped.
#include <QString>
#include <QStringList>

class CShellRegistration {
public:
    CShellRegistration(QString dataHome, QString executable);

    // Writes each file that is missing or stale and returns the paths written.
    QStringList Register() const;

    QString MimePackagePath() const;
    QString DesktopEntryPath() const;

    static QString MimePackageText();
    QString DesktopEntryText() const;

private:
    void RefreshDatabases(const QStringList& written) const;

    QString m_strDataHome;
    QString m_strExecutable;
};
