// COleDateTime: a local date and time as the system's variant date (days
// since 30 December 1899, the time as the fraction), with parsing in the
// user's locale and strftime-style formatting.
#pragma once

#include "framework/String.h"

class COleDateTimeSpan {
public:
    explicit COleDateTimeSpan(double dSpan = 0) : m_span(dSpan) {}
    // Whole days, cut toward zero.
    LONG GetDays() const { return static_cast<LONG>(m_span); }
    double m_span;
};

class COleDateTime {
public:
    enum DateTimeStatus { valid = 0, invalid = 1 };

    COleDateTime() = default;
    COleDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec);
    explicit COleDateTime(const SYSTEMTIME& st);

    static COleDateTime GetCurrentTime();
    // Reads a date (and time) as the user would write it; FALSE and an
    // invalid value when it cannot. dwFlags as VarDateFromStr takes them
    // (VAR_DATEVALUEONLY: the date at midnight).
    BOOL ParseDateTime(LPCSTR lpszDate, DWORD dwFlags = 0, LCID lcid = LANG_USER_DEFAULT);
    // strftime-style: %Y %m %d %H %M %S and the others the C runtime knows.
    CString Format(LPCSTR lpszFormat) const;

    int GetDayOfWeek() const;  // 1 = Sunday ... 7 = Saturday
    BOOL GetAsSystemTime(SYSTEMTIME& st) const;

    COleDateTimeSpan operator-(const COleDateTime& other) const {
        return COleDateTimeSpan(m_dt - other.m_dt);
    }
    COleDateTime operator+(const COleDateTimeSpan& span) const;

    double m_dt = 0;
    DateTimeStatus m_status = valid;
};
