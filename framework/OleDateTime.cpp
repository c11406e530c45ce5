#include "framework/OleDateTime.h"

#include <oleauto.h>

#include <cmath>
#include <ctime>
#include <vector>

COleDateTime::COleDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec) {
    SYSTEMTIME st = {static_cast<WORD>(nYear),
                     static_cast<WORD>(nMonth),
                     0,
                     static_cast<WORD>(nDay),
                     static_cast<WORD>(nHour),
                     static_cast<WORD>(nMin),
                     static_cast<WORD>(nSec),
                     0};
    m_status = SystemTimeToVariantTime(&st, &m_dt) ? valid : invalid;
}

COleDateTime::COleDateTime(const SYSTEMTIME& st) {
    SYSTEMTIME copy = st;
    copy.wMilliseconds = 0;
    m_status = SystemTimeToVariantTime(&copy, &m_dt) ? valid : invalid;
}

COleDateTime COleDateTime::GetCurrentTime() {
    SYSTEMTIME st;
    GetLocalTime(&st);
    return COleDateTime(st);
}

BOOL COleDateTime::ParseDateTime(LPCSTR lpszDate, DWORD dwFlags, LCID lcid) {
    m_dt = 0;
    m_status = invalid;
    if (!lpszDate || !*lpszDate)
        return FALSE;
    int nWide = MultiByteToWideChar(CP_ACP, 0, lpszDate, -1, nullptr, 0);
    if (nWide <= 0)
        return FALSE;
    std::vector<WCHAR> wide(static_cast<size_t>(nWide));
    MultiByteToWideChar(CP_ACP, 0, lpszDate, -1, wide.data(), nWide);
    DATE date = 0;
    if (FAILED(VarDateFromStr(wide.data(), lcid, dwFlags, &date)))
        return FALSE;
    m_dt = date;
    m_status = valid;
    return TRUE;
}

BOOL COleDateTime::GetAsSystemTime(SYSTEMTIME& st) const {
    return m_status == valid && VariantTimeToSystemTime(m_dt, &st);
}

int COleDateTime::GetDayOfWeek() const {
    SYSTEMTIME st;
    return GetAsSystemTime(st) ? st.wDayOfWeek + 1 : -1;
}

COleDateTime COleDateTime::operator+(const COleDateTimeSpan& span) const {
    COleDateTime result(*this);
    result.m_dt += span.m_span;
    return result;
}

CString COleDateTime::Format(LPCSTR lpszFormat) const {
    SYSTEMTIME st;
    if (!GetAsSystemTime(st))
        return CString();
    std::tm tm = {};
    tm.tm_year = st.wYear - 1900;
    tm.tm_mon = st.wMonth - 1;
    tm.tm_mday = st.wDay;
    tm.tm_hour = st.wHour;
    tm.tm_min = st.wMinute;
    tm.tm_sec = st.wSecond;
    tm.tm_wday = st.wDayOfWeek;
    char buffer[256];
    size_t n = std::strftime(buffer, sizeof(buffer), lpszFormat, &tm);
    return CString(buffer, static_cast<int>(n));
}
