#include "framework/Wnd.h"

#include "framework/Gdi.h"
#include "framework/MessageGuard.h"
#include "framework/Module.h"
#include "framework/Palette.h"
#include "framework/WideText.h"

#include <memory>
#include <unordered_map>

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

namespace {

// Windows belong to the thread that made them, and so do their maps.
thread_local std::unordered_map<HWND, CWnd*> t_permanentMap;
thread_local std::unordered_map<HWND, std::unique_ptr<CWnd>> t_temporaryMap;

// The window being created by CreateEx, attached by the creation hook.
thread_local CWnd* t_pWndInit = nullptr;
thread_local HHOOK t_hCbtHook = nullptr;

// The message being handled, for CWnd::Default.
thread_local MSG t_currentMsg = {};

}  // namespace

LRESULT CALLBACK AfxCbtFilterHook(int nCode, WPARAM wParam, LPARAM lParam) {
    if (nCode == HCBT_CREATEWND && t_pWndInit) {
        // Attach before the window's first message, WM_NCCREATE.
        CWnd* pWnd = t_pWndInit;
        t_pWndInit = nullptr;
        HWND hWnd = reinterpret_cast<HWND>(wParam);
        pWnd->Attach(hWnd);
        pWnd->PreSubclassWindow();
        pWnd->m_pfnSuper = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
    }
    return CallNextHookEx(t_hCbtHook, nCode, wParam, lParam);
}

namespace {

void HookWindowCreate(CWnd* pWnd) {
    if (!t_hCbtHook)
        t_hCbtHook = SetWindowsHookExW(WH_CBT, AfxCbtFilterHook, nullptr, GetCurrentThreadId());
    t_pWndInit = pWnd;
}

// FALSE when the hook never attached the window (its creation failed early).
BOOL UnhookWindowCreate() {
    BOOL bAttached = t_pWndInit == nullptr;
    t_pWndInit = nullptr;
    if (t_hCbtHook) {
        UnhookWindowsHookEx(t_hCbtHook);
        t_hCbtHook = nullptr;
    }
    return bAttached;
}

}  // namespace

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (!pWnd)
        return DefWindowProcW(hWnd, message, wParam, lParam);

    MSG saved = t_currentMsg;
    t_currentMsg = {hWnd, message, wParam, lParam, 0, {0, 0}};
    LRESULT lResult = 0;
    try {
        lResult = pWnd->WindowProc(message, wParam, lParam);
    } catch (CException* e) {
        e->Delete();
    } catch (...) {
    }
    t_currentMsg = saved;

    if (message == WM_NCDESTROY && CWnd::FromHandlePermanent(hWnd) == pWnd) {
        // The window is gone: give back the class procedure, let go of the
        // object, and let it clean up after itself (frames delete themselves).
        if (reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hWnd, GWLP_WNDPROC)) == &AfxWndProc &&
            pWnd->m_pfnSuper)
            SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(pWnd->m_pfnSuper));
        pWnd->Detach();
        try {
            pWnd->PostNcDestroy();
        } catch (CException* e) {
            e->Delete();
        } catch (...) {
        }
    }
    return lResult;
}

namespace {

// A name that is either text or a resource number (MAKEINTRESOURCE).
class ResourceName {
public:
    explicit ResourceName(LPCSTR lpsz) : m_lpsz(lpsz) {
        if (lpsz && !IS_INTRESOURCE(lpsz))
            m_text = WideText(lpsz);
    }
    LPCWSTR Get() const {
        if (!m_lpsz || IS_INTRESOURCE(m_lpsz))
            return reinterpret_cast<LPCWSTR>(m_lpsz);
        return m_text.c_str();
    }

private:
    LPCSTR m_lpsz;
    std::wstring m_text;
};

}  // namespace

