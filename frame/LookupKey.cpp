// The lookup key: from any program, the selected text (copied for the user,
// the clipboard then put back as it was) or else the clipboard's text is
// looked up in the window, which comes to the front.
#include "frame/LookupKey.h"

#include "dictionary/DictionaryLoad.h"
#include "dictionary/DictionaryPaths.h"
#include "dictionary/EnglishForms.h"
#include "dictionary/FormsFile.h"
#include "dictionary/LookupText.h"
#include "dictionary/TextFold.h"
#include "frame/MainFrame.h"
#include "frame/TavDoc.h"
#include "framework/CodePage.h"
#include "res/resource.h"

#include <string>
#include <utility>
#include <vector>

const char kLookupKeyName[] = "Ctrl+Shift+F11";

namespace {

// How long the program in front has to answer the copy key, and to let go
// of the clipboard.
const DWORD kCopyWaitMs = 600;
const DWORD kOpenWaitMs = 300;

// Opens the clipboard, waiting a little for a program that holds it.
bool OpenClipboardSoon(HWND hWnd) {
    const DWORD dwStart = ::GetTickCount();
    while (!::OpenClipboard(hWnd)) {
        if (::GetTickCount() - dwStart > kOpenWaitMs)
            return false;
        ::Sleep(10);
    }
    return true;
}

// Formats whose data is not a block of memory (bitmaps, metafiles, palettes,
// private handles) cannot be copied and put back; the clipboard offers a
// bitmap as CF_DIB too, which is kept.
bool IsMemoryFormat(UINT nFormat) {
    switch (nFormat) {
        case CF_BITMAP:
        case CF_METAFILEPICT:
        case CF_PALETTE:
        case CF_ENHMETAFILE:
        case CF_OWNERDISPLAY:
        case CF_DSPBITMAP:
        case CF_DSPMETAFILEPICT:
        case CF_DSPENHMETAFILE:
            return false;
        default:
            return !(nFormat >= CF_PRIVATEFIRST && nFormat <= CF_GDIOBJLAST);
    }
}

// What the clipboard held, format by format, to put back after the copy.
class CSavedClipboard {
public:
    // Call with the clipboard open.
    void Save() {
        for (UINT nFormat = ::EnumClipboardFormats(0); nFormat; nFormat = ::EnumClipboardFormats(nFormat)) {
            if (!IsMemoryFormat(nFormat))
                continue;
            HANDLE hData = ::GetClipboardData(nFormat);
            const void* pData = hData ? ::GlobalLock(hData) : nullptr;
            if (!pData)
                continue;
            auto pBytes = static_cast<const BYTE*>(pData);
            m_formats.emplace_back(nFormat, std::vector<BYTE>(pBytes, pBytes + ::GlobalSize(hData)));
            ::GlobalUnlock(hData);
        }
    }
    // Call with the clipboard open: empties it and puts everything back.
    void Restore() const {
        ::EmptyClipboard();
        for (const auto& format : m_formats) {
            HGLOBAL hData = ::GlobalAlloc(GMEM_MOVEABLE, format.second.size() ? format.second.size() : 1);
            void* pData = hData ? ::GlobalLock(hData) : nullptr;
            if (!pData) {
                if (hData)
                    ::GlobalFree(hData);
                continue;
            }
            std::copy(format.second.begin(), format.second.end(), static_cast<BYTE*>(pData));
            ::GlobalUnlock(hData);
            if (!::SetClipboardData(format.first, hData))
                ::GlobalFree(hData);
        }
    }

private:
    std::vector<std::pair<UINT, std::vector<BYTE>>> m_formats;
};

// The clipboard's text as UTF-16; call with the clipboard open.
std::u16string ClipboardText() {
    HANDLE hData = ::GetClipboardData(CF_UNICODETEXT);
    auto pText = hData ? static_cast<const char16_t*>(::GlobalLock(hData)) : nullptr;
    if (!pText)
        return std::u16string();
    size_t nMax = ::GlobalSize(hData) / sizeof(char16_t);
    size_t n = 0;
    while (n < nMax && pText[n])
        ++n;
    std::u16string text(pText, n);
    ::GlobalUnlock(hData);
    return text;
}

void AddKey(std::vector<INPUT>& inputs, WORD wVk, bool bUp) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = wVk;
    input.ki.dwFlags = bUp ? KEYEVENTF_KEYUP : 0;
    inputs.push_back(input);
}

