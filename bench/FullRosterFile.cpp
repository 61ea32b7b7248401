// Saves the largest roster (80 named rows, every day coded, 80 duties) to FILE, through the
// program's own save, for the whole-process figures of scripts/bench.sh.
#include "RecordFixture.h"
#include "doc/CZelDoc.h"

#include <cstdio>
#include <memory>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FILE.vkt\n", argv[0]);
        return 2;
    }
    auto doc = std::make_unique<CZelDoc>();
    FillFullRoster(doc->m_record);
    return doc->OnSaveDocument(argv[1]) ? 0 : 1;
}
