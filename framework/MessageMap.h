// Message maps: each class declares a static table of the messages,
// notifications and commands it handles; the table chains to its base
// class's table. Every entry binds its handler through a template that
// converts the member pointer to the one signature the entry allows, so a
// handler of the wrong signature does not compile.
//
//     BEGIN_MESSAGE_MAP(CMainFrame, CFrameWnd)
//         ON_WM_CREATE()
//         ON_COMMAND(ID_APP_EXIT, OnAppExit)
//         ON_UPDATE_COMMAND_UI(ID_HELP_UPDATE, OnUpdateHelpUpdate)
//     END_MESSAGE_MAP()
#pragma once

#include "framework/Types.h"

#include <windows.h>

class CCmdTarget;
class CCmdUI;
class CDC;
class CWnd;

// Notification codes of the command route (beside the controls' own codes).
const int CN_COMMAND = 0;
const int CN_UPDATE_COMMAND_UI = -1;
// Messages reflected back to the control that sent them.
const UINT WM_REFLECT_BASE = 0xBC00;

// What a handler thunk receives: the message and, for command-UI entries,
// the CCmdUI object.
struct AFX_MSG_CALL {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    void* pExtra;
};

typedef LRESULT (*AFX_PMSG_THUNK)(CCmdTarget* pTarget, const AFX_MSG_CALL& call);

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;             // WM_COMMAND, WM_NOTIFY, a window message, or a reflected one
    int nCode;                 // control notification code or CN_ value; 0 for window messages
    UINT nID;                  // first control or command id
    UINT nLastID;              // last id of the range
    const UINT* pnRegistered;  // a registered message, when nMessage is 0
    AFX_PMSG_THUNK pfn;        // null ends the table
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