// Ctrl+Insert for the program in front: edit controls, browsers, office
// programs and terminals all copy with it, and no terminal takes it for an
// interrupt, as it does Ctrl+C. The chord's own Shift (and any Alt or
// Windows key) is let go first: Shift+Insert would paste.
void SendCopyKey() {
    std::vector<INPUT> inputs;
    for (WORD wVk : {VK_LSHIFT, VK_RSHIFT, VK_LMENU, VK_RMENU, VK_LWIN, VK_RWIN, VK_LCONTROL, VK_RCONTROL}) {
        if (::GetAsyncKeyState(wVk) & 0x8000)
            AddKey(inputs, wVk, true);
    }
    AddKey(inputs, VK_CONTROL, false);
    AddKey(inputs, VK_INSERT, false);
    AddKey(inputs, VK_INSERT, true);
    AddKey(inputs, VK_CONTROL, true);
    ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// Waits for the clipboard to change from nSequence, answering the messages
// other programs send meanwhile (emptying the clipboard we own sends us one).
bool WaitForClipboardChange(DWORD nSequence) {
    const DWORD dwStart = ::GetTickCount();
    while (::GetTickCount() - dwStart < kCopyWaitMs) {
        if (::GetClipboardSequenceNumber() != nSequence)
            return true;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_SENDMESSAGE);
        MSG msg;
        ::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
    return ::GetClipboardSequenceNumber() != nSequence;
}

// The text selected in the program in front, or, when it copies nothing,
// the clipboard's text. The clipboard ends up holding what it held before.
std::u16string TakeTextFromFront(HWND hWnd) {
    CSavedClipboard saved;
    std::u16string before;
    if (OpenClipboardSoon(hWnd)) {
        saved.Save();
        before = ClipboardText();
        ::CloseClipboard();
    }
    const DWORD nSequence = ::GetClipboardSequenceNumber();
    SendCopyKey();
    if (!WaitForClipboardChange(nSequence))
        return before;
    // The copying program may still be putting its formats on the clipboard.
    std::u16string selected;
    if (OpenClipboardSoon(hWnd)) {
        selected = ClipboardText();
        saved.Restore();
        ::CloseClipboard();
    }
    return selected.empty() ? before : selected;
}

// What one direction's dictionary knows of a word: the word itself as a
// head word, or the word as a form of one of its head words. The direction
// the window shows is asked what the word box would find; the other one's
// files are read.
class DirectionKnowledge {
public:
    DirectionKnowledge(Direction direction, const CTavDoc* pDoc) : m_direction(direction) {
        if (pDoc && pDoc->LoadedDirection() == direction && pDoc->m_wordIndex.RowCount() > 0) {
            m_pIndex = &pDoc->m_wordIndex;
            m_pForms = &pDoc->m_forms;
            return;
        }
        const CFilePath path = GetProgramFilePath(GetDictionaryFileName(direction));
        CFile file;
        if (file.Open(path, CFile::modeRead | CFile::shareDenyNone | CFile::typeBinary))
            (void)ReadWholeFile(file, m_bytes);               // what could be read
        (void)LoadWordForms(FormsPathBeside(path), m_forms);  // no forms: the head word alone
    }

    bool HasHeadWord(std::string_view word) const {
        if (m_pIndex)
            return !word.empty() && m_pIndex->FindWhole(word) != dictionary::WordListIndex::npos;
        return dictionary::ContainsHeadWord(m_bytes, word, TextCaseFold());
    }

    bool HasForm(const std::string& word) const {
        for (std::string_view headWord : m_pForms->HeadWordsOf(word)) {
            if (HasHeadWord(headWord))
                return true;
        }
        if (IsRomanianEnglish(m_direction))
            return false;
        auto isHeadWord = [this](std::string_view candidate) { return HasHeadWord(candidate); };
        return !dictionary::EnglishForms::Candidates(word, isHeadWord).empty();
    }

private:
    Direction m_direction;
    // The loaded dictionary's, or else the files' read here.
    const dictionary::WordListIndex* m_pIndex = nullptr;
    const dictionary::WordForms* m_pForms = &m_forms;
    std::string m_bytes;
    dictionary::WordForms m_forms;
};

// Shown and not minimised, wherever the window was.
void ComeForward(CWnd& wnd) {
    if (!wnd.IsWindowVisible())
        wnd.ShowWindow(SW_SHOW);
    if (wnd.IsIconic())
        wnd.ShowWindow(SW_RESTORE);
}

}  // namespace

