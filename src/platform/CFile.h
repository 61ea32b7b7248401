#pragma once
// Byte access to a document's file. The document reads and writes through this interface so
// that loading can be tested on any source, short reads included.
#include <cstddef>
#include <cstdint>

class CFile {
public:
    virtual ~CFile() = default;
    virtual std::uint64_t GetLength() const = 0;
    // Returns the number of bytes read; fewer than asked means end of file or an error.
    virtual std::size_t Read(void* buffer, std::size_t count) = 0;
    // Returns false when not every byte could be written.
    virtual bool Write(const void* buffer, std::size_t count) = 0;
};
