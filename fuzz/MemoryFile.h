#pragma once
// A file held in memory, so the loader can be fed any bytes without touching the disk.
#include "platform/CFile.h"

#include <string>
#include <string_view>

class MemoryFile : public CFile {
public:
    explicit MemoryFile(std::string_view bytes = {}) : m_bytes(bytes) {}

    std::uint64_t GetLength() const override { return m_bytes.size(); }
    std::size_t Read(void* buffer, std::size_t count) override;
    bool Write(const void* buffer, std::size_t count) override;

    const std::string& Bytes() const { return m_bytes; }

private:
    std::string m_bytes;
    std::size_t m_position = 0;
};
