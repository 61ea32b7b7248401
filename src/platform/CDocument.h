#pragma once
// The document half of the document/view framework: path, title, modified flag, and the
// open and save drivers around the derived class's Serialize.
#include "platform/CArchive.h"
#include "platform/WinTypes.h"

#include <string>

class CDocument {
public:
    virtual ~CDocument() = default;

    virtual BOOL OnNewDocument();
    // Opens path through Serialize; on any failure the document is left as it was.
    BOOL OnOpenDocument(const std::string& path);
    // Writes atomically; on failure reports it and leaves the document modified.
    BOOL OnSaveDocument(const std::string& path);

    // Returns false when a load must not complete the open (the derived class has said why).
    virtual bool Serialize(CArchive& ar) = 0;

    virtual BOOL IsModified() { return m_bModified; }
    virtual void SetModifiedFlag(BOOL bModified = TRUE) { m_bModified = bModified; }

    const std::string& GetPathName() const { return m_strPathName; }
    // The file name without its folder; empty for a document never saved or opened.
    std::string GetTitle() const;

private:
    std::string m_strPathName;
    BOOL m_bModified = FALSE;
};
