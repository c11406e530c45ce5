#include "app/UpdateSchedule.h"

#include <oleauto.h>

BOOL IsAutomaticUpdateDue(LPCSTR lpszLastUpdate, const COleDateTime& now) {
    COleDateTime last;
    // Only the date counts: the stored time of day is not read.
    if (!lpszLastUpdate || !*lpszLastUpdate ||
        !last.ParseDateTime(lpszLastUpdate, VAR_DATEVALUEONLY, LOCALE_USER_DEFAULT))
        return TRUE;
    return IsUpdateAgeDue((now - last).GetDays(), now.GetDayOfWeek());
}