namespace afx {

// Each thunk converts the bound member pointer to the signature of its
// entry kind: the conversion does not compile for any other signature.
template <class T, auto pmf>
LRESULT Command(CCmdTarget* p, const AFX_MSG_CALL&) {
    void (T::*pfn)() = pmf;
    (static_cast<T*>(p)->*pfn)();
    return 1;
}

template <class T, auto pmf>
LRESULT UpdateCommandUI(CCmdTarget* p, const AFX_MSG_CALL& call) {
    void (T::*pfn)(CCmdUI*) = pmf;
    (static_cast<T*>(p)->*pfn)(static_cast<CCmdUI*>(call.pExtra));
    return 1;
}

template <class T, auto pmf>
LRESULT Message(CCmdTarget* p, const AFX_MSG_CALL& call) {
    LRESULT (T::*pfn)(WPARAM, LPARAM) = pmf;
    return (static_cast<T*>(p)->*pfn)(call.wParam, call.lParam);
}

template <class T, auto pmf>
LRESULT VoidVoid(CCmdTarget* p, const AFX_MSG_CALL&) {
    void (T::*pfn)() = pmf;
    (static_cast<T*>(p)->*pfn)();
    return 0;
}

template <class T, auto pmf>
LRESULT OnCreate(CCmdTarget* p, const AFX_MSG_CALL& call) {
    int (T::*pfn)(LPCREATESTRUCT) = pmf;
    return (static_cast<T*>(p)->*pfn)(reinterpret_cast<LPCREATESTRUCT>(call.lParam));
}

template <class T, auto pmf>
LRESULT OnSize(CCmdTarget* p, const AFX_MSG_CALL& call) {
    void (T::*pfn)(UINT, int, int) = pmf;
    (static_cast<T*>(p)->*pfn)(static_cast<UINT>(call.wParam), static_cast<short>(LOWORD(call.lParam)),
                               static_cast<short>(HIWORD(call.lParam)));
    return 0;
}

template <class T, auto pmf>
LRESULT OnShowWindow(CCmdTarget* p, const AFX_MSG_CALL& call) {
    void (T::*pfn)(BOOL, UINT) = pmf;
    (static_cast<T*>(p)->*pfn)(static_cast<BOOL>(call.wParam), static_cast<UINT>(call.lParam));
    return 0;
}

template <class T, auto pmf>
LRESULT OnTimer(CCmdTarget* p, const AFX_MSG_CALL& call) {
    void (T::*pfn)(UINT_PTR) = pmf;
    (static_cast<T*>(p)->*pfn)(static_cast<UINT_PTR>(call.wParam));
    return 0;
}

template <class T, auto pmf>
LRESULT OnHelpInfo(CCmdTarget* p, const AFX_MSG_CALL& call) {
    BOOL (T::*pfn)(HELPINFO*) = pmf;
    return (static_cast<T*>(p)->*pfn)(reinterpret_cast<HELPINFO*>(call.lParam));
}

// Key messages: virtual key, repeat count, flags.
template <class T, auto pmf>
LRESULT OnKey(CCmdTarget* p, const AFX_MSG_CALL& call) {
    void (T::*pfn)(UINT, UINT, UINT) = pmf;
    (static_cast<T*>(p)->*pfn)(static_cast<UINT>(call.wParam), LOWORD(call.lParam), HIWORD(call.lParam));
    return 0;
}

// Mouse messages: key flags and the point in client co-ordinates.
template <class T, auto pmf>
LRESULT OnMouse(CCmdTarget* p, const AFX_MSG_CALL& call) {
    void (T::*pfn)(UINT, CPoint) = pmf;
    (static_cast<T*>(p)->*pfn)(static_cast<UINT>(call.wParam), CPoint(call.lParam));
    return 0;
}

template <class T, auto pmf>
LRESULT OnEraseBkgnd(CCmdTarget* p, const AFX_MSG_CALL& call) {
    BOOL (T::*pfn)(CDC*) = pmf;
    return (static_cast<T*>(p)->*pfn)(static_cast<CDC*>(call.pExtra));
}

template <class T, auto pmf>
LRESULT OnSetCursor(CCmdTarget* p, const AFX_MSG_CALL& call) {
    BOOL (T::*pfn)(CWnd*, UINT, UINT) = pmf;
    return (static_cast<T*>(p)->*pfn)(static_cast<CWnd*>(call.pExtra), LOWORD(call.lParam),
                                      HIWORD(call.lParam));
}

// Focus messages: the window that lost (or gains) the focus.
template <class T, auto pmf>
LRESULT OnFocus(CCmdTarget* p, const AFX_MSG_CALL& call) {
    void (T::*pfn)(CWnd*) = pmf;
    (static_cast<T*>(p)->*pfn)(static_cast<CWnd*>(call.pExtra));
    return 0;
}

// WM_SETTINGCHANGE: the SPI_ value that changed and the section named, if
// any (UTF-16: our windows are Unicode windows).
template <class T, auto pmf>
LRESULT OnSettingChange(CCmdTarget* p, const AFX_MSG_CALL& call) {
    void (T::*pfn)(UINT, LPCWSTR) = pmf;
    (static_cast<T*>(p)->*pfn)(static_cast<UINT>(call.wParam), reinterpret_cast<LPCWSTR>(call.lParam));
    return 0;
}

// A WM_CTLCOLOR* message reflected to the control: its DC and the kind.
template <class T, auto pmf>
LRESULT CtlColorReflect(CCmdTarget* p, const AFX_MSG_CALL& call) {
    HBRUSH (T::*pfn)(CDC*, UINT) = pmf;
    return reinterpret_cast<LRESULT>((static_cast<T*>(p)->*pfn)(
        static_cast<CDC*>(call.pExtra), call.message - WM_REFLECT_BASE - WM_CTLCOLORMSGBOX));
}

}  // namespace afx

#define DECLARE_MESSAGE_MAP()                     \
public:                                           \
    static const AFX_MSGMAP* GetThisMessageMap(); \
                                                  \
protected:                                        \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)          \
    const AFX_MSGMAP* theClass::GetMessageMap() const { \
        return GetThisMessageMap();                     \
    }                                                   \
    const AFX_MSGMAP* theClass::GetThisMessageMap() {   \
        typedef theClass ThisClass;                     \
        typedef baseClass TheBaseClass;                 \
        (void)sizeof(ThisClass);                        \
        static const AFX_MSGMAP_ENTRY entries[] = {
#define END_MESSAGE_MAP()                                                             \
    { 0, 0, 0, 0, nullptr, nullptr }                                                  \
    }                                                                                 \
    ;                                                                                 \
    static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, entries}; \
    return &messageMap;                                                               \
    }

#define AFX_ENTRY_(msg, code, id, last, thunk, fn) \
    {(msg),                                        \
     (code),                                       \
     static_cast<UINT>(id),                        \
     static_cast<UINT>(last),                      \
     nullptr,                                      \
     &afx::thunk<ThisClass, &ThisClass::fn>},

