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

// What OnCmdMsg hands the handlers of a WM_NOTIFY (in pExtra).
struct AFX_NOTIFY
{
    LRESULT* pResult;
    NMHDR* pNMHDR;
};

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

// A thunk whose handler may decline (the _EX forms and update handlers that continue routing).
#define AFX_MSG_THUNK_EX(...)                                                                      \
    [](CCmdTarget* pTarget_, AFX_MSGCALL& call) -> BOOL {                                          \
        ThisClass* pThis = static_cast<ThisClass*>(pTarget_);                                      \
        (void)pThis;                                                                               \
        (void)call;                                                                                \
        __VA_ARGS__;                                                                               \
    }

#define AFX_MSG_ENTRY(message, ...) {message, 0, 0, 0, AFX_MSG_THUNK(__VA_ARGS__)},

// An update handler answers for the command unless it called CCmdUI::ContinueRouting; the flag
// is reset either way, for the next target.
#define AFX_UPDATE_THUNK(memberFxn)                                                                \
    AFX_MSG_THUNK_EX(                                                                              \
        CCmdUI* pCmdUI = static_cast<CCmdUI*>(call.pExtra); pCmdUI->m_bContinueRouting = FALSE;    \
        AFX_MSG_CALL_AS(void(AFX_MSG_CALL CCmdTarget::*)(CCmdUI*), memberFxn)(pCmdUI);             \
        BOOL bHandled = !pCmdUI->m_bContinueRouting; pCmdUI->m_bContinueRouting = FALSE;           \
        return bHandled)

#define AFX_NOTIFY_ARGS                                                                            \
    static_cast<AFX_NOTIFY*>(call.pExtra)->pNMHDR, static_cast<AFX_NOTIFY*>(call.pExtra)->pResult

#define AFX_POINT_LPARAM CPoint(static_cast<DWORD>(call.lParam))

// Generic messages ---------------------------------------------------------------------------

#define ON_MESSAGE(message, memberFxn)                                                             \
    AFX_MSG_ENTRY(message,                                                                         \
                  call.lResult = AFX_MSG_CALL_AS(LRESULT(AFX_MSG_CALL CWnd::*)(WPARAM, LPARAM),    \
                                                 memberFxn)(call.wParam, call.lParam))

#define ON_COMMAND(id, memberFxn)                                                                  \
    {WM_COMMAND, CN_COMMAND, UINT(id), UINT(id),                                                   \
     AFX_MSG_THUNK(AFX_MSG_CALL_AS(void(AFX_MSG_CALL CCmdTarget::*)(), memberFxn)())},

#define ON_UPDATE_COMMAND_UI(id, memberFxn) ON_UPDATE_COMMAND_UI_RANGE(id, id, memberFxn)

// The command id reaches a range handler as its argument.
#define ON_COMMAND_RANGE(id, idLast, memberFxn)                                                    \
    {WM_COMMAND, CN_COMMAND, UINT(id), UINT(idLast),                                               \
     AFX_MSG_THUNK(                                                                                \
         AFX_MSG_CALL_AS(void(AFX_MSG_CALL CCmdTarget::*)(UINT), memberFxn)(UINT(call.wParam)))},

// A handler that answers FALSE lets the command go on to the next target.
#define ON_COMMAND_EX(id, memberFxn) ON_COMMAND_EX_RANGE(id, id, memberFxn)
#define ON_COMMAND_EX_RANGE(id, idLast, memberFxn)                                                 \
    {WM_COMMAND, CN_COMMAND, UINT(id), UINT(idLast),                                               \
     AFX_MSG_THUNK_EX(return AFX_MSG_CALL_AS(BOOL(AFX_MSG_CALL CCmdTarget::*)(UINT),               \
                                             memberFxn)(UINT(call.wParam)))},

#define ON_UPDATE_COMMAND_UI_RANGE(id, idLast, memberFxn)                                          \
    {WM_COMMAND, CN_UPDATE_COMMAND_UI, UINT(id), UINT(idLast), AFX_UPDATE_THUNK(memberFxn)},

// The control's own update handler, asked by its parent's UpdateDialogControls.
#define ON_UPDATE_COMMAND_UI_REFLECT(memberFxn)                                                    \
    {WM_COMMAND + WM_REFLECT_BASE, UINT(WORD(CN_UPDATE_COMMAND_UI)), 0, 0,                         \
     AFX_UPDATE_THUNK(memberFxn)},

