#pragma once
#include "doc/RosterRecord.h"
#include "platform/CDocument.h"

class CZelDoc : public CDocument {
public:
    CZelDoc();

    BOOL OnNewDocument() override;
    bool Serialize(CArchive& ar) override;

    // Read and written in place by the view, the duty dialog and the printouts.
    RosterRecord m_record;

private:
    void ResetRecord();
    bool Load(CFile& file);
};