BOOL AfxRegisterClass(WNDCLASSA* lpWndClass) {
    const ResourceName className(lpWndClass->lpszClassName);
    const ResourceName menuName(lpWndClass->lpszMenuName);
    WNDCLASSW existing;
    if (GetClassInfoW(lpWndClass->hInstance, className.Get(), &existing))
        return TRUE;
    WNDCLASSW wc = {lpWndClass->style,      lpWndClass->lpfnWndProc,   lpWndClass->cbClsExtra,
                    lpWndClass->cbWndExtra, lpWndClass->hInstance,     lpWndClass->hIcon,
                    lpWndClass->hCursor,    lpWndClass->hbrBackground, menuName.Get(),
                    className.Get()};
    // The system's default procedure in the form for Unicode windows.
    if (wc.lpfnWndProc == ::DefWindowProcA)
        wc.lpfnWndProc = ::DefWindowProcW;
    return RegisterClassW(&wc) != 0;
}

LPCSTR AfxRegisterWndClass(UINT nClassStyle) {
    // The name is rebuilt on every call, so each thread keeps its own.
    thread_local char t_szClassName[32];
    wsprintfA(t_szClassName, "TavWnd:%x", nClassStyle);
    WNDCLASSA wc = {};
    wc.style = nClassStyle;
    wc.lpfnWndProc = ::DefWindowProcW;
    wc.hInstance = AfxGetInstanceHandle();
    wc.lpszClassName = t_szClassName;
    return AfxRegisterClass(&wc) ? t_szClassName : nullptr;
}

CWnd::~CWnd() {
    if (m_hWnd && !m_bTemporary && FromHandlePermanent(m_hWnd) == this) {
        if (IsWindow(m_hWnd))
            ::DestroyWindow(m_hWnd);
        if (m_hWnd)
            Detach();
    }
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd) {
    auto it = t_permanentMap.find(hWnd);
    return it == t_permanentMap.end() ? nullptr : it->second;
}

CWnd* CWnd::FromHandle(HWND hWnd) {
    if (!hWnd)
        return nullptr;
    if (CWnd* pWnd = FromHandlePermanent(hWnd))
        return pWnd;
    std::unique_ptr<CWnd>& pTemp = t_temporaryMap[hWnd];
    if (!pTemp) {
        pTemp.reset(new CWnd(hWnd));
        pTemp->m_bTemporary = TRUE;
    }
    return pTemp.get();
}

void CWnd::DeleteTempMap() {
    for (auto& entry : t_temporaryMap)
        entry.second->m_hWnd = nullptr;
    t_temporaryMap.clear();
}

BOOL CWnd::Attach(HWND hWnd) {
    if (!hWnd || m_hWnd)
        return FALSE;
    m_hWnd = hWnd;
    t_permanentMap[hWnd] = this;
    t_temporaryMap.erase(hWnd);
    return TRUE;
}

HWND CWnd::Detach() {
    HWND hWnd = m_hWnd;
    if (hWnd) {
        auto it = t_permanentMap.find(hWnd);
        if (it != t_permanentMap.end() && it->second == this)
            t_permanentMap.erase(it);
    }
    m_hWnd = nullptr;
    return hWnd;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCTA&) {
    return TRUE;
}

BOOL CWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, LPVOID lpParam) {
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top, pParentWnd ? pParentWnd->m_hWnd : nullptr,
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), lpParam);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, int x, int y,
                    int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam) {
    CREATESTRUCTA cs = {
        lpParam, AfxGetInstanceHandle(),     nIDorHMenu,     hWndParent,    nHeight,  nWidth, y,
        x,       static_cast<LONG>(dwStyle), lpszWindowName, lpszClassName, dwExStyle};
    if (!PreCreateWindow(cs)) {
        PostNcDestroy();
        return FALSE;
    }
    const ResourceName className(cs.lpszClass);
    const std::wstring strName = WideText(cs.lpszName);
    HookWindowCreate(this);
    HWND hWnd = CreateWindowExW(cs.dwExStyle, className.Get(), cs.lpszName ? strName.c_str() : nullptr,
                                static_cast<DWORD>(cs.style), cs.x, cs.y, cs.cx, cs.cy, cs.hwndParent,
                                cs.hMenu, cs.hInstance, cs.lpCreateParams);
    if (!UnhookWindowCreate())
        PostNcDestroy();  // never attached: clean up as if destroyed
    return hWnd != nullptr;
}

BOOL CWnd::DestroyWindow() {
    if (!m_hWnd)
        return FALSE;
    HWND hWnd = m_hWnd;
    BOOL bResult = ::DestroyWindow(hWnd);
    if (m_bTemporary)
        m_hWnd = nullptr;
    return bResult;
}

INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_INITDIALOG)
        return FALSE;
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (!pWnd)
        return TRUE;
    return AfxCallGuarded([&] { return pWnd->HandleInitDialog(wParam, lParam); }, FALSE);
}

BOOL CWnd::CreateDlg(UINT nIDTemplate, CWnd* pParentWnd) {
    HookWindowCreate(this);
    HWND hWnd = CreateDialogParamW(AfxGetResourceHandle(), MAKEINTRESOURCEW(nIDTemplate),
                                   pParentWnd ? pParentWnd->m_hWnd : nullptr, AfxDlgProc, 0);
    if (!UnhookWindowCreate())
        PostNcDestroy();
    return hWnd != nullptr;
}

BOOL CWnd::SubclassWindow(HWND hWnd) {
    if (!Attach(hWnd))
        return FALSE;
    PreSubclassWindow();
    m_pfnSuper = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
    return TRUE;
}

BOOL AfxWalkPreTranslateTree(HWND hWndStop, MSG* pMsg) {
    for (HWND hWnd = pMsg->hwnd; hWnd; hWnd = ::GetParent(hWnd)) {
        CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
        if (pWnd && pWnd->PreTranslateMessage(pMsg))
            return TRUE;
        if (hWnd == hWndStop)
            break;
    }
    return FALSE;
}

BOOL CWnd::PreTranslateMessage(MSG*) {
    return FALSE;
}

namespace {

// Calls the thunk of a window message entry with the objects its handler
// takes (a DC, a window).
LRESULT CallEntry(CWnd* pWnd, const AFX_MSGMAP_ENTRY* pEntry, UINT message, WPARAM wParam, LPARAM lParam) {
    AFX_MSG_CALL call = {message, wParam, lParam, nullptr};
    CDC dc;
    switch (message >= WM_REFLECT_BASE ? message - WM_REFLECT_BASE : message) {
        case WM_ERASEBKGND:
        case WM_CTLCOLORMSGBOX:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSCROLLBAR:
        case WM_CTLCOLORSTATIC:
            dc.m_hDC = reinterpret_cast<HDC>(wParam);
            call.pExtra = &dc;
            break;
        case WM_SETCURSOR:
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            call.pExtra = CWnd::FromHandle(reinterpret_cast<HWND>(wParam));
            break;
        default:
            break;
    }
    LRESULT lResult = pEntry->pfn(pWnd, call);
    dc.m_hDC = nullptr;
    return lResult;
}

}  // namespace

const AFX_MSGMAP* CWnd::GetThisMessageMap() {
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, nullptr, nullptr}};
    static const AFX_MSGMAP messageMap = {&CCmdTarget::GetThisMessageMap, entries};
    return &messageMap;
}