#define ON_CONTROL(wNotifyCode, id, memberFxn)                                                     \
    {WM_COMMAND, UINT(wNotifyCode), UINT(id), UINT(id),                                            \
     AFX_MSG_THUNK(AFX_MSG_CALL_AS(void(AFX_MSG_CALL CCmdTarget::*)(), memberFxn)())},

#define ON_CONTROL_RANGE(wNotifyCode, id, idLast, memberFxn)                                       \
    {WM_COMMAND, UINT(wNotifyCode), UINT(id), UINT(idLast),                                        \
     AFX_MSG_THUNK(                                                                                \
         AFX_MSG_CALL_AS(void(AFX_MSG_CALL CCmdTarget::*)(UINT), memberFxn)(UINT(call.wParam)))},

#define ON_CONTROL_REFLECT(wNotifyCode, memberFxn)                                                 \
    {WM_COMMAND + WM_REFLECT_BASE, UINT(wNotifyCode), 0, 0,                                        \
     AFX_MSG_THUNK(AFX_MSG_CALL_AS(void(AFX_MSG_CALL CCmdTarget::*)(), memberFxn)())},

#define ON_CONTROL_REFLECT_EX(wNotifyCode, memberFxn)                                              \
    {WM_COMMAND + WM_REFLECT_BASE, UINT(wNotifyCode), 0, 0,                                        \
     AFX_MSG_THUNK_EX(return AFX_MSG_CALL_AS(BOOL(AFX_MSG_CALL CCmdTarget::*)(), memberFxn)())},

// A registered message's number is known at run time only: the entry compares it when asked
// (its thunk declines the messages that are not its own).
#define ON_REGISTERED_MESSAGE(nMessageVariable, memberFxn)                                         \
    {                                                                                              \
        0xC000, 0, 0, 0,                                                                           \
            AFX_MSG_THUNK_EX(if (call.nMessage != (nMessageVariable)) return FALSE;                \
                             call.lResult =                                                        \
                                 AFX_MSG_CALL_AS(LRESULT(AFX_MSG_CALL CWnd::*)(WPARAM, LPARAM),    \
                                                 memberFxn)(call.wParam, call.lParam);             \
                             return TRUE)                                                          \
    }                                                                                              \
    ,

// WM_NOTIFY: handlers get the notification header and the message's result to set.
#define ON_NOTIFY(wNotifyCode, id, memberFxn)                                                      \
    {WM_NOTIFY, UINT(WORD(int(wNotifyCode))), UINT(WORD(id)), UINT(WORD(id)),                      \
     AFX_MSG_THUNK(AFX_MSG_CALL_AS(void(AFX_MSG_CALL CCmdTarget::*)(NMHDR*, LRESULT*),             \
                                   memberFxn)(AFX_NOTIFY_ARGS))},
#define ON_NOTIFY_RANGE(wNotifyCode, id, idLast, memberFxn)                                        \
    {WM_NOTIFY, UINT(WORD(int(wNotifyCode))), UINT(WORD(id)), UINT(WORD(idLast)),                  \
     AFX_MSG_THUNK(AFX_MSG_CALL_AS(void(AFX_MSG_CALL CCmdTarget::*)(UINT, NMHDR*, LRESULT*),       \
                                   memberFxn)(UINT(call.wParam), AFX_NOTIFY_ARGS))},
#define ON_NOTIFY_EX(wNotifyCode, id, memberFxn) ON_NOTIFY_EX_RANGE(wNotifyCode, id, id, memberFxn)
#define ON_NOTIFY_EX_RANGE(wNotifyCode, id, idLast, memberFxn)                                     \
    {WM_NOTIFY, UINT(WORD(int(wNotifyCode))), UINT(WORD(id)), UINT(WORD(idLast)),                  \
     AFX_MSG_THUNK_EX(                                                                             \
         return AFX_MSG_CALL_AS(BOOL(AFX_MSG_CALL CCmdTarget::*)(UINT, NMHDR*, LRESULT*),          \
                                memberFxn)(UINT(call.wParam), AFX_NOTIFY_ARGS))},
#define ON_NOTIFY_REFLECT(wNotifyCode, memberFxn)                                                  \
    {WM_NOTIFY + WM_REFLECT_BASE, UINT(WORD(int(wNotifyCode))), 0, 0,                              \
     AFX_MSG_THUNK(AFX_MSG_CALL_AS(void(AFX_MSG_CALL CCmdTarget::*)(NMHDR*, LRESULT*),             \
                                   memberFxn)(AFX_NOTIFY_ARGS))},
