// Message maps: the tables that route window messages and commands to handler members.
//
// Each entry carries a small thunk that unpacks the message parameters exactly as MFC does and
// calls the handler through a pointer to member of MFC's own signature, so a handler declared
// with the wrong parameters does not compile.
#pragma once

#include "afxver_.h"

class CCmdTarget;

// Message number and parameters handed to an entry's thunk; the thunk stores the message's
// result in lResult.
struct AFX_MSGCALL
{
    UINT nMessage;
    WPARAM wParam;
    LPARAM lParam;
    LRESULT lResult;
    void* pExtra; // the CCmdUI* of an update-command-UI query
};

// Returns FALSE only for handlers that may decline a command (the _EX forms).
typedef BOOL (*AFX_PMSGTHUNK)(CCmdTarget* pTarget, AFX_MSGCALL& call);

struct AFX_MSGMAP_ENTRY
{
    UINT nMessage;
    UINT nCode; // control notification code or CN_ code for WM_COMMAND entries
    UINT nID;   // first control or command id
    UINT nLastID;
    AFX_PMSGTHUNK pfnThunk; // null marks the end of a table
};

struct AFX_MSGMAP
{
    const AFX_MSGMAP*(PASCAL* pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// Messages reflected back to the child control that sent them carry this offset.
#define WM_REFLECT_BASE 0xBC00
// MFC's 16-bit style colour message; the WM_CTLCOLOR* family is routed through it.
#define WM_CTLCOLOR 0x0019

#define CN_COMMAND 0
#define CN_UPDATE_COMMAND_UI (static_cast<UINT>(-1))

// The colour messages reach OnCtlColor through this block (lParam of the routed WM_CTLCOLOR).
struct AFX_CTLCOLOR
{
    HWND hWnd;
    HDC hDC;
    UINT nCtlType;
};

#define DECLARE_MESSAGE_MAP()                                                                      \
protected:                                                                                         \
    static const AFX_MSGMAP* PASCAL GetThisMessageMap();                                           \
    virtual const AFX_MSGMAP* GetMessageMap() const;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                     \
    const AFX_MSGMAP* theClass::GetMessageMap() const                                              \
    {                                                                                              \
        return GetThisMessageMap();                                                                \
    }                                                                                              \
    const AFX_MSGMAP* PASCAL theClass::GetThisMessageMap()                                         \
    {                                                                                              \
        typedef theClass ThisClass;                                                                \
        typedef baseClass TheBaseClass;                                                            \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP()                                                                          \
    {                                                                                              \
        0, 0, 0, 0, nullptr                                                                        \
    }                                                                                              \
    }                                                                                              \
    ;                                                                                              \
    static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]};  \
    return &messageMap;                                                                            \
    }

// The body of an entry's thunk: pThis is the target as the map's class, call the message.
#define AFX_MSG_THUNK(...)                                                                         \
    [](CCmdTarget* pTarget_, AFX_MSGCALL& call) -> BOOL {                                          \
        ThisClass* pThis = static_cast<ThisClass*>(pTarget_);                                      \
        (void)pThis;                                                                               \
        (void)call;                                                                                \
        __VA_ARGS__;                                                                               \
        return TRUE;                                                                               \
    }

// Calls the handler `pmf` (a pointer to member, `&CMyWnd::OnSomething` in the command macros)
// checked against MFC's signature `type`.
#define AFX_MSG_CALL_AS(type, pmf) (pThis->*static_cast<type>(pmf))

#define AFX_MSG_ENTRY(message, ...) {message, 0, 0, 0, AFX_MSG_THUNK(__VA_ARGS__)},

#define AFX_POINT_LPARAM CPoint(static_cast<DWORD>(call.lParam))

// Generic messages ---------------------------------------------------------------------------

#define ON_MESSAGE(message, memberFxn)                                                             \
    AFX_MSG_ENTRY(message,                                                                         \
                  call.lResult = AFX_MSG_CALL_AS(LRESULT(AFX_MSG_CALL CWnd::*)(WPARAM, LPARAM),    \
                                                 memberFxn)(call.wParam, call.lParam))

