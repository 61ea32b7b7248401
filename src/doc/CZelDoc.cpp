#include "doc/CZelDoc.h"

#include "platform/MessageBox.h"
#include "platform/SjisText.h"

#include <cstdio>
#include <memory>

namespace {

void ShowLoadError(const std::string& utf8Text) {
    VktMessageBox(sjis::FromUtf8(utf8Text), MB_OK | MB_ICONEXCLAMATION);
}

} // namespace

CZelDoc::CZelDoc() {
    ResetRecord();
}

BOOL CZelDoc::OnNewDocument() {
    if (!CDocument::OnNewDocument())
        return FALSE;
    ResetRecord();
    return TRUE;
}

bool CZelDoc::Serialize(CArchive& ar) {
    if (ar.IsStoring())
        return ar.GetFile().Write(&m_record, sizeof m_record);
    return Load(ar.GetFile());
}

void CZelDoc::ResetRecord() {
    std::memset(&m_record, 0, sizeof m_record);
    m_record.version = kRecordVersion;
}

// A file of the wrong size, or one that reads short, fails the open and leaves the roster
// on screen as it was: a later save must not write that roster over the other file.
bool CZelDoc::Load(CFile& file) {
    if (file.GetLength() != sizeof(RosterRecord)) {
        ShowLoadError("read file size err\n勤務表ファイルでない。または、ファイル版数が異なっています。");
        return false;
    }
    auto loaded = std::make_unique<RosterRecord>();
    if (file.Read(loaded.get(), sizeof(RosterRecord)) != sizeof(RosterRecord)) {
        ShowLoadError("read file read err\nファイル読み込みに失敗しました。");
        return false;
    }
    m_record = *loaded;
    if (m_record.version != kRecordVersion) {
        char text[160];
        std::snprintf(text, sizeof text, "旧ファイルのため読み出せません。「ver.%u」\n現在は ver.%d で動作します。",
                      static_cast<unsigned>(m_record.version), kRecordVersion);
        ShowLoadError(text);
    }
    return true;
}