#define ON_NOTIFY_REFLECT_EX(wNotifyCode, memberFxn)                                               \
    {WM_NOTIFY + WM_REFLECT_BASE, UINT(WORD(int(wNotifyCode))), 0, 0,                              \
     AFX_MSG_THUNK_EX(return AFX_MSG_CALL_AS(BOOL(AFX_MSG_CALL CCmdTarget::*)(NMHDR*, LRESULT*),   \
                                             memberFxn)(AFX_NOTIFY_ARGS))},

// Control notifications
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_BN_SETFOCUS(id, memberFxn) ON_CONTROL(BN_SETFOCUS, id, memberFxn)
#define ON_BN_KILLFOCUS(id, memberFxn) ON_CONTROL(BN_KILLFOCUS, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_UPDATE(id, memberFxn) ON_CONTROL(EN_UPDATE, id, memberFxn)
#define ON_EN_ERRSPACE(id, memberFxn) ON_CONTROL(EN_ERRSPACE, id, memberFxn)
#define ON_EN_MAXTEXT(id, memberFxn) ON_CONTROL(EN_MAXTEXT, id, memberFxn)
#define ON_EN_HSCROLL(id, memberFxn) ON_CONTROL(EN_HSCROLL, id, memberFxn)
#define ON_EN_VSCROLL(id, memberFxn) ON_CONTROL(EN_VSCROLL, id, memberFxn)
#define ON_LBN_ERRSPACE(id, memberFxn) ON_CONTROL(LBN_ERRSPACE, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_LBN_DBLCLK(id, memberFxn) ON_CONTROL(LBN_DBLCLK, id, memberFxn)
#define ON_LBN_SELCANCEL(id, memberFxn) ON_CONTROL(LBN_SELCANCEL, id, memberFxn)
#define ON_LBN_SETFOCUS(id, memberFxn) ON_CONTROL(LBN_SETFOCUS, id, memberFxn)
#define ON_LBN_KILLFOCUS(id, memberFxn) ON_CONTROL(LBN_KILLFOCUS, id, memberFxn)
#define ON_CBN_ERRSPACE(id, memberFxn) ON_CONTROL(CBN_ERRSPACE, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_DBLCLK(id, memberFxn) ON_CONTROL(CBN_DBLCLK, id, memberFxn)
#define ON_CBN_SETFOCUS(id, memberFxn) ON_CONTROL(CBN_SETFOCUS, id, memberFxn)
#define ON_CBN_KILLFOCUS(id, memberFxn) ON_CONTROL(CBN_KILLFOCUS, id, memberFxn)
#define ON_CBN_EDITCHANGE(id, memberFxn) ON_CONTROL(CBN_EDITCHANGE, id, memberFxn)
#define ON_CBN_EDITUPDATE(id, memberFxn) ON_CONTROL(CBN_EDITUPDATE, id, memberFxn)
#define ON_CBN_DROPDOWN(id, memberFxn) ON_CONTROL(CBN_DROPDOWN, id, memberFxn)
#define ON_CBN_CLOSEUP(id, memberFxn) ON_CONTROL(CBN_CLOSEUP, id, memberFxn)
#define ON_CBN_SELENDOK(id, memberFxn) ON_CONTROL(CBN_SELENDOK, id, memberFxn)
#define ON_CBN_SELENDCANCEL(id, memberFxn) ON_CONTROL(CBN_SELENDCANCEL, id, memberFxn)
#define ON_STN_CLICKED(id, memberFxn) ON_CONTROL(STN_CLICKED, id, memberFxn)
#define ON_STN_DBLCLK(id, memberFxn) ON_CONTROL(STN_DBLCLK, id, memberFxn)
#define ON_STN_ENABLE(id, memberFxn) ON_CONTROL(STN_ENABLE, id, memberFxn)
#define ON_STN_DISABLE(id, memberFxn) ON_CONTROL(STN_DISABLE, id, memberFxn)

// Window messages ----------------------------------------------------------------------------

#define ON_WM_CREATE()                                                                             \
    AFX_MSG_ENTRY(WM_CREATE, call.lResult = AFX_MSG_CALL_AS(                                       \
                                 int(AFX_MSG_CALL CWnd::*)(LPCREATESTRUCT), &ThisClass::OnCreate)( \
                                 reinterpret_cast<LPCREATESTRUCT>(call.lParam)))