#define ON_COMMAND(id, memberFxn)                                                                  \
    {WM_COMMAND, CN_COMMAND, UINT(id), UINT(id),                                                   \
     AFX_MSG_THUNK(AFX_MSG_CALL_AS(void(AFX_MSG_CALL CCmdTarget::*)(), memberFxn)())},

#define ON_UPDATE_COMMAND_UI(id, memberFxn)                                                        \
    {WM_COMMAND, CN_UPDATE_COMMAND_UI, UINT(id), UINT(id),                                         \
     AFX_MSG_THUNK(AFX_MSG_CALL_AS(void(AFX_MSG_CALL CCmdTarget::*)(CCmdUI*),                      \
                                   memberFxn)(static_cast<CCmdUI*>(call.pExtra)))},

#define ON_CONTROL(wNotifyCode, id, memberFxn)                                                     \
    {WM_COMMAND, UINT(wNotifyCode), UINT(id), UINT(id),                                            \
     AFX_MSG_THUNK(AFX_MSG_CALL_AS(void(AFX_MSG_CALL CCmdTarget::*)(), memberFxn)())},

#define ON_CONTROL_REFLECT(wNotifyCode, memberFxn)                                                 \
    {WM_COMMAND + WM_REFLECT_BASE, UINT(wNotifyCode), 0, 0,                                        \
     AFX_MSG_THUNK(AFX_MSG_CALL_AS(void(AFX_MSG_CALL CCmdTarget::*)(), memberFxn)())},

#define ON_CONTROL_REFLECT_EX(wNotifyCode, memberFxn)                                              \
    {WM_COMMAND + WM_REFLECT_BASE, UINT(wNotifyCode), 0, 0,                                        \
     [](CCmdTarget* pTarget_, AFX_MSGCALL&) -> BOOL {                                              \
         ThisClass* pThis = static_cast<ThisClass*>(pTarget_);                                     \
         return AFX_MSG_CALL_AS(BOOL(AFX_MSG_CALL CCmdTarget::*)(), memberFxn)();                  \
     }},

#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)

// Window messages ----------------------------------------------------------------------------

#define ON_WM_CREATE()                                                                             \
    AFX_MSG_ENTRY(WM_CREATE, call.lResult = AFX_MSG_CALL_AS(                                       \
                                 int(AFX_MSG_CALL CWnd::*)(LPCREATESTRUCT), &ThisClass::OnCreate)( \
                                 reinterpret_cast<LPCREATESTRUCT>(call.lParam)))
#define ON_WM_DESTROY()                                                                            \
    AFX_MSG_ENTRY(WM_DESTROY,                                                                      \
                  AFX_MSG_CALL_AS(void (AFX_MSG_CALL CWnd::*)(), &ThisClass::OnDestroy)())
#define ON_WM_NCDESTROY()                                                                          \
    AFX_MSG_ENTRY(WM_NCDESTROY,                                                                    \
                  AFX_MSG_CALL_AS(void (AFX_MSG_CALL CWnd::*)(), &ThisClass::OnNcDestroy)())
#define ON_WM_SIZE()                                                                               \
    AFX_MSG_ENTRY(                                                                                 \
        WM_SIZE, AFX_MSG_CALL_AS(void (AFX_MSG_CALL CWnd::*)(UINT, int, int), &ThisClass::OnSize)( \
                     UINT(call.wParam), LOWORD(call.lParam), HIWORD(call.lParam)))
#define ON_WM_SIZING()                                                                             \
    AFX_MSG_ENTRY(WM_SIZING, AFX_MSG_CALL_AS(void (AFX_MSG_CALL CWnd::*)(UINT, LPRECT),            \
                                             &ThisClass::OnSizing)(                                \
                                 UINT(call.wParam), reinterpret_cast<LPRECT>(call.lParam)))
#define ON_WM_PAINT()                                                                              \
    AFX_MSG_ENTRY(WM_PAINT, AFX_MSG_CALL_AS(void (AFX_MSG_CALL CWnd::*)(), &ThisClass::OnPaint)())
