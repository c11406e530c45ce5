// When the program updates its dictionaries by itself: the last attempt
// must lie ten days back on Mondays, Wednesdays and Fridays, eleven on the
// other days, or be unknown.
#pragma once

#include "framework/OleDateTime.h"

// lastUpdate is the stored "LastUpdate" text (empty when missing).
BOOL IsAutomaticUpdateDue(LPCSTR lpszLastUpdate, const COleDateTime& now);

// The rule itself: days since the last attempt (cut toward zero) against
// 10 plus the remainder of the weekday (1 = Sunday ... 7 = Saturday) by 2.
inline BOOL IsUpdateAgeDue(long nAgeDays, int nDayOfWeek) {
    return nAgeDays >= 10 + nDayOfWeek % 2;
}
