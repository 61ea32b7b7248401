#include "platform/CDocument.h"

#include "platform/CDiskFile.h"
#include "platform/MessageBox.h"
#include "platform/SjisText.h"

#include <cerrno>

namespace {

std::string OpenFailureReason(int error) {
    switch (error) {
    case ENOENT:
        return "ファイルが見つかりません。";
    case EACCES:
    case EPERM:
        return "ファイルへのアクセスが拒否されました。";
    case EISDIR:
        return "フォルダーは開けません。ファイルを指定してください。";
    case EINVAL:
        return "通常のファイルではありません。";
    default:
        return "ファイルの読み込み中にエラーが発生しました。";
    }
}

std::string SaveFailureReason(int error) {
    switch (error) {
    case ENOSPC:
    case EFBIG:
    case EDQUOT:
        return "ディスクの空き領域が足りません。";
    case EACCES:
    case EPERM:
    case EROFS:
        return "保存先への書き込みが拒否されました。";
    case ENOENT:
    case ENOTDIR:
        return "保存先のフォルダーが見つかりません。";
    default:
        return "ファイルの書き込み中にエラーが発生しました。";
    }
}

void ReportFileError(const std::string& path, const char* what, const std::string& reason) {
    const std::string text = path + what + "\n" + reason;
    VktMessageBox(sjis::FromUtf8(text), MB_OK | MB_ICONEXCLAMATION);
}

} // namespace

BOOL CDocument::OnNewDocument() {
    m_strPathName.clear();
    m_bModified = FALSE;
    return TRUE;
}

BOOL CDocument::OnOpenDocument(const std::string& path) {
    CDiskFile file;
    if (!file.OpenForReading(path)) {
        ReportFileError(path, " を開けません。", OpenFailureReason(file.Error()));
        return FALSE;
    }
    CArchive ar(file, CArchive::load);
    if (!Serialize(ar))
        return FALSE;
    m_strPathName = path;
    m_bModified = FALSE;
    return TRUE;
}

BOOL CDocument::OnSaveDocument(const std::string& path) {
    CDiskFile file;
    bool written = file.OpenForWriting(path);
    if (written) {
        CArchive ar(file, CArchive::store);
        written = Serialize(ar) && file.Commit();
    }
    if (!written) {
        ReportFileError(path, " に保存できません。", SaveFailureReason(file.Error()));
        return FALSE;
    }
    m_strPathName = path;
    m_bModified = FALSE;
    return TRUE;
}

std::string CDocument::GetTitle() const {
    const std::size_t slash = m_strPathName.find_last_of('/');
    return slash == std::string::npos ? m_strPathName : m_strPathName.substr(slash + 1);
}