#define ON_WM_NCPAINT()                                                                            \
    AFX_MSG_ENTRY(WM_NCPAINT,                                                                      \
                  AFX_MSG_CALL_AS(void (AFX_MSG_CALL CWnd::*)(), &ThisClass::OnNcPaint)())
#define ON_WM_ERASEBKGND()                                                                         \
    AFX_MSG_ENTRY(WM_ERASEBKGND, call.lResult = AFX_MSG_CALL_AS(BOOL(AFX_MSG_CALL CWnd::*)(CDC*),  \
                                                                &ThisClass::OnEraseBkgnd)(         \
                                     CDC::FromHandle(reinterpret_cast<HDC>(call.wParam))))
#define ON_WM_NCCALCSIZE()                                                                         \
    AFX_MSG_ENTRY(WM_NCCALCSIZE,                                                                   \
                  AFX_MSG_CALL_AS(void (AFX_MSG_CALL CWnd::*)(BOOL, NCCALCSIZE_PARAMS*),           \
                                  &ThisClass::OnNcCalcSize)(                                       \
                      BOOL(call.wParam), reinterpret_cast<NCCALCSIZE_PARAMS*>(call.lParam)))
#define ON_WM_NCHITTEST()                                                                          \
    AFX_MSG_ENTRY(WM_NCHITTEST,                                                                    \
                  call.lResult = AFX_MSG_CALL_AS(LRESULT(AFX_MSG_CALL CWnd::*)(CPoint),            \
                                                 &ThisClass::OnNcHitTest)(AFX_POINT_LPARAM))
#define ON_WM_NCMOUSEMOVE()                                                                        \
    AFX_MSG_ENTRY(WM_NCMOUSEMOVE,                                                                  \
                  AFX_MSG_CALL_AS(void (AFX_MSG_CALL CWnd::*)(UINT, CPoint),                       \
                                  &ThisClass::OnNcMouseMove)(UINT(call.wParam), AFX_POINT_LPARAM))

#define AFX_MOUSE_ENTRY(message, handler)                                                          \
    AFX_MSG_ENTRY(message,                                                                         \
                  AFX_MSG_CALL_AS(void (AFX_MSG_CALL CWnd::*)(UINT, CPoint),                       \
                                  &ThisClass::handler)(UINT(call.wParam), AFX_POINT_LPARAM))
#define ON_WM_LBUTTONDOWN() AFX_MOUSE_ENTRY(WM_LBUTTONDOWN, OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_MOUSE_ENTRY(WM_LBUTTONUP, OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() AFX_MOUSE_ENTRY(WM_LBUTTONDBLCLK, OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() AFX_MOUSE_ENTRY(WM_RBUTTONDOWN, OnRButtonDown)
#define ON_WM_RBUTTONUP() AFX_MOUSE_ENTRY(WM_RBUTTONUP, OnRButtonUp)
#define ON_WM_MOUSEMOVE() AFX_MOUSE_ENTRY(WM_MOUSEMOVE, OnMouseMove)
#define ON_WM_MOUSEWHEEL()                                                                         \
    AFX_MSG_ENTRY(WM_MOUSEWHEEL,                                                                   \
                  call.lResult = AFX_MSG_CALL_AS(BOOL(AFX_MSG_CALL CWnd::*)(UINT, short, CPoint),  \
                                                 &ThisClass::OnMouseWheel)(                        \
                      LOWORD(call.wParam), short(HIWORD(call.wParam)), AFX_POINT_LPARAM))
#define ON_WM_SETCURSOR()                                                                          \
    AFX_MSG_ENTRY(WM_SETCURSOR,                                                                    \
                  call.lResult = AFX_MSG_CALL_AS(BOOL(AFX_MSG_CALL CWnd::*)(CWnd*, UINT, UINT),    \
                                                 &ThisClass::OnSetCursor)(                         \
                      CWnd::FromHandle(reinterpret_cast<HWND>(call.wParam)), LOWORD(call.lParam),  \
                      HIWORD(call.lParam)))