#define ON_WM_CLOSE()                                                                              \
    AFX_MSG_ENTRY(WM_CLOSE, AFX_MSG_CALL_AS(void (AFX_MSG_CALL CWnd::*)(), &ThisClass::OnClose)())
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
#define ON_WM_MOVE()                                                                               \
    AFX_MSG_ENTRY(WM_MOVE,                                                                         \
                  AFX_MSG_CALL_AS(void (AFX_MSG_CALL CWnd::*)(int, int), &ThisClass::OnMove)(      \
                      short(LOWORD(call.lParam)), short(HIWORD(call.lParam))))
#define ON_WM_GETMINMAXINFO()                                                                      \
    AFX_MSG_ENTRY(WM_GETMINMAXINFO, AFX_MSG_CALL_AS(void (AFX_MSG_CALL CWnd::*)(MINMAXINFO*),      \
                                                    &ThisClass::OnGetMinMaxInfo)(                  \
                                        reinterpret_cast<MINMAXINFO*>(call.lParam)))
#define ON_WM_SHOWWINDOW()                                                                         \
    AFX_MSG_ENTRY(WM_SHOWWINDOW,                                                                   \
                  AFX_MSG_CALL_AS(void (AFX_MSG_CALL CWnd::*)(BOOL, UINT),                         \
                                  &ThisClass::OnShowWindow)(BOOL(call.wParam), UINT(call.lParam)))
#define AFX_WINDOWPOS_ENTRY(message, handler)                                                      \
    AFX_MSG_ENTRY(message,                                                                         \
                  AFX_MSG_CALL_AS(void (AFX_MSG_CALL CWnd::*)(WINDOWPOS*),                         \
                                  &ThisClass::handler)(reinterpret_cast<WINDOWPOS*>(call.lParam)))
#define ON_WM_WINDOWPOSCHANGING() AFX_WINDOWPOS_ENTRY(WM_WINDOWPOSCHANGING, OnWindowPosChanging)
#define ON_WM_WINDOWPOSCHANGED() AFX_WINDOWPOS_ENTRY(WM_WINDOWPOSCHANGED, OnWindowPosChanged)
#define ON_WM_SYSCOMMAND()                                                                         \
    AFX_MSG_ENTRY(WM_SYSCOMMAND,                                                                   \
                  AFX_MSG_CALL_AS(void (AFX_MSG_CALL CWnd::*)(UINT, LPARAM),                       \
                                  &ThisClass::OnSysCommand)(UINT(call.wParam), call.lParam))
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
// The hit-test code of a non-client mouse message is in wParam, the point on the screen.
#define AFX_NCMOUSE_ENTRY(message, handler)                                                        \
    AFX_MSG_ENTRY(message,                                                                         \
                  AFX_MSG_CALL_AS(void (AFX_MSG_CALL CWnd::*)(UINT, CPoint),                       \
                                  &ThisClass::handler)(UINT(call.wParam), AFX_POINT_LPARAM))
#define ON_WM_NCMOUSEMOVE() AFX_NCMOUSE_ENTRY(WM_NCMOUSEMOVE, OnNcMouseMove)
#define ON_WM_NCLBUTTONDOWN() AFX_NCMOUSE_ENTRY(WM_NCLBUTTONDOWN, OnNcLButtonDown)
#define ON_WM_NCLBUTTONUP() AFX_NCMOUSE_ENTRY(WM_NCLBUTTONUP, OnNcLButtonUp)
#define ON_WM_NCLBUTTONDBLCLK() AFX_NCMOUSE_ENTRY(WM_NCLBUTTONDBLCLK, OnNcLButtonDblClk)

#define AFX_MOUSE_ENTRY(message, handler)                                                          \
    AFX_MSG_ENTRY(message,                                                                         \
                  AFX_MSG_CALL_AS(void (AFX_MSG_CALL CWnd::*)(UINT, CPoint),                       \
                                  &ThisClass::handler)(UINT(call.wParam), AFX_POINT_LPARAM))