// Commands and command-UI updates.
#define ON_COMMAND(id, fn) AFX_ENTRY_(WM_COMMAND, CN_COMMAND, id, id, Command, fn)
#define ON_UPDATE_COMMAND_UI(id, fn) AFX_ENTRY_(WM_COMMAND, CN_UPDATE_COMMAND_UI, id, id, UpdateCommandUI, fn)

// Control notifications sent to the parent.
#define ON_CONTROL(code, id, fn) AFX_ENTRY_(WM_COMMAND, code, id, id, Command, fn)
#define ON_EN_CHANGE(id, fn) ON_CONTROL(EN_CHANGE, id, fn)
#define ON_BN_CLICKED(id, fn) ON_CONTROL(BN_CLICKED, id, fn)

// Notifications reflected back to the control that sent them.
#define ON_CONTROL_REFLECT(code, fn) AFX_ENTRY_(WM_REFLECT_BASE + WM_COMMAND, code, 0, 0, Command, fn)
#define ON_WM_CTLCOLOR_REFLECT() \
    AFX_ENTRY_(WM_REFLECT_BASE + WM_CTLCOLORSTATIC, 0, 0, 0, CtlColorReflect, CtlColor)

// Window messages.
#define ON_MESSAGE(message, fn) AFX_ENTRY_(message, 0, 0, 0, Message, fn)
#define ON_REGISTERED_MESSAGE(nMessageVariable, fn) \
    {0, 0, 0, 0, &(nMessageVariable), &afx::Message<ThisClass, &ThisClass::fn>},
#define ON_WM_CREATE() AFX_ENTRY_(WM_CREATE, 0, 0, 0, OnCreate, OnCreate)
#define ON_WM_SIZE() AFX_ENTRY_(WM_SIZE, 0, 0, 0, OnSize, OnSize)
#define ON_WM_SHOWWINDOW() AFX_ENTRY_(WM_SHOWWINDOW, 0, 0, 0, OnShowWindow, OnShowWindow)
#define ON_WM_CLOSE() AFX_ENTRY_(WM_CLOSE, 0, 0, 0, VoidVoid, OnClose)
#define ON_WM_PAINT() AFX_ENTRY_(WM_PAINT, 0, 0, 0, VoidVoid, OnPaint)
#define ON_WM_DESTROY() AFX_ENTRY_(WM_DESTROY, 0, 0, 0, VoidVoid, OnDestroy)
#define ON_WM_TIMER() AFX_ENTRY_(WM_TIMER, 0, 0, 0, OnTimer, OnTimer)
#define ON_WM_HELPINFO() AFX_ENTRY_(WM_HELP, 0, 0, 0, OnHelpInfo, OnHelpInfo)
#define ON_WM_KEYDOWN() AFX_ENTRY_(WM_KEYDOWN, 0, 0, 0, OnKey, OnKeyDown)
#define ON_WM_LBUTTONDOWN() AFX_ENTRY_(WM_LBUTTONDOWN, 0, 0, 0, OnMouse, OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_ENTRY_(WM_LBUTTONUP, 0, 0, 0, OnMouse, OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() AFX_ENTRY_(WM_LBUTTONDBLCLK, 0, 0, 0, OnMouse, OnLButtonDblClk)
#define ON_WM_MOUSEMOVE() AFX_ENTRY_(WM_MOUSEMOVE, 0, 0, 0, OnMouse, OnMouseMove)
#define ON_WM_ERASEBKGND() AFX_ENTRY_(WM_ERASEBKGND, 0, 0, 0, OnEraseBkgnd, OnEraseBkgnd)
#define ON_WM_SETCURSOR() AFX_ENTRY_(WM_SETCURSOR, 0, 0, 0, OnSetCursor, OnSetCursor)
#define ON_WM_SETFOCUS() AFX_ENTRY_(WM_SETFOCUS, 0, 0, 0, OnFocus, OnSetFocus)
#define ON_WM_SETTINGCHANGE() AFX_ENTRY_(WM_SETTINGCHANGE, 0, 0, 0, OnSettingChange, OnSettingChange)

// Finds the first entry of map (or its bases) for a message, code and id.
const AFX_MSGMAP_ENTRY* AfxFindMessageEntry(const AFX_MSGMAP* pMap, UINT nMessage, int nCode, UINT nID);
