#pragma once
// The most recently used files, newest first, kept in the application's profile file.
#include <QString>
#include <QStringList>

class QSettings;

class CRecentFileList {
public:
    explicit CRecentFileList(int size);

    void ReadList(const QSettings& profile);
    void WriteList(QSettings& profile) const;

    // Puts path first; an entry already in the list moves up, the oldest falls out.
    void Add(const QString& path);
    void Remove(int index);

    const QStringList& Files() const { return m_files; }
    int GetSize() const { return m_nSize; }

private:
    int m_nSize;
    QStringList m_files;
};