const AFX_MSGMAP* CWnd::GetMessageMap() const {
    return GetThisMessageMap();
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_pfnSuper)
        return CallWindowProcW(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() {
    return DefWindowProc(t_currentMsg.message, t_currentMsg.wParam, t_currentMsg.lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult))
        lResult = DefWindowProc(message, wParam, lParam);
    return lResult;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    if (message == WM_COMMAND) {
        if (!OnCommand(wParam, lParam))
            return FALSE;
        *pResult = 0;
        return TRUE;
    }
    if (message == WM_NOTIFY) {
        // Its header is read only when it comes from the window's own thread
        // (from elsewhere the address means nothing here), and acted on only
        // when it names one of the thread's windows (the controls, their
        // tooltips).
        if (messageguard::IsSentFromAnotherThread() || !lParam ||
            ::GetWindowThreadProcessId(reinterpret_cast<const NMHDR*>(lParam)->hwndFrom, nullptr) !=
                ::GetCurrentThreadId())
            return FALSE;
        LRESULT lResult = 0;
        if (!OnNotify(wParam, lParam, &lResult))
            return FALSE;
        *pResult = lResult;
        return TRUE;
    }
    if (message == WM_DRAWITEM && lParam && !messageguard::IsSentFromAnotherThread()) {
        // An owner-drawn control may draw itself.
        CWnd* pChild = FromHandlePermanent(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->hwndItem);
        if (pChild && pChild != this && pChild->OnChildNotify(message, wParam, lParam, pResult))
            return TRUE;
    }
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) {
        // The control may colour itself.
        CWnd* pChild = FromHandlePermanent(reinterpret_cast<HWND>(lParam));
        if (pChild && pChild != this && pChild->OnChildNotify(message, wParam, lParam, pResult))
            return TRUE;
        if (m_bPaletteColours && !AfxFindMessageEntry(GetMessageMap(), message, 0, 0)) {
            HBRUSH hBrush = palette::ColorControl(reinterpret_cast<HDC>(wParam), message - WM_CTLCOLORMSGBOX);
            if (!hBrush)
                return FALSE;
            *pResult = reinterpret_cast<LRESULT>(hBrush);
            return TRUE;
        }
    }
    const AFX_MSGMAP_ENTRY* pEntry = AfxFindMessageEntry(GetMessageMap(), message, 0, 0);
    if (!pEntry)
        return FALSE;
    *pResult = CallEntry(this, pEntry, message, wParam, lParam);
    return TRUE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    UINT nID = LOWORD(wParam);
    int nCode = HIWORD(wParam);
    HWND hWndControl = reinterpret_cast<HWND>(lParam);
    if (hWndControl) {
        CWnd* pChild = FromHandlePermanent(hWndControl);
        LRESULT lResult = 0;
        if (pChild && pChild != this && pChild->OnChildNotify(WM_COMMAND, wParam, lParam, &lResult))
            return TRUE;
    } else {
        // From a menu or an accelerator: a command that its update handler
        // disables is not carried out.
        nCode = CN_COMMAND;
        CTestCmdUI state;
        state.m_nID = nID;
        OnCmdMsg(nID, CN_UPDATE_COMMAND_UI, &state, nullptr);
        if (!state.m_bEnabled)
            return TRUE;
    }
    return OnCmdMsg(nID, nCode, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult) {
    auto* pHeader = reinterpret_cast<NMHDR*>(lParam);
    CWnd* pChild = FromHandlePermanent(pHeader->hwndFrom);
    if (pChild && pChild != this && pChild->OnChildNotify(WM_NOTIFY, 0, lParam, pResult))
        return TRUE;
    const AFX_MSGMAP_ENTRY* pEntry = AfxFindMessageEntry(
        GetMessageMap(), WM_NOTIFY, static_cast<int>(pHeader->code), static_cast<UINT>(pHeader->idFrom));
    if (!pEntry)
        return FALSE;
    AFX_MSG_CALL call = {WM_NOTIFY, 0, lParam, pResult};
    pEntry->pfn(this, call);
    return TRUE;
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    const AFX_MSGMAP_ENTRY* pEntry = nullptr;
    if (message == WM_COMMAND) {
        pEntry = AfxFindMessageEntry(GetMessageMap(), WM_REFLECT_BASE + WM_COMMAND, HIWORD(wParam), 0);
    } else if (message == WM_NOTIFY) {
        auto* pHeader = reinterpret_cast<NMHDR*>(lParam);
        pEntry = AfxFindMessageEntry(GetMessageMap(), WM_REFLECT_BASE + WM_NOTIFY,
                                     static_cast<int>(pHeader->code), 0);
        if (pEntry) {
            AFX_MSG_CALL call = {WM_NOTIFY, wParam, lParam, pResult};
            pEntry->pfn(this, call);
            return TRUE;
        }
        return FALSE;
    } else if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) {
        pEntry = AfxFindMessageEntry(GetMessageMap(), WM_REFLECT_BASE + WM_CTLCOLORSTATIC, 0, 0);
        if (pEntry) {
            LRESULT lResult = CallEntry(this, pEntry, WM_REFLECT_BASE + message, wParam, lParam);
            if (!lResult)
                return FALSE;  // the control did not colour itself
            *pResult = lResult;
            return TRUE;
        }
        return FALSE;
    }
    if (!pEntry)
        return FALSE;
    AFX_MSG_CALL call = {WM_COMMAND, wParam, lParam, nullptr};
    *pResult = pEntry->pfn(this, call);
    return TRUE;
}