#define AFX_SCROLL_ENTRY(message, handler)                                                         \
    AFX_MSG_ENTRY(message, AFX_MSG_CALL_AS(void (AFX_MSG_CALL CWnd::*)(UINT, UINT, CScrollBar*),   \
                                           &ThisClass::handler)(                                   \
                               LOWORD(call.wParam), UINT(short(HIWORD(call.wParam))),              \
                               reinterpret_cast<CScrollBar*>(                                      \
                                   CWnd::FromHandle(reinterpret_cast<HWND>(call.lParam)))))
#define ON_WM_HSCROLL() AFX_SCROLL_ENTRY(WM_HSCROLL, OnHScroll)
#define ON_WM_VSCROLL() AFX_SCROLL_ENTRY(WM_VSCROLL, OnVScroll)

#define AFX_KEY_ENTRY(message, handler)                                                            \
    AFX_MSG_ENTRY(message, AFX_MSG_CALL_AS(void (AFX_MSG_CALL CWnd::*)(UINT, UINT, UINT),          \
                                           &ThisClass::handler)(                                   \
                               UINT(call.wParam), LOWORD(call.lParam), HIWORD(call.lParam)))
#define ON_WM_KEYDOWN() AFX_KEY_ENTRY(WM_KEYDOWN, OnKeyDown)
#define ON_WM_KEYUP() AFX_KEY_ENTRY(WM_KEYUP, OnKeyUp)
#define ON_WM_CHAR() AFX_KEY_ENTRY(WM_CHAR, OnChar)
#define ON_WM_GETDLGCODE()                                                                         \
    AFX_MSG_ENTRY(WM_GETDLGCODE, call.lResult = AFX_MSG_CALL_AS(UINT(AFX_MSG_CALL CWnd::*)(),      \
                                                                &ThisClass::OnGetDlgCode)())

#define ON_WM_SETFOCUS()                                                                           \
    AFX_MSG_ENTRY(WM_SETFOCUS,                                                                     \
                  AFX_MSG_CALL_AS(void (AFX_MSG_CALL CWnd::*)(CWnd*), &ThisClass::OnSetFocus)(     \
                      CWnd::FromHandle(reinterpret_cast<HWND>(call.wParam))))
#define ON_WM_KILLFOCUS()                                                                          \
    AFX_MSG_ENTRY(WM_KILLFOCUS,                                                                    \
                  AFX_MSG_CALL_AS(void (AFX_MSG_CALL CWnd::*)(CWnd*), &ThisClass::OnKillFocus)(    \
                      CWnd::FromHandle(reinterpret_cast<HWND>(call.wParam))))
#define ON_WM_ACTIVATE()                                                                           \
    AFX_MSG_ENTRY(                                                                                 \
        WM_ACTIVATE,                                                                               \
        AFX_MSG_CALL_AS(void (AFX_MSG_CALL CWnd::*)(UINT, CWnd*, BOOL), &ThisClass::OnActivate)(   \
            LOWORD(call.wParam), CWnd::FromHandle(reinterpret_cast<HWND>(call.lParam)),            \
            BOOL(HIWORD(call.wParam))))
#define ON_WM_ENABLE()                                                                             \
    AFX_MSG_ENTRY(WM_ENABLE, AFX_MSG_CALL_AS(void (AFX_MSG_CALL CWnd::*)(BOOL),                    \
                                             &ThisClass::OnEnable)(BOOL(call.wParam)))

#define ON_WM_SYSCOMMAND()                                                                         \
    AFX_MSG_ENTRY(WM_SYSCOMMAND,                                                                   \
                  AFX_MSG_CALL_AS(void (AFX_MSG_CALL CWnd::*)(UINT, LPARAM),                       \
                                  &ThisClass::OnSysCommand)(UINT(call.wParam), call.lParam))