BEGIN_MESSAGE_MAP(CLookupKey, CCmdTarget)
ON_MESSAGE(WM_HOTKEY, OnHotKey)
ON_MESSAGE(WM_LOOKUP_KEY_TAKEN, OnLookupKeyTaken)
END_MESSAGE_MAP()

void CLookupKey::Start(BOOL bWanted) {
    m_bWanted = bWanted;
    if (m_bWanted && !Register())
        m_frame.PostMessage(WM_LOOKUP_KEY_TAKEN);  // said once the dictionary's own start-up texts are shown
}

void CLookupKey::Stop() {
    if (m_bHeld)
        ::UnregisterHotKey(m_frame.m_hWnd, kLookupKeyId);
    m_bHeld = FALSE;
}

BOOL CLookupKey::Register() {
    m_bHeld = ::RegisterHotKey(m_frame.m_hWnd, kLookupKeyId, kLookupKeyModifiers, kLookupKeyVirtualKey);
    return m_bHeld;
}

LRESULT CLookupKey::OnLookupKeyTaken(WPARAM, LPARAM) {
    m_frame.SetMessageText(CString(kLookupKeyName) +
                           " is used by another program: Look up from any program is off");
    return 0;
}

void CLookupKey::OnLookupKeyOption() {
    if (m_bHeld) {
        Stop();
        m_bWanted = FALSE;
        return;
    }
    m_bWanted = TRUE;
    if (!Register())
        OnLookupKeyTaken(0, 0);
}

LRESULT CLookupKey::OnHotKey(WPARAM wParam, LPARAM) {
    if (static_cast<int>(wParam) != kLookupKeyId)
        return 0;
    const HWND hWnd = m_frame.m_hWnd;
    if (!::IsWindowEnabled(hWnd)) {
        // A dialog of the window's is open (a word being added, changed or
        // deleted among them): what it was opened for stays as it is, and it
        // comes to the front instead.
        BringOpenDialogToFront();
        return 0;
    }
    std::u16string text;
    // In front already, the user means the word box's text or the clipboard.
    if (::GetForegroundWindow() != hWnd)
        text = TakeTextFromFront(hWnd);
    else if (OpenClipboardSoon(hWnd)) {
        text = ClipboardText();
        ::CloseClipboard();
    }
    std::string bytes;
    codepage::FromUtf16(text, bytes);  // up to a character the dictionaries cannot hold
    LookUpFromElsewhere(CString(dictionary::TrimToLookupText(bytes).c_str()));
    return 0;
}

void CLookupKey::BringOpenDialogToFront() {
    ComeForward(m_frame);
    ::SetForegroundWindow(::GetLastActivePopup(m_frame.m_hWnd));
}

void CLookupKey::LookUpFromElsewhere(const CString& strText) {
    ComeForward(m_frame);
    m_frame.SetForegroundWindow();
    if (strText.IsEmpty()) {
        m_frame.FocusWordBox(TRUE);
        return;
    }
    // A head word before a form, English first when both dictionaries have
    // it; neither keeps the direction.
    Direction direction = m_frame.m_settings.direction;
    const std::string word(strText);
    const CTavDoc* pDoc = GetTavDoc(m_frame);
    const DirectionKnowledge english(Direction::kEnglishRomanian, pDoc);
    const DirectionKnowledge romanian(Direction::kRomanianEnglish, pDoc);
    if (english.HasHeadWord(word))
        direction = Direction::kEnglishRomanian;
    else if (romanian.HasHeadWord(word))
        direction = Direction::kRomanianEnglish;
    else if (english.HasForm(word))
        direction = Direction::kEnglishRomanian;
    else if (romanian.HasForm(word))
        direction = Direction::kRomanianEnglish;
    if (!m_frame.m_wndWordBar.GetShownWordBox())
        m_frame.ShowControlBar(&m_frame.m_wndWordBar, TRUE, FALSE);
    if (CWnd* pWordBox = m_frame.m_wndWordBar.GetWordBox())
        pWordBox->SetWindowText(strText);
    if (direction != m_frame.m_settings.direction && !m_frame.m_updateCycle.IsRunning())
        m_frame.m_lookup.LoadDirection(direction);
    m_frame.FocusWordBox(TRUE);
    m_frame.m_history.RecordLookup();
}
