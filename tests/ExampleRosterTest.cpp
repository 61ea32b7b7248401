#include "doc/ExampleRoster.h"

#include "doc/CDateUtil.h"

#include <gtest/gtest.h>
#include <memory>
#include <set>

namespace {

// Every code of the example is a defined duty, and every text fits its field whole.
TEST(ExampleRoster, IsConsistentForEveryMonthLength) {
    for (const auto& [year, month] : {std::pair{2026, 12}, {2027, 2}, {2028, 2}, {2027, 4}}) {
        auto record = std::make_unique<RosterRecord>();
        std::memset(record.get(), 0x55, sizeof(RosterRecord));
        FillExampleRoster(*record, year, month);
        EXPECT_EQ(record->version, 2);
        char date[16];
        std::snprintf(date, sizeof date, "%04X%02X01", year, month);
        EXPECT_EQ(FieldText(record->dateText), date);

        std::set<std::string> duties;
        for (const auto& abbrev : record->duty.abbrev) {
            if (!FieldText(abbrev).empty())
                duties.insert(FieldText(abbrev));
        }
        ASSERT_GE(duties.size(), 5u);

        const int days = CDateUtil().GetDaysInMonth(year, month);
        int named = 0;
        for (const StaffRow& row : record->staff) {
            if (FieldText(row.name).empty())
                continue;
            ++named;
            for (int day = 1; day <= 31; ++day) {
                const std::string code = FieldText(row.dayCode[day - 1]);
                if (day <= days)
                    EXPECT_TRUE(duties.count(code)) << code << " on day " << day;
                else
                    EXPECT_EQ(code, "") << "no code past the end of the month";
            }
        }
        EXPECT_GT(named, 20);
        EXPECT_LE(named, 40) << "fits the first printed page";
        EXPECT_EQ(record->reserved[0], 0) << "the whole record is built";
    }
}

} // namespace