#define ON_WM_LBUTTONDOWN() AFX_MOUSE_ENTRY(WM_LBUTTONDOWN, OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_MOUSE_ENTRY(WM_LBUTTONUP, OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() AFX_MOUSE_ENTRY(WM_LBUTTONDBLCLK, OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() AFX_MOUSE_ENTRY(WM_RBUTTONDOWN, OnRButtonDown)
#define ON_WM_RBUTTONUP() AFX_MOUSE_ENTRY(WM_RBUTTONUP, OnRButtonUp)
#define ON_WM_RBUTTONDBLCLK() AFX_MOUSE_ENTRY(WM_RBUTTONDBLCLK, OnRButtonDblClk)
#define ON_WM_MBUTTONDOWN() AFX_MOUSE_ENTRY(WM_MBUTTONDOWN, OnMButtonDown)
#define ON_WM_MBUTTONUP() AFX_MOUSE_ENTRY(WM_MBUTTONUP, OnMButtonUp)
#define ON_WM_MBUTTONDBLCLK() AFX_MOUSE_ENTRY(WM_MBUTTONDBLCLK, OnMButtonDblClk)
#define ON_WM_MOUSEMOVE() AFX_MOUSE_ENTRY(WM_MOUSEMOVE, OnMouseMove)
#define ON_WM_MOUSEWHEEL()                                                                         \
    AFX_MSG_ENTRY(WM_MOUSEWHEEL,                                                                   \
                  call.lResult = AFX_MSG_CALL_AS(BOOL(AFX_MSG_CALL CWnd::*)(UINT, short, CPoint),  \
                                                 &ThisClass::OnMouseWheel)(                        \
                      LOWORD(call.wParam), short(HIWORD(call.wParam)), AFX_POINT_LPARAM))
// The hit-test code is signed (HTERROR is -2, HTTRANSPARENT -1); the mouse message is not.
#define AFX_HITTEST_LPARAM UINT(short(LOWORD(call.lParam)))
#define ON_WM_SETCURSOR()                                                                          \
    AFX_MSG_ENTRY(WM_SETCURSOR,                                                                    \
                  call.lResult = AFX_MSG_CALL_AS(BOOL(AFX_MSG_CALL CWnd::*)(CWnd*, UINT, UINT),    \
                                                 &ThisClass::OnSetCursor)(                         \
                      CWnd::FromHandle(reinterpret_cast<HWND>(call.wParam)), AFX_HITTEST_LPARAM,   \
                      HIWORD(call.lParam)))
#define ON_WM_MOUSEACTIVATE()                                                                      \
    AFX_MSG_ENTRY(WM_MOUSEACTIVATE,                                                                \
                  call.lResult = AFX_MSG_CALL_AS(int(AFX_MSG_CALL CWnd::*)(CWnd*, UINT, UINT),     \
                                                 &ThisClass::OnMouseActivate)(                     \
                      CWnd::FromHandle(reinterpret_cast<HWND>(call.wParam)), AFX_HITTEST_LPARAM,   \
                      HIWORD(call.lParam)))
#define ON_WM_CAPTURECHANGED()                                                                     \
    AFX_MSG_ENTRY(WM_CAPTURECHANGED, AFX_MSG_CALL_AS(void (AFX_MSG_CALL CWnd::*)(CWnd*),           \
                                                     &ThisClass::OnCaptureChanged)(                \
                                         CWnd::FromHandle(reinterpret_cast<HWND>(call.lParam))))
#define ON_WM_CONTEXTMENU()                                                                        \
    AFX_MSG_ENTRY(                                                                                 \
        WM_CONTEXTMENU,                                                                            \
        AFX_MSG_CALL_AS(void (AFX_MSG_CALL CWnd::*)(CWnd*, CPoint), &ThisClass::OnContextMenu)(    \
            CWnd::FromHandle(reinterpret_cast<HWND>(call.wParam)), AFX_POINT_LPARAM))

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
#define ON_WM_SYSKEYDOWN() AFX_KEY_ENTRY(WM_SYSKEYDOWN, OnSysKeyDown)
#define ON_WM_SYSKEYUP() AFX_KEY_ENTRY(WM_SYSKEYUP, OnSysKeyUp)
#define ON_WM_SYSCHAR() AFX_KEY_ENTRY(WM_SYSCHAR, OnSysChar)
#define ON_WM_HELPINFO()                                                                           \
    AFX_MSG_ENTRY(WM_HELP, call.lResult = AFX_MSG_CALL_AS(BOOL(AFX_MSG_CALL CWnd::*)(HELPINFO*),   \
                                                          &ThisClass::OnHelpInfo)(                 \
                               reinterpret_cast<HELPINFO*>(call.lParam)))
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

