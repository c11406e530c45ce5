#include "dictionary/TavDoc.h"

#include "app/TavApp.h"
#include "dictionary/DictionaryEdits.h"
#include "dictionary/DictionaryFormat.h"
#include "dictionary/DictionaryPaths.h"
#include "frame/MainFrame.h"
#include "framework/Controls.h"
#include "framework/StdioFile.h"
#include "res/resource.h"
#include "widgets/ProgressBar.h"

#include <vector>

IMPLEMENT_DYNCREATE(CTavDoc, CDocument)

BEGIN_MESSAGE_MAP(CTavDoc, CDocument)
ON_COMMAND(ID_FILE_NEW, OnFileNew)
ON_COMMAND(ID_FILE_OPEN, OnFileOpen)
ON_COMMAND(ID_FILE_SAVE, OnFileSave)
END_MESSAGE_MAP()

namespace {

// Files with more lines than this show a progress bar while they load.
const int kProgressThreshold = 3000;
// Room for a file that grows after it was counted.
const int kProgressReserve = 500;

// The status text of a failure: the exception's own text, as long as the
// status bar takes it.
CString TakeErrorText(CException* e) {
    char text[255] = {};
    e->GetErrorMessage(text, sizeof(text));
    e->Delete();
    return CString(text);
}

}  // namespace

CTavDoc::CTavDoc() : m_nRoProgressMax(0), m_nEnProgressMax(0), m_listLines(10) {}

CTavDoc::~CTavDoc() = default;

CMainFrame* CTavDoc::GetMainFrame() {
    CWinThread* pThread = AfxGetThread();
    return pThread ? DynamicDowncast<CMainFrame>(pThread->GetMainWnd()) : nullptr;
}

void CTavDoc::SetStatusText(LPCSTR lpszText) {
    if (CMainFrame* pFrame = GetMainFrame())
        pFrame->SetMessageText(lpszText);
}

BOOL CTavDoc::OnNewDocument() {
    if (!CDocument::OnNewDocument())
        return FALSE;
    CountLines();
    LoadDictionary(theApp.m_nDirection, "Loading ...");
    return TRUE;
}

void CTavDoc::OnCloseDocument() {
    m_listLines.RemoveAll();
    CDocument::OnCloseDocument();
}

void CTavDoc::CountLines() {
    for (int nDirection = 0; nDirection <= 1; ++nDirection) {
        CString strPath = GetProgramFilePath(GetDictionaryFileName(nDirection));
        CStdioFile file;
        int nCount = 0;
        if (file.Open(strPath, CFile::modeRead | CFile::typeText)) {
            try {
                CString strLine;
                while (file.ReadString(strLine))
                    ++nCount;
            } catch (CException* e) {
                e->Delete();  // the count so far stands
            }
            file.Abort();
        }
        if (nCount > kProgressThreshold)
            (nDirection ? m_nRoProgressMax : m_nEnProgressMax) = nCount + kProgressReserve;
    }
}

BOOL CTavDoc::LoadDictionary(int nDirection, CString strStatusText) {
    CString strPath = GetProgramFilePath(GetDictionaryFileName(nDirection));
    int nMax = nDirection ? m_nRoProgressMax : m_nEnProgressMax;
    m_listLines.RemoveAll();

    CMainFrame* pFrame = GetMainFrame();
    CListBox wordList(pFrame ? pFrame->GetWordList()->m_hWnd : nullptr);
    CString strError;
    {
        CProgressBar progress(strStatusText, nMax > 1000 ? 35 : 0, nMax, false, 0, nullptr);
        CStdioFile file;
        if (!file.Open(strPath, CFile::modeRead | CFile::typeText)) {
            strError = "Can not open database";
        } else {
            try {
                CString strLine;
                while (file.ReadString(strLine)) {
                    if (strLine.IsEmpty())
                        continue;
                    std::string_view head = dictionary::HeadWord(strLine.Str());
                    if (wordList.m_hWnd)
                        wordList.AddString(std::string(head).c_str());
                    m_listLines.AddTail(std::move(strLine));
                    progress.StepIt();
                }
                file.Close();
            } catch (CException* e) {
                strError = TakeErrorText(e);
                file.Abort();
            }
        }
    }  // the progress bar goes, and the status pane shows its idle text again
    if (!strError.IsEmpty()) {
        SetStatusText(strError);
        return FALSE;
    }
    return TRUE;
}

void CTavDoc::ShowTranslations() {
    CMainFrame* pFrame = GetMainFrame();
    if (!pFrame)
        return;
    CListBox wordList(pFrame->GetWordList()->m_hWnd);
    CListBox translationList(pFrame->GetTranslationList()->m_hWnd);
    int nSelected = wordList.GetCurSel();
    if (nSelected < 0)
        return;
    translationList.ResetContent();
    CString strWord;
    wordList.GetText(nSelected, strWord);

    CStringArray arrTranslations;
    for (POSITION pos = m_listLines.GetHeadPosition(); pos;) {
        const CString& strLine = m_listLines.GetNext(pos);
        if (!strLine.IsEmpty() && dictionary::HeadWord(strLine.Str()) == strWord.Str())
            arrTranslations.Add(CString(std::string(dictionary::Translations(strLine.Str()))));
    }
    CStringArray arrItems;
    for (const CString& strTranslations : arrTranslations) {
        Split(strTranslations, "|", arrItems);
        for (const CString& strItem : arrItems)
            translationList.AddString(strItem);
        arrItems.RemoveAll();
    }
}

int CTavDoc::Split(CString strText, CString strSeparator, CStringArray& arrParts) {
    std::vector<std::string> parts;
    dictionary::Split(strText.Str(), strSeparator.Str(), parts);
    for (std::string& part : parts)
        arrParts.Add(CString(std::move(part)));
    return static_cast<int>(arrParts.GetSize());
}

BOOL CTavDoc::AddWord(CString strWord, CString strTranslations) {
    CString strError;
    CString strPath = GetProgramFilePath(GetDictionaryFileName(theApp.m_nDirection));
    if (AppendEntry(strPath, strWord, strTranslations, strError))
        return TRUE;
    SetStatusText(strError);
    return FALSE;
}

BOOL CTavDoc::ModifyWord(CString strWord, CString strTranslations) {
    CString strError;
    CString strPath = GetProgramFilePath(GetDictionaryFileName(theApp.m_nDirection));
    if (ReplaceEntry(strPath, GetProgramFilePath(kTempFileName), strWord, strTranslations, strError))
        return TRUE;
    SetStatusText(strError);
    return FALSE;
}

BOOL CTavDoc::DeleteWord(CString strWord) {
    CString strError;
    CString strPath = GetProgramFilePath(GetDictionaryFileName(theApp.m_nDirection));
    if (RemoveEntry(strPath, GetProgramFilePath(kTempFileName), strWord, strError))
        return TRUE;
    SetStatusText(strError);
    return FALSE;
}

void CTavDoc::OnFileNew() {
    SetStatusText("This application can not create new documents");
}
void CTavDoc::OnFileOpen() {
    SetStatusText("This application can not open documents");
}
void CTavDoc::OnFileSave() {
    SetStatusText("This application can not save documents");
}
