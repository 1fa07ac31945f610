#include <gtest/gtest.h>

#include <chrono>

#include "platform/date_value.h"

namespace qs::platform {
namespace {

struct SerialCase {
    int year, month, day;
    long long serial;
};

std::ostream& operator<<(std::ostream& out, const SerialCase& c) {
    return out << c.year << '-' << c.month << '-' << c.day;
}

class DaySerialTable : public ::testing::TestWithParam<SerialCase> {};

TEST_P(DaySerialTable, CountsDaysFromTheLastDaysOf1899) {
    const SerialCase& c = GetParam();
    EXPECT_EQ(DaySerial(c.year, c.month, c.day), c.serial) << c.year << "-" << c.month << "-" << c.day;
}

// Serials as the classic date type counts them (day 0 = 30 December 1899).
INSTANTIATE_TEST_SUITE_P(Days, DaySerialTable,
                         ::testing::Values(SerialCase{1899, 12, 30, 0}, SerialCase{1899, 12, 31, 1},
                                           SerialCase{1900, 1, 1, 2}, SerialCase{1900, 3, 1, 61},
                                           SerialCase{1970, 1, 1, 25569}, SerialCase{2000, 2, 29, 36585},
                                           SerialCase{2000, 3, 1, 36586}, SerialCase{2024, 12, 31, 45657},
                                           SerialCase{9999, 12, 31, 2958465}, SerialCase{1899, 12, 29, -1}));

// Every day of 1600..2400 follows the day before: walking the calendar with the
// civil-day count of std::chrono checks leap years and month lengths independently.
TEST(DaySerialWalk, AgreesWithTheStandardCalendar) {
    using namespace std::chrono;
    const sys_days epoch = year{1899} / December / 30;
    for (sys_days d = year{1600} / January / 1; d <= sys_days{year{2400} / December / 31}; d += days{1}) {
        const year_month_day ymd{d};
        const long long expected = (d - epoch).count();
        ASSERT_EQ(DaySerial(int(ymd.year()), unsigned(ymd.month()), unsigned(ymd.day())), expected);
    }
}

TEST(DateValue, AddsTheTimeOfDayAsAFraction) {
    EXPECT_DOUBLE_EQ(DateValue(1899, 12, 30, 12, 0, 0), 0.5);
    EXPECT_DOUBLE_EQ(DateValue(2000, 1, 1, 6, 0, 0), 36526.25);
    EXPECT_DOUBLE_EQ(DateValue(2024, 3, 1, 23, 59, 59), 45352.0 + 86399.0 / 86400.0);
}

TEST(SecondsOfDay, CountsMillisecondsAsAFraction) {
    EXPECT_DOUBLE_EQ(SecondsOfDay(0, 0, 0, 0), 0.0);
    EXPECT_DOUBLE_EQ(SecondsOfDay(1, 2, 3, 500), 3723.5);
    EXPECT_DOUBLE_EQ(SecondsOfDay(23, 59, 59, 999), 86399.999);
}

} // namespace
} // namespace qs::platform