#define ON_WM_TIMER()                                                                              \
    AFX_MSG_ENTRY(WM_TIMER, AFX_MSG_CALL_AS(void (AFX_MSG_CALL CWnd::*)(UINT_PTR),                 \
                                            &ThisClass::OnTimer)(UINT_PTR(call.wParam)))

#define ON_WM_INITMENUPOPUP()                                                                      \
    AFX_MSG_ENTRY(WM_INITMENUPOPUP,                                                                \
                  AFX_MSG_CALL_AS(void (AFX_MSG_CALL CWnd::*)(CMenu*, UINT, BOOL),                 \
                                  &ThisClass::OnInitMenuPopup)(                                    \
                      CMenu::FromHandle(reinterpret_cast<HMENU>(call.wParam)),                     \
                      LOWORD(call.lParam), BOOL(HIWORD(call.lParam))))

// The WM_CTLCOLOR* family arrives here as WM_CTLCOLOR with an AFX_CTLCOLOR block.
#define ON_WM_CTLCOLOR()                                                                           \
    AFX_MSG_ENTRY(WM_CTLCOLOR, const auto* pCtl = reinterpret_cast<AFX_CTLCOLOR*>(call.lParam);    \
                  call.lResult = reinterpret_cast<LRESULT>(AFX_MSG_CALL_AS(                        \
                      HBRUSH(AFX_MSG_CALL CWnd::*)(CDC*, CWnd*, UINT), &ThisClass::OnCtlColor)(    \
                      CDC::FromHandle(pCtl->hDC), CWnd::FromHandle(pCtl->hWnd), pCtl->nCtlType)))
#define ON_WM_CTLCOLOR_REFLECT()                                                                   \
    AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_CTLCOLOR,                                                   \
                  const auto* pCtl = reinterpret_cast<AFX_CTLCOLOR*>(call.lParam);                 \
                  call.lResult = reinterpret_cast<LRESULT>(AFX_MSG_CALL_AS(                        \
                      HBRUSH(AFX_MSG_CALL CWnd::*)(CDC*, UINT),                                    \
                      &ThisClass::CtlColor)(CDC::FromHandle(pCtl->hDC), pCtl->nCtlType)))

#define AFX_OWNERDRAW_ENTRY(message, type, handler)                                                \
    AFX_MSG_ENTRY(message,                                                                         \
                  AFX_MSG_CALL_AS(void (AFX_MSG_CALL CWnd::*)(int, type), &ThisClass::handler)(    \
                      int(call.wParam), reinterpret_cast<type>(call.lParam)))
#define ON_WM_DRAWITEM() AFX_OWNERDRAW_ENTRY(WM_DRAWITEM, LPDRAWITEMSTRUCT, OnDrawItem)
#define ON_WM_MEASUREITEM() AFX_OWNERDRAW_ENTRY(WM_MEASUREITEM, LPMEASUREITEMSTRUCT, OnMeasureItem)
#define ON_WM_DELETEITEM() AFX_OWNERDRAW_ENTRY(WM_DELETEITEM, LPDELETEITEMSTRUCT, OnDeleteItem)

#define AFX_REFLECTED_OWNERDRAW_ENTRY(message, type, handler)                                      \
    AFX_MSG_ENTRY(WM_REFLECT_BASE + message,                                                       \
                  AFX_MSG_CALL_AS(void(AFX_MSG_CALL CWnd::*)(type),                                \
                                  &ThisClass::handler)(reinterpret_cast<type>(call.lParam)))
#define ON_WM_DRAWITEM_REFLECT()                                                                   \
    AFX_REFLECTED_OWNERDRAW_ENTRY(WM_DRAWITEM, LPDRAWITEMSTRUCT, DrawItem)
#define ON_WM_MEASUREITEM_REFLECT()                                                                \
    AFX_REFLECTED_OWNERDRAW_ENTRY(WM_MEASUREITEM, LPMEASUREITEMSTRUCT, MeasureItem)
#define ON_WM_DELETEITEM_REFLECT()                                                                 \
    AFX_REFLECTED_OWNERDRAW_ENTRY(WM_DELETEITEM, LPDELETEITEMSTRUCT, DeleteItem)
