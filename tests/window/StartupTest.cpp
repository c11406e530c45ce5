#include "app/UpdateSchedule.h"

#include <gtest/gtest.h>

namespace {

COleDateTime At(int year, int month, int day, int hour = 0, int minute = 0) {
    return COleDateTime(year, month, day, hour, minute, 0);
}

}  // namespace

TEST(AutomaticUpdate, LimitDependsOnTheWeekday) {
    // 28 November 2026 is a Saturday.
    const char* lastUpdate = "2026-11-28 15:30:00";
    EXPECT_FALSE(IsAutomaticUpdateDue(lastUpdate, At(2026, 12, 7, 23, 59)));  // Monday: 9 < 10
    EXPECT_FALSE(IsAutomaticUpdateDue(lastUpdate, At(2026, 12, 8, 0, 1)));    // Tuesday: 10 < 11
    EXPECT_FALSE(IsAutomaticUpdateDue(lastUpdate, At(2026, 12, 8, 23, 59)));  // any hour of that day
    EXPECT_TRUE(IsAutomaticUpdateDue(lastUpdate, At(2026, 12, 9, 0, 5)));     // Wednesday: 11 >= 10
    EXPECT_TRUE(IsAutomaticUpdateDue(lastUpdate, At(2026, 12, 10, 12)));      // Thursday: 12 >= 11
    // Sunday, Tuesday, Thursday, Saturday ask for eleven days; the others ten.
    EXPECT_FALSE(IsUpdateAgeDue(10, 1));
    EXPECT_TRUE(IsUpdateAgeDue(11, 1));
    EXPECT_TRUE(IsUpdateAgeDue(10, 2));
    EXPECT_FALSE(IsUpdateAgeDue(10, 7));
}

TEST(AutomaticUpdate, UnknownLastUpdateIsDueAndAFutureOneIsNot) {
    EXPECT_TRUE(IsAutomaticUpdateDue("", At(2026, 12, 6)));
    EXPECT_TRUE(IsAutomaticUpdateDue(nullptr, At(2026, 12, 6)));
    EXPECT_TRUE(IsAutomaticUpdateDue("not a date", At(2026, 12, 6)));
    EXPECT_TRUE(IsAutomaticUpdateDue("2026-13-45 99:99:99", At(2026, 12, 6)));
    // A date in the future: negative age, never due until ten days after it.
    EXPECT_FALSE(IsAutomaticUpdateDue("2027-01-20 08:00:00", At(2026, 12, 6)));
    EXPECT_FALSE(IsAutomaticUpdateDue("2027-01-20 08:00:00", At(2027, 1, 29)));
    EXPECT_TRUE(IsAutomaticUpdateDue("2027-01-20 08:00:00", At(2027, 2, 1)));
}

TEST(OleDateTime, FormatsAsTheSettingsStoreIt) {
    COleDateTime when = At(2026, 3, 7, 9, 5);
    EXPECT_EQ(CString("2026-03-07 09:05:00"), when.Format("%Y-%m-%d %H:%M:%S"));
    EXPECT_EQ(7, when.GetDayOfWeek());  // a Saturday
}
