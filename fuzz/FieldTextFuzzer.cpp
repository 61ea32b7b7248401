// Stores any text into the record's field widths between guard bytes: nothing may be written
// past a field, the stored text is terminated and is the longest whole-character cut.
#include "FuzzCheck.h"
#include "SjisBoundary.h"
#include "doc/RosterRecord.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

constexpr unsigned char kGuard = 0xA5;

template <std::size_t N>
struct GuardedField {
    unsigned char before[16];
    char field[N];
    unsigned char after[16];
};

template <std::size_t N>
void CheckStore(std::string_view text) {
    GuardedField<N> guarded;
    std::memset(&guarded, kGuard, sizeof guarded);
    const std::string stored = StoreFieldText(guarded.field, text);

    const auto isGuard = [](unsigned char byte) { return byte == kGuard; };
    FUZZ_CHECK(std::all_of(std::begin(guarded.before), std::end(guarded.before), isGuard));
    FUZZ_CHECK(std::all_of(std::begin(guarded.after), std::end(guarded.after), isGuard));
    FUZZ_CHECK(stored.size() < N);
    FUZZ_CHECK(std::all_of(guarded.field + stored.size(), guarded.field + N,
                           [](char byte) { return byte == '\0'; }));
    FUZZ_CHECK(FieldText(guarded.field) == stored);
    FUZZ_CHECK(FitFieldText(text, N) == stored);

    const std::string_view untilNul = text.substr(0, text.find('\0'));
    FUZZ_CHECK(IsLongestFittingCut(untilNul, stored, N - 1));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    CheckStore<5>(input);  // day code, abbreviation, print page
    CheckStore<10>(input); // date text
    CheckStore<11>(input); // staff name
    CheckStore<21>(input); // duty name, work, remarks
    return 0;
}
