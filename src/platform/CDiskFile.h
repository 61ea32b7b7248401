#pragma once
// Files on disk: a reader that never blocks on special files, and an atomic writer that
// replaces the target only once every byte is safely written.
#include "platform/CFile.h"

#include <string>

class CDiskFile : public CFile {
public:
    CDiskFile() = default;
    ~CDiskFile() override;
    CDiskFile(const CDiskFile&) = delete;
    CDiskFile& operator=(const CDiskFile&) = delete;

    // Opens a regular file for reading; on failure returns false and errno-style code in Error().
    bool OpenForReading(const std::string& path);
    // Starts writing a temporary file beside path; Commit() renames it over path.
    bool OpenForWriting(const std::string& path);
    bool Commit();

    std::uint64_t GetLength() const override;
    std::size_t Read(void* buffer, std::size_t count) override;
    bool Write(const void* buffer, std::size_t count) override;

    int Error() const { return m_error; }

private:
    void Discard();

    int m_fd = -1;
    int m_error = 0;
    std::string m_targetPath;
    std::string m_tempPath;
};
