// Feeds any bytes to the roster loader. A file of the record's size must load byte for byte and
// save back unchanged; any other file must fail and leave the roster on screen as it was.
#include "FuzzCheck.h"
#include "MemoryFile.h"
#include "doc/CZelDoc.h"
#include "platform/CArchive.h"
#include "platform/MessageBox.h"

#include <cstring>
#include <memory>
#include <string>

namespace {

std::string RecordBytes(const RosterRecord& record) {
    return std::string(reinterpret_cast<const char*>(&record), sizeof record);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // The loader's complaints are expected here; printing each would slow the run.
    SetMessageBoxHandler([](const std::string&, UINT) { return IDOK; });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    auto doc = std::make_unique<CZelDoc>();
    std::memset(doc->m_record.comment, 'C', sizeof doc->m_record.comment);
    const std::string before = RecordBytes(doc->m_record);

    MemoryFile source(input);
    CArchive loading(source, CArchive::load);
    const bool loaded = doc->Serialize(loading);

    FUZZ_CHECK(loaded == (size == sizeof(RosterRecord)));
    if (!loaded) {
        FUZZ_CHECK(RecordBytes(doc->m_record) == before);
        return 0;
    }
    FUZZ_CHECK(RecordBytes(doc->m_record) == input);

    MemoryFile target;
    CArchive storing(target, CArchive::store);
    FUZZ_CHECK(doc->Serialize(storing));
    FUZZ_CHECK(target.Bytes() == input);
    return 0;
}
