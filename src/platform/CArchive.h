#pragma once
#include "platform/CFile.h"

class CArchive {
public:
    enum Mode { load, store };
    CArchive(CFile& file, Mode mode) : m_file(file), m_mode(mode) {}
    bool IsStoring() const { return m_mode == store; }
    bool IsLoading() const { return m_mode == load; }
    CFile& GetFile() const { return m_file; }

private:
    CFile& m_file;
    Mode m_mode;
};
