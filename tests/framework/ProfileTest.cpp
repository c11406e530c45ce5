// The per-user profile: values come back as they were written; a missing
// value, or one of the wrong type or size, gives the caller's default.
#include "TestApp.h"

#include "framework/WinApp.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>
#include <vector>

namespace {

class ProfileTest : public ::testing::Test {
protected:
    CWinApp& App() { return *AfxGetApp(); }

    // Writes a raw value, bypassing the profile functions.
    void SetRaw(LPCSTR lpszEntry, DWORD dwType, const void* pData, DWORD nBytes) {
        HKEY hKey = m_profile.SectionKey("Raw");
        ASSERT_NE(nullptr, hKey);
        EXPECT_EQ(ERROR_SUCCESS,
                  RegSetValueExA(hKey, lpszEntry, 0, dwType, static_cast<const BYTE*>(pData), nBytes));
        RegCloseKey(hKey);
    }

    std::vector<BYTE> GetBinary(LPCSTR lpszSection, LPCSTR lpszEntry, BOOL* pbFound) {
        LPBYTE pData = reinterpret_cast<LPBYTE>(1);
        UINT nBytes = 1234;
        *pbFound = App().GetProfileBinary(lpszSection, lpszEntry, &pData, &nBytes);
        std::vector<BYTE> bytes;
        if (*pbFound)
            bytes.assign(pData, pData + nBytes);
        else
            EXPECT_TRUE(pData == nullptr && nBytes == 0);
        delete[] pData;
        return bytes;
    }

    CPrivateProfile m_profile;
};

}  // namespace

TEST_F(ProfileTest, ValuesComeBackAsWritten) {
    for (int nValue : {0, 1, 42, -7, INT_MAX, INT_MIN}) {
        ASSERT_TRUE(App().WriteProfileInt("Settings", "Number", nValue));
        EXPECT_EQ(nValue, static_cast<int>(App().GetProfileInt("Settings", "Number", 5)));
    }

    std::string strLong(1000, 'x');
    for (const char* pszText : {"Tav", "", "\xE3\xE2\xEE\xBA\xFE", strLong.c_str()}) {
        ASSERT_TRUE(App().WriteProfileString("Settings", "Text", pszText));
        EXPECT_STREQ(pszText, App().GetProfileString("Settings", "Text", "default"));
    }

    // A window placement record, zero bytes included; and an empty value.
    WINDOWPLACEMENT wp = {sizeof(wp), 0, SW_SHOWMAXIMIZED, {-1, -1}, {0, 0}, {10, 20, 300, 400}};
    ASSERT_TRUE(App().WriteProfileBinary("Settings", "Placement", reinterpret_cast<LPBYTE>(&wp), sizeof(wp)));
    BOOL bFound = FALSE;
    std::vector<BYTE> bytes = GetBinary("Settings", "Placement", &bFound);
    ASSERT_TRUE(bFound);
    ASSERT_EQ(sizeof(wp), bytes.size());
    EXPECT_EQ(0, std::memcmp(&wp, bytes.data(), sizeof(wp)));
    BYTE none = 0;
    ASSERT_TRUE(App().WriteProfileBinary("Settings", "Empty", &none, 0));
    EXPECT_TRUE(GetBinary("Settings", "Empty", &bFound).empty());
    EXPECT_TRUE(bFound);

    // Each section keeps its own values.
    ASSERT_TRUE(App().WriteProfileInt("Other", "Number", 3));
    EXPECT_EQ(3u, App().GetProfileInt("Other", "Number", 0));
    EXPECT_EQ(static_cast<UINT>(INT_MIN), App().GetProfileInt("Settings", "Number", 0));
}

TEST_F(ProfileTest, MissingValuesGiveTheDefaults) {
    EXPECT_EQ(17u, App().GetProfileInt("Nowhere", "Number", 17));
    EXPECT_STREQ("fallback", App().GetProfileString("Nowhere", "Text", "fallback"));
    EXPECT_STREQ("", App().GetProfileString("Nowhere", "Text"));
    BOOL bFound = TRUE;
    GetBinary("Nowhere", "Bytes", &bFound);
    EXPECT_FALSE(bFound);

    // Removed values and removed sections are missing again.
    ASSERT_TRUE(App().WriteProfileString("Settings", "Text", "gone soon"));
    ASSERT_TRUE(App().WriteProfileInt("Settings", "Number", 8));
    ASSERT_TRUE(App().WriteProfileString("Settings", "Text", nullptr));
    EXPECT_STREQ("fallback", App().GetProfileString("Settings", "Text", "fallback"));
    EXPECT_EQ(8u, App().GetProfileInt("Settings", "Number", 0));
    ASSERT_TRUE(App().WriteProfileString("Settings", nullptr, nullptr));
    EXPECT_EQ(0u, App().GetProfileInt("Settings", "Number", 0));
}

TEST_F(ProfileTest, ValueOfTheWrongTypeOrSizeCountsAsMissing) {
    DWORD dwSeven = 7;
    BYTE eight[8] = {1, 0, 0, 0, 0, 0, 0, 0};
    SetRaw("StringNotNumber", REG_SZ, "5", 2);
    SetRaw("ShortNumber", REG_DWORD, &dwSeven, 3);
    SetRaw("LongNumber", REG_DWORD, eight, 8);
    SetRaw("BytesNotNumber", REG_BINARY, &dwSeven, 4);
    SetRaw("NumberNotString", REG_DWORD, &dwSeven, 4);
    SetRaw("StringNotBytes", REG_SZ, "abc", 4);
    SetRaw("Number", REG_DWORD, &dwSeven, 4);
    for (LPCSTR lpszEntry : {"StringNotNumber", "ShortNumber", "LongNumber", "BytesNotNumber"})
        EXPECT_EQ(9u, App().GetProfileInt("Raw", lpszEntry, 9)) << lpszEntry;
    EXPECT_EQ(7u, App().GetProfileInt("Raw", "Number", 9));
    EXPECT_STREQ("default", App().GetProfileString("Raw", "NumberNotString", "default"));
    BOOL bFound = TRUE;
    GetBinary("Raw", "StringNotBytes", &bFound);
    EXPECT_FALSE(bFound);

    // A string stored without its terminating zero still reads whole.
    SetRaw("Unterminated", REG_SZ, "abc", 3);
    EXPECT_STREQ("abc", App().GetProfileString("Raw", "Unterminated", "default"));
}
