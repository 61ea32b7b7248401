#include "app/CRecentFileList.h"

#include <QFileInfo>
#include <QSettings>

namespace {

const QString kSection = QStringLiteral("Recent File List");

QString KeyOf(int index) {
    return kSection + QStringLiteral("/File%1").arg(index + 1);
}

} // namespace

CRecentFileList::CRecentFileList(int size) : m_nSize(size) {}

void CRecentFileList::ReadList(const QSettings& profile) {
    m_files.clear();
    for (int i = 0; i < m_nSize; ++i) {
        const QString path = profile.value(KeyOf(i)).toString();
        if (!path.isEmpty() && !m_files.contains(path))
            m_files.append(path);
    }
}

void CRecentFileList::WriteList(QSettings& profile) const {
    profile.remove(kSection);
    for (int i = 0; i < m_files.size(); ++i)
        profile.setValue(KeyOf(i), m_files[i]);
}

void CRecentFileList::Add(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    m_files.removeAll(absolute);
    m_files.prepend(absolute);
    while (m_files.size() > m_nSize)
        m_files.removeLast();
}

void CRecentFileList::Remove(int index) {
    if (index >= 0 && index < m_files.size())
        m_files.removeAt(index);
}
