#include "MemoryFile.h"

#include <algorithm>
#include <cstring>

std::size_t MemoryFile::Read(void* buffer, std::size_t count) {
    const std::size_t available = std::min(count, m_bytes.size() - m_position);
    std::memcpy(buffer, m_bytes.data() + m_position, available);
    m_position += available;
    return available;
}

bool MemoryFile::Write(const void* buffer, std::size_t count) {
    m_bytes.append(static_cast<const char*>(buffer), count);
    return true;
}
