// Writes valid roster files into a folder, the loader fuzzer's starting corpus: without them
// nearly every input it makes up fails the size check.
#include "RecordFixture.h"
#include "doc/CZelDoc.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>

namespace {

bool WriteRecord(const std::string& path, const RosterRecord& record) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(&record), sizeof record);
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    auto doc = std::make_unique<CZelDoc>();
    bool written = WriteRecord(folder + "/empty.vkt", doc->m_record);

    FillFullRoster(doc->m_record);
    written = WriteRecord(folder + "/full.vkt", doc->m_record) && written;

    doc->m_record.version = 1;
    written = WriteRecord(folder + "/old-version.vkt", doc->m_record) && written;

    doc->m_record.version = kRecordVersion;
    std::memset(doc->m_record.staff[0].name, 0x82, sizeof doc->m_record.staff[0].name);
    std::memset(doc->m_record.comment, 0xFF, sizeof doc->m_record.comment);
    written = WriteRecord(folder + "/unterminated.vkt", doc->m_record) && written;
    return written ? 0 : 1;
}
