#pragma once
// The roster record, which is also the .vkt file: 41,660 bytes, no padding, little-endian.
// Staff rows and duty entries are numbered 1 to 80 by the user; the arrays count from 0.
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "platform/SjisText.h"

inline constexpr int kStaffRows = 80;
inline constexpr int kDays = 31;
inline constexpr int kDutyEntries = 80;
inline constexpr std::uint16_t kRecordVersion = 2;

#pragma pack(push, 1)

struct StaffRow {
    char name[11];
    char dayCode[kDays][5];
    std::uint8_t underline; // 1 = line under the row
    std::uint8_t reserved[255];
};

// Stored column by column: all abbreviations, then all names, and so on.
struct DutyTable {
    char abbrev[kDutyEntries][5];
    char name[kDutyEntries][21];
    char work[kDutyEntries][21];
    char remarks[kDutyEntries][21];
    char printPage[kDutyEntries][5]; // " ", "1", "2", "1-2" or empty
    std::uint8_t underline[kDutyEntries];
};

struct RosterRecord {
    std::uint16_t version;
    char dateText[10]; // "%04X%02X%02X" of year, month, day
    StaffRow staff[kStaffRows];
    DutyTable duty;
    char comment[40]; // not terminated when all 40 bytes are text
    std::uint8_t reserved[1928];
};

#pragma pack(pop)

static_assert(std::endian::native == std::endian::little, "the record is stored little-endian");
static_assert(sizeof(StaffRow) == 422);
static_assert(offsetof(StaffRow, dayCode) == 11);
static_assert(offsetof(StaffRow, underline) == 166);
static_assert(offsetof(StaffRow, reserved) == 167);
static_assert(sizeof(DutyTable) == 5920);
static_assert(sizeof(RosterRecord) == 41660);
static_assert(offsetof(RosterRecord, dateText) == 2);
static_assert(offsetof(RosterRecord, staff) == 12);
static_assert(offsetof(RosterRecord, duty) + offsetof(DutyTable, abbrev) == 33772);
static_assert(offsetof(RosterRecord, duty) + offsetof(DutyTable, name) == 34172);
static_assert(offsetof(RosterRecord, duty) + offsetof(DutyTable, work) == 35852);
static_assert(offsetof(RosterRecord, duty) + offsetof(DutyTable, remarks) == 37532);
static_assert(offsetof(RosterRecord, duty) + offsetof(DutyTable, printPage) == 39212);
static_assert(offsetof(RosterRecord, duty) + offsetof(DutyTable, underline) == 39612);
static_assert(offsetof(RosterRecord, comment) == 39692);
static_assert(offsetof(RosterRecord, reserved) == 39732);

// The text of a NUL-terminated field: its bytes up to the first NUL, never past the field.
template <std::size_t N>
std::string FieldText(const char (&field)[N]) {
    return std::string(field, strnlen(field, N));
}

// Stores text into a field of N bytes: cut to N - 1 bytes on a whole character, NUL-terminated,
// the rest zero. Returns the bytes actually stored.
// The part of text that a terminated field of fieldWidth bytes can hold.
inline std::string_view FitFieldText(std::string_view text, std::size_t fieldWidth) {
    return sjis::FitPrefix(text.substr(0, text.find('\0')), fieldWidth - 1);
}

template <std::size_t N>
std::string StoreFieldText(char (&field)[N], std::string_view text) {
    const std::string_view fitted = FitFieldText(text, N);
    std::memset(field, 0, N);
    std::memcpy(field, fitted.data(), fitted.size());
    return std::string(fitted);
}

// Stores text into a field unless the field holds it already: fields written back unchanged
// (a paste or the duty dialog's OK store every cell) keep their bytes, also those after the
// terminator. Returns the bytes the field now holds as text.
template <std::size_t N>
std::string StoreChangedFieldText(char (&field)[N], std::string_view text) {
    const std::string_view fitted = FitFieldText(text, N);
    if (FieldText(field) == fitted)
        return std::string(fitted);
    return StoreFieldText(field, fitted);
}
