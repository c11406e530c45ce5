#include "DialogDriver.h"
#include "ProgramFixture.h"

#include "dictionary/AddModDlg.h"
#include "res/resource.h"

namespace {

bool IsEnabled(HWND hDlg, int nID) {
    return IsWindowEnabled(GetDlgItem(hDlg, nID)) != FALSE;
}

void SetText(HWND hDlg, int nID, const char* text) {
    TypeText(hDlg, nID, text);
}

}  // namespace

using AddModDlgTest = ProgramTest;

TEST_F(AddModDlgTest, AddModeLabelsAndTheOkButtonRule) {
    std::string caption, label, labelRo;
    bool okAtStart = true, okWordOnly = true, okBoth = false, okCleared = true;
    HWND hFocusAtStart = nullptr, hWordBox = nullptr;
    CAddModDlg dlg(0);
    DialogDriver driver(nullptr, {
                                     [&](HWND h) {
                                         char text[64];
                                         GetWindowTextA(h, text, sizeof(text));
                                         caption = text;
                                         label = DlgText(h, IDC_WORD_LABEL);
                                         okAtStart = IsEnabled(h, IDOK);
                                         hFocusAtStart = GetFocus();
                                         hWordBox = GetDlgItem(h, IDC_WORD);
                                         SetText(h, IDC_WORD, "house");
                                         okWordOnly = IsEnabled(h, IDOK);
                                         SetText(h, IDC_TRANSLATIONS, "cas\xE3, locuin\xFE\xE3");
                                         okBoth = IsEnabled(h, IDOK);
                                         SetText(h, IDC_WORD, "");
                                         okCleared = IsEnabled(h, IDOK);
                                         SetText(h, IDC_WORD, "house");
                                         ClickButton(h, IDOK);
                                     },
                                 });
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ("Add new word", caption);
    EXPECT_EQ("Word to add in english", label);
    EXPECT_FALSE(okAtStart);
    EXPECT_EQ(hWordBox, hFocusAtStart);
    EXPECT_FALSE(okWordOnly);
    EXPECT_TRUE(okBoth);
    EXPECT_FALSE(okCleared);
    EXPECT_EQ(CString("house"), dlg.m_strWord);
    EXPECT_EQ(CString("cas\xE3, locuin\xFE\xE3"), dlg.m_strTranslations);  // nothing trimmed or converted

    CAddModDlg dlgRo(1);
    DialogDriver driverRo(nullptr, {[&](HWND h) {
                              labelRo = DlgText(h, IDC_WORD_LABEL);
                              ClickButton(h, IDCANCEL);
                          }});
    EXPECT_EQ(IDCANCEL, dlgRo.DoModal());
    EXPECT_EQ("Word to add in romanian", labelRo);
}

TEST_F(AddModDlgTest, ChangeModeKeepsTheWordAndWaitsForAnEdit) {
    std::string caption, label, word, translations;
    bool wordEnabled = true, okAtStart = true, okAfterEdit = false;
    HWND hFocus = nullptr, hTranslations = nullptr;
    CAddModDlg dlg(0, "house", "casa,locuinta");
    DialogDriver driver(nullptr, {[&](HWND h) {
                            char text[64];
                            GetWindowTextA(h, text, sizeof(text));
                            caption = text;
                            label = DlgText(h, IDC_WORD_LABEL);
                            word = DlgText(h, IDC_WORD);
                            translations = DlgText(h, IDC_TRANSLATIONS);
                            wordEnabled = IsEnabled(h, IDC_WORD);
                            okAtStart = IsEnabled(h, IDOK);
                            hFocus = GetFocus();
                            hTranslations = GetDlgItem(h, IDC_TRANSLATIONS);
                            SetText(h, IDC_TRANSLATIONS, "casa,locuinta,camin");
                            okAfterEdit = IsEnabled(h, IDOK);
                            PostKey(GetFocus(), VK_ESCAPE);
                        }});
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_EQ("Change word translation", caption);
    EXPECT_EQ("Word to change :", label);
    EXPECT_EQ("house", word);
    EXPECT_EQ("casa,locuinta", translations);
    EXPECT_FALSE(wordEnabled);
    EXPECT_FALSE(okAtStart);
    EXPECT_EQ(hTranslations, hFocus);
    EXPECT_TRUE(okAfterEdit);
}

TEST_F(AddModDlgTest, EnterMovesOnThenAcceptsAndTheCloseBoxGivesZero) {
    HWND hFocusAfterEnter = nullptr, hTranslations = nullptr;
    CAddModDlg dlg(0);
    DialogDriver driver(nullptr, {
                                     [&](HWND h) {
                                         SetText(h, IDC_WORD, "house");
                                         SetFocus(GetDlgItem(h, IDC_WORD));
                                         PostKey(GetDlgItem(h, IDC_WORD), VK_RETURN);
                                     },
                                     [&](HWND h) {
                                         hFocusAfterEnter = GetFocus();
                                         hTranslations = GetDlgItem(h, IDC_TRANSLATIONS);
                                         SetText(h, IDC_TRANSLATIONS, "casa");
                                         PostKey(hTranslations, VK_RETURN);  // the default button
                                     },
                                 });
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(hTranslations, hFocusAfterEnter);
    EXPECT_EQ(CString("casa"), dlg.m_strTranslations);

    CAddModDlg closed(0);
    DialogDriver closer(nullptr, {[&](HWND h) { PostMessageA(h, WM_SYSCOMMAND, SC_CLOSE, 0); }});
    EXPECT_EQ(0, closed.DoModal());
}