#define ON_WM_TIMER()                                                                              \
    AFX_MSG_ENTRY(WM_TIMER, AFX_MSG_CALL_AS(void (AFX_MSG_CALL CWnd::*)(UINT_PTR),                 \
                                            &ThisClass::OnTimer)(UINT_PTR(call.wParam)))

#define ON_WM_ENTERIDLE()                                                                          \
    AFX_MSG_ENTRY(                                                                                 \
        WM_ENTERIDLE,                                                                              \
        AFX_MSG_CALL_AS(void (AFX_MSG_CALL CWnd::*)(UINT, CWnd*), &ThisClass::OnEnterIdle)(        \
            UINT(call.wParam), CWnd::FromHandle(reinterpret_cast<HWND>(call.lParam))))
#define ON_WM_DROPFILES()                                                                          \
    AFX_MSG_ENTRY(WM_DROPFILES,                                                                    \
                  AFX_MSG_CALL_AS(void (AFX_MSG_CALL CWnd::*)(HDROP),                              \
                                  &ThisClass::OnDropFiles)(reinterpret_cast<HDROP>(call.wParam)))
#define ON_WM_SETTINGCHANGE()                                                                      \
    AFX_MSG_ENTRY(                                                                                 \
        WM_SETTINGCHANGE,                                                                          \
        AFX_MSG_CALL_AS(void (AFX_MSG_CALL CWnd::*)(UINT, LPCTSTR), &ThisClass::OnSettingChange)(  \
            UINT(call.wParam), reinterpret_cast<LPCTSTR>(call.lParam)))
#define ON_WM_SYSCOLORCHANGE()                                                                     \
    AFX_MSG_ENTRY(WM_SYSCOLORCHANGE,                                                               \
                  AFX_MSG_CALL_AS(void (AFX_MSG_CALL CWnd::*)(), &ThisClass::OnSysColorChange)())

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
#define ON_WM_COMPAREITEM()                                                                        \
    AFX_MSG_ENTRY(WM_COMPAREITEM,                                                                  \
                  call.lResult =                                                                   \
                      AFX_MSG_CALL_AS(int(AFX_MSG_CALL CWnd::*)(int, LPCOMPAREITEMSTRUCT),         \
                                      &ThisClass::OnCompareItem)(                                  \
                          int(call.wParam), reinterpret_cast<LPCOMPAREITEMSTRUCT>(call.lParam)))

// A list box asks its parent what a key or character does (-1: the default action).
#define AFX_LISTBOXKEY_ENTRY(message, handler)                                                     \
    AFX_MSG_ENTRY(                                                                                 \
        message,                                                                                   \
        call.lResult = AFX_MSG_CALL_AS(int(AFX_MSG_CALL CWnd::*)(UINT, CListBox*, UINT),           \
                                       &ThisClass::handler)(                                       \
            LOWORD(call.wParam),                                                                   \
            reinterpret_cast<CListBox*>(CWnd::FromHandle(reinterpret_cast<HWND>(call.lParam))),    \
            HIWORD(call.wParam)))
#define ON_WM_CHARTOITEM() AFX_LISTBOXKEY_ENTRY(WM_CHARTOITEM, OnCharToItem)
#define ON_WM_VKEYTOITEM() AFX_LISTBOXKEY_ENTRY(WM_VKEYTOITEM, OnVKeyToItem)

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
#define ON_WM_COMPAREITEM_REFLECT()                                                                \
    AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_COMPAREITEM,                                                \
                  call.lResult = AFX_MSG_CALL_AS(int(AFX_MSG_CALL CWnd::*)(LPCOMPAREITEMSTRUCT),   \
                                                 &ThisClass::CompareItem)(                         \
                      reinterpret_cast<LPCOMPAREITEMSTRUCT>(call.lParam)))
#define AFX_REFLECTED_LISTBOXKEY_ENTRY(message, handler)                                           \
    AFX_MSG_ENTRY(WM_REFLECT_BASE + message,                                                       \
                  call.lResult =                                                                   \
                      AFX_MSG_CALL_AS(int(AFX_MSG_CALL CWnd::*)(UINT, UINT), &ThisClass::handler)( \
                          LOWORD(call.wParam), HIWORD(call.wParam)))
#define ON_WM_CHARTOITEM_REFLECT() AFX_REFLECTED_LISTBOXKEY_ENTRY(WM_CHARTOITEM, CharToItem)
#define ON_WM_VKEYTOITEM_REFLECT() AFX_REFLECTED_LISTBOXKEY_ENTRY(WM_VKEYTOITEM, VKeyToItem)
