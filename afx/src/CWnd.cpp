#include "AfxState.h"

#include <afxstat_.h>

using afx_internal::WindowMap;

IMPLEMENT_DYNAMIC(CWnd, CCmdTarget)

const CWnd CWnd::wndTop(HWND_TOP);
const CWnd CWnd::wndBottom(HWND_BOTTOM);
const CWnd CWnd::wndTopMost(HWND_TOPMOST);
const CWnd CWnd::wndNoTopMost(HWND_NOTOPMOST);

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
    ON_WM_NCDESTROY()
    ON_WM_DRAWITEM()
    ON_WM_MEASUREITEM()
    ON_WM_DELETEITEM()
    ON_WM_COMPAREITEM()
    ON_WM_CHARTOITEM()
    ON_WM_VKEYTOITEM()
    ON_WM_CTLCOLOR()
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
    ON_WM_SETTINGCHANGE()
    ON_WM_SYSCOLORCHANGE()
END_MESSAGE_MAP()

using afx_internal::Routing;
using afx_internal::RoutingState;

CWnd::CWnd() : CWnd(nullptr) {}

CWnd::CWnd(HWND hWnd)
    : m_hWnd(hWnd), m_nFlags(0), m_hWndOwner(nullptr), m_pfnSuper(nullptr), m_nModalResult(0)
{
}

CWnd::~CWnd()
{
    // A window whose object goes away must not go on sending messages to it. The special
    // insert-after objects hold pseudo handles that are not windows and never reach the map.
    if (m_hWnd != nullptr && ::IsWindow(m_hWnd) && FromHandlePermanent(m_hWnd) == this)
        DestroyWindow();
}

//---------------------------------------------------------------------------------------------
// Handle map

CWnd* PASCAL CWnd::FromHandle(HWND hWnd)
{
    return WindowMap().FromHandle(hWnd);
}

CWnd* PASCAL CWnd::FromHandlePermanent(HWND hWnd)
{
    return WindowMap().LookupPermanent(hWnd);
}

void PASCAL CWnd::DeleteTempMap()
{
    WindowMap().DeleteTemp();
}

BOOL CWnd::Attach(HWND hWndNew)
{
    if (hWndNew == nullptr || m_hWnd != nullptr || FromHandlePermanent(hWndNew) != nullptr)
        return FALSE;
    WindowMap().RemoveHandle(hWndNew); // a temporary wrapper of the same window is now stale
    WindowMap().SetPermanent(hWndNew, this);
    m_hWnd = hWndNew;
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hWnd = m_hWnd;
    if (hWnd != nullptr && FromHandlePermanent(hWnd) == this)
        WindowMap().RemoveHandle(hWnd);
    m_hWnd = nullptr;
    return hWnd;
}

void CWnd::HookWindowProc()
{
    auto pfnOld = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
    if (pfnOld != &AfxWndProc)
        m_pfnSuper = pfnOld;
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!Attach(hWnd))
        return FALSE;
    PreSubclassWindow();
    HookWindowProc();
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    HWND hWndControl = ::GetDlgItem(pParent->GetSafeHwnd(), int(nID));
    return hWndControl != nullptr && SubclassWindow(hWndControl);
}

HWND CWnd::UnsubclassWindow()
{
    if (m_pfnSuper != nullptr) {
        ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
        m_pfnSuper = nullptr;
    }
    return Detach();
}

void CWnd::PreSubclassWindow() {}

//---------------------------------------------------------------------------------------------
// Creation and destruction

LRESULT CALLBACK AfxCbtFilterHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    RoutingState& routing = Routing();
    if (nCode == HCBT_CREATEWND && routing.pWndInit != nullptr) {
        CWnd* pWnd = routing.pWndInit;
        routing.pWndInit = nullptr;
        pWnd->Attach(reinterpret_cast<HWND>(wParam));
        pWnd->PreSubclassWindow();
        pWnd->HookWindowProc();
    }
    return ::CallNextHookEx(routing.hCbtHook, nCode, wParam, lParam);
}

void AFXAPI AfxHookWindowCreate(CWnd* pWnd)
{
    RoutingState& routing = Routing();
    if (routing.hCbtHook == nullptr)
        routing.hCbtHook =
            ::SetWindowsHookExW(WH_CBT, &AfxCbtFilterHook, nullptr, ::GetCurrentThreadId());
    routing.pWndInit = pWnd;
}

BOOL AFXAPI AfxUnhookWindowCreate()
{
    RoutingState& routing = Routing();
    if (routing.pWndInit == nullptr)
        return TRUE;
    routing.pWndInit = nullptr; // the window was never created
    return FALSE;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == nullptr)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorW(nullptr, IDC_ARROW),
                                           reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    return TRUE;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                    int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu,
                    LPVOID lpParam)
{
    CREATESTRUCT cs = {
        lpParam, AfxGetInstanceHandle(), nIDorHMenu,     hWndParent,    nHeight,  nWidth, y,
        x,       LONG(dwStyle),          lpszWindowName, lpszClassName, dwExStyle};
    if (!PreCreateWindow(cs)) {
        PostNcDestroy();
        return FALSE;
    }
    AfxHookWindowCreate(this);
    HWND hWnd =
        ::CreateWindowExW(cs.dwExStyle, cs.lpszClass, cs.lpszName, DWORD(cs.style), cs.x, cs.y,
                          cs.cx, cs.cy, cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    if (!AfxUnhookWindowCreate())
        PostNcDestroy(); // creation failed before the window's first message
    return hWnd != nullptr;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                    const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam)
{
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top, pParentWnd->GetSafeHwnd(),
                    reinterpret_cast<HMENU>(UINT_PTR(nID)), lpParam);
}

BOOL CWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, void* pContext)
{
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID,
                    pContext);
}

BOOL CWnd::DestroyWindow()
{
    if (m_hWnd == nullptr)
        return FALSE;
    HWND hWndOrig = m_hWnd;
    CWnd* pPermanent = FromHandlePermanent(hWndOrig);
    BOOL bResult = ::DestroyWindow(hWndOrig);
    // A subclassed window detached itself in OnNcDestroy, and PostNcDestroy may have deleted
    // this object. A window that was only attached never saw WM_NCDESTROY: detach it here.
    if (pPermanent == nullptr || FromHandlePermanent(hWndOrig) == pPermanent)
        Detach();
    return bResult;
}

void CWnd::OnNcDestroy()
{
    // The application ends with its main window.
    CWinThread* pThread = AfxGetThread();
    if (pThread != nullptr && pThread->m_pMainWnd == this) {
        ::PostQuitMessage(0);
        pThread->m_pMainWnd = nullptr;
    }
    WNDPROC pfnWndProc = reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(m_hWnd, GWLP_WNDPROC));
    Default();
    // Give the window its own procedure back unless somebody subclassed it after us.
    if (m_pfnSuper != nullptr &&
        reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(m_hWnd, GWLP_WNDPROC)) == pfnWndProc)
        ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    m_pfnSuper = nullptr;
    Detach();
    PostNcDestroy();
}

void CWnd::PostNcDestroy() {}

//---------------------------------------------------------------------------------------------
// Message routing

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd == nullptr || pWnd->m_hWnd != hWnd)
        return ::DefWindowProcW(hWnd, nMsg, wParam, lParam);
    return AfxCallWndProc(pWnd, hWnd, nMsg, wParam, lParam);
}

LRESULT AFXAPI AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    RoutingState& routing = Routing();
    MSG& lastSent = routing.lastSentMsg;
    const MSG saved = lastSent;
    const MSG* pSavedOuter = routing.pOuterMsg;
    routing.pOuterMsg = routing.nDispatchDepth != 0 ? &saved : nullptr;
    lastSent.hwnd = hWnd;
    lastSent.message = nMsg;
    lastSent.wParam = wParam;
    lastSent.lParam = lParam;
    ++routing.nDispatchDepth;
    LRESULT lResult = pWnd->WindowProc(nMsg, wParam, lParam);
    --routing.nDispatchDepth;
    lastSent = saved;
    routing.pOuterMsg = pSavedOuter;
    return lResult;
}

const MSG* AFXAPI AfxGetCurrentMessage()
{
    return &Routing().lastSentMsg;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult))
        lResult = DefWindowProc(message, wParam, lParam);
    return lResult;
}

namespace {

// A click on a window that a modal popup disabled (the system reports it as HTERROR) brings
// that popup to the front.
BOOL ActivateLastActivePopup(CWnd* pWnd, UINT nHitTest, UINT nMsg)
{
    if (int(nHitTest) != HTERROR ||
        (nMsg != WM_LBUTTONDOWN && nMsg != WM_MBUTTONDOWN && nMsg != WM_RBUTTONDOWN))
        return FALSE;
    CWnd* pLastActive = pWnd->GetTopLevelParent();
    if (pLastActive != nullptr)
        pLastActive = pLastActive->GetLastActivePopup();
    if (pLastActive == nullptr || pLastActive == CWnd::GetForegroundWindow() ||
        !pLastActive->IsWindowEnabled())
        return FALSE;
    pLastActive->SetForegroundWindow();
    return TRUE;
}

// What the search of a class's message maps found for a window message below the registered
// range: the first entry in its map or a base's map, or null. Every message a window receives
// would search that chain, and the maps never change, so what a search found is kept, per map
// and message, as MFC keeps its message cache. Like the handle maps it serves the thread that
// runs the framework's windows.
struct MessageLookup
{
    const AFX_MSGMAP* pMessageMap;
    UINT nMessage;
    const AFX_MSGMAP_ENTRY* lpEntry;

    bool Holds(const AFX_MSGMAP* pMap, UINT message) const
    {
        return pMessageMap == pMap && nMessage == message;
    }
};

MessageLookup& LookupSlot(const AFX_MSGMAP* pMessageMap, UINT message)
{
    constexpr size_t kSlots = 512;
    static MessageLookup s_lookups[kSlots];
    return s_lookups[((reinterpret_cast<uintptr_t>(pMessageMap) >> 4) ^ message) % kSlots];
}

// Registered messages are compared by the entries' thunks, which decline the others.
BOOL CallRegisteredEntry(CCmdTarget* pTarget, const AFX_MSGMAP_ENTRY* lpEntry, AFX_MSGCALL& call)
{
    for (; lpEntry->pfnThunk != nullptr; ++lpEntry) {
        if (lpEntry->nMessage == 0xC000 && lpEntry->pfnThunk(pTarget, call))
            return TRUE;
    }
    return FALSE;
}

} // namespace

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_COMMAND) {
        if (!OnCommand(wParam, lParam))
            return FALSE;
        *pResult = 1;
        return TRUE;
    }
    if (message == WM_NOTIFY) {
        const auto* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
        return pNMHDR->hwndFrom != nullptr && OnNotify(wParam, lParam, pResult);
    }
    if (message == WM_SETCURSOR &&
        ActivateLastActivePopup(this, UINT(short(LOWORD(lParam))), HIWORD(lParam))) {
        *pResult = 1;
        return TRUE;
    }
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC)
        return OnCtlColorMessage(message, wParam, lParam, pResult);

    AFX_MSGCALL call = {message, wParam, lParam, 0, nullptr};
    if (message < 0xC000) {
        const AFX_MSGMAP* pMessageMap = GetMessageMap();
        MessageLookup& lookup = LookupSlot(pMessageMap, message);
        if (!lookup.Holds(pMessageMap, message))
            lookup = {pMessageMap, message, FindWindowMessageEntry(pMessageMap, message)};
        if (lookup.lpEntry == nullptr)
            return FALSE;
        lookup.lpEntry->pfnThunk(this, call);
        *pResult = call.lResult;
        return TRUE;
    }
    for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap->pfnGetBaseMap != nullptr;
         pMap = pMap->pfnGetBaseMap()) {
        const AFX_MSGMAP_ENTRY* lpEntry = FindMessageEntry(pMap->lpEntries, message, 0, 0);
        if (lpEntry != nullptr)
            lpEntry->pfnThunk(this, call);
        else if (!CallRegisteredEntry(this, pMap->lpEntries, call))
            continue;
        *pResult = call.lResult;
        return TRUE;
    }
    return FALSE;
}

const AFX_MSGMAP_ENTRY* CWnd::FindWindowMessageEntry(const AFX_MSGMAP* pMessageMap, UINT message)
{
    for (const AFX_MSGMAP* pMap = pMessageMap; pMap->pfnGetBaseMap != nullptr;
         pMap = pMap->pfnGetBaseMap()) {
        if (const AFX_MSGMAP_ENTRY* lpEntry = FindMessageEntry(pMap->lpEntries, message, 0, 0))
            return lpEntry;
    }
    return nullptr;
}

// The WM_CTLCOLOR* messages reach the handlers of WM_CTLCOLOR, as in 16-bit Windows.
BOOL CWnd::OnCtlColorMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    AFX_CTLCOLOR ctl = {reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam),
                        message - WM_CTLCOLORMSGBOX};
    return OnWndMsg(WM_CTLCOLOR, 0, reinterpret_cast<LPARAM>(&ctl), pResult);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper != nullptr)
        return ::CallWindowProcW(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    const MSG& msg = Routing().lastSentMsg;
    return DefWindowProc(msg.message, msg.wParam, msg.lParam);
}

namespace {

bool IsPushButton(HWND hWnd)
{
    if ((::SendMessageW(hWnd, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON) == 0)
        return false;
    UINT nStyle = UINT(::GetWindowLongPtrW(hWnd, GWL_STYLE) & 0x0F);
    return nStyle != BS_AUTOCHECKBOX && nStyle != BS_AUTO3STATE && nStyle != BS_GROUPBOX &&
           nStyle != BS_AUTORADIOBUTTON;
}

// Records whether an update handler disabled a command, before the command runs.
class CTestCmdUI : public CCmdUI
{
public:
    BOOL m_bEnabled = TRUE;

    void Enable(BOOL bOn) override
    {
        m_bEnabled = bOn;
        m_bEnableChanged = TRUE;
    }
    void SetCheck(int) override {}
    void SetText(LPCTSTR) override {}
};

} // namespace

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    UINT nID = LOWORD(wParam);
    HWND hWndCtrl = reinterpret_cast<HWND>(lParam);
    int nCode = HIWORD(wParam);
    if (hWndCtrl == nullptr) {
        if (nID == 0)
            return FALSE; // no command has id 0
        // A menu or accelerator command runs only while its update handler allows it.
        CTestCmdUI state;
        state.m_nID = nID;
        OnCmdMsg(nID, int(CN_UPDATE_COMMAND_UI), &state, nullptr);
        if (!state.m_bEnabled)
            return TRUE;
        nCode = CN_COMMAND;
    } else {
        if (Routing().hLockoutNotifyWindow == m_hWnd)
            return TRUE; // UpdateData is running: the control's notification is ignored
        if (ReflectLastMsg(hWndCtrl))
            return TRUE; // the control handled its own notification
        if (nID == 0)
            return FALSE;
    }
    return OnCmdMsg(nID, nCode, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult)
{
    auto* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
    if (Routing().hLockoutNotifyWindow == m_hWnd)
        return TRUE;
    if (ReflectLastMsg(pNMHDR->hwndFrom, pResult))
        return TRUE; // the control handled its own notification
    // The id is the control's own, whatever the header says.
    UINT nID = UINT(::GetDlgCtrlID(pNMHDR->hwndFrom));
    AFX_NOTIFY notify = {pResult, pNMHDR};
    return OnCmdMsg(nID, int(MAKELONG(pNMHDR->code, WM_NOTIFY)), &notify, nullptr);
}

// Push buttons without a handler are disabled when bDisableIfNoHndler; check boxes, radio
// buttons, group boxes and the other controls never are.
void CWnd::UpdateDialogControls(CCmdTarget* pTarget, BOOL bDisableIfNoHndler)
{
    CCmdUI state;
    CWnd wndTemp; // the child being asked, without a temporary object per child
    for (HWND hWndChild = ::GetTopWindow(m_hWnd); hWndChild != nullptr;
         hWndChild = ::GetNextWindow(hWndChild, GW_HWNDNEXT)) {
        wndTemp.m_hWnd = hWndChild;
        state.m_nID = UINT(::GetDlgCtrlID(hWndChild));
        state.m_pOther = &wndTemp;

        CWnd* pChild = FromHandlePermanent(hWndChild);
        if (pChild != nullptr &&
            pChild->CWnd::OnCmdMsg(0, int(MAKELONG(0xFFFF, WM_COMMAND + WM_REFLECT_BASE)), &state,
                                   nullptr))
            continue;
        if (CWnd::OnCmdMsg(state.m_nID, int(CN_UPDATE_COMMAND_UI), &state, nullptr))
            continue;
        state.DoUpdate(pTarget, bDisableIfNoHndler && IsPushButton(hWndChild));
    }
    wndTemp.m_hWnd = nullptr;
}

BOOL PASCAL CWnd::ReflectLastMsg(HWND hWndChild, LRESULT* pResult)
{
    CWnd* pWnd = FromHandlePermanent(hWndChild);
    return pWnd != nullptr && pWnd->SendChildNotifyLastMsg(pResult);
}

BOOL CWnd::SendChildNotifyLastMsg(LRESULT* pResult)
{
    const MSG& msg = Routing().lastSentMsg;
    return OnChildNotify(msg.message, msg.wParam, msg.lParam, pResult);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    switch (message) {
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_PARENTNOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_COMPAREITEM:
        return CWnd::OnWndMsg(WM_REFLECT_BASE + message, wParam, lParam, pResult);
    case WM_COMMAND: {
        int nCode = HIWORD(wParam);
        if (!CWnd::OnCmdMsg(0, int(MAKELONG(nCode, WM_REFLECT_BASE + WM_COMMAND)), nullptr,
                            nullptr))
            return FALSE;
        if (pResult != nullptr)
            *pResult = 1;
        return TRUE;
    }
    case WM_NOTIFY: {
        auto* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
        AFX_NOTIFY notify = {pResult, pNMHDR};
        return CWnd::OnCmdMsg(0, int(MAKELONG(pNMHDR->code, WM_REFLECT_BASE + WM_NOTIFY)), &notify,
                              nullptr);
    }
    default:
        break;
    }
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) {
        AFX_CTLCOLOR ctl = {reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam),
                            message - WM_CTLCOLORMSGBOX};
        LRESULT lResult = 0;
        BOOL bResult = CWnd::OnWndMsg(WM_REFLECT_BASE + WM_CTLCOLOR, 0,
                                      reinterpret_cast<LPARAM>(&ctl), &lResult);
        if (pResult != nullptr)
            *pResult = lResult;
        return bResult && lResult != 0; // a null brush leaves the colours to the parent
    }
    return FALSE;
}

//---------------------------------------------------------------------------------------------
// Default handlers that offer the message to the child control first

HBRUSH CWnd::OnCtlColor(CDC*, CWnd* pWnd, UINT)
{
    LRESULT lResult = 0;
    if (pWnd != nullptr && ReflectLastMsg(pWnd->m_hWnd, &lResult))
        return reinterpret_cast<HBRUSH>(lResult);
    return reinterpret_cast<HBRUSH>(Default());
}

void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (lpDrawItemStruct->CtlType != ODT_MENU && ReflectLastMsg(lpDrawItemStruct->hwndItem))
        return;
    Default();
}

namespace {

bool IsDescendantWithId(HWND hWndParent, HWND hWnd, UINT nID)
{
    return hWnd != nullptr && UINT(::GetDlgCtrlID(hWnd)) == nID &&
           (::GetParent(hWnd) == hWndParent || ::IsChild(hWndParent, hWnd));
}

// Whether msg inserts the item that the request measures: a list or combo box measures the
// item it adds from inside the message that adds it, with the data that message carries.
bool InsertsMeasuredItem(const MSG& msg, const MEASUREITEMSTRUCT& mis)
{
    UINT nCtlType = 0;
    switch (msg.message) {
    case LB_ADDSTRING:
    case LB_INSERTSTRING:
        nCtlType = ODT_LISTBOX;
        break;
    case CB_ADDSTRING:
    case CB_INSERTSTRING:
        nCtlType = ODT_COMBOBOX;
        break;
    default:
        return false;
    }
    return mis.CtlType == nCtlType && mis.itemData == ULONG_PTR(msg.lParam);
}

// The descendant of the framework's own that measures the items of the control that asks.
// Asking the window manager for the window tree costs a round trip to the window server per
// window, and even a window's id and parent cost a call into the system each; a list box
// measures every row it inserts, so the control is found without them where it can be. It is
// nearly always the control whose message the framework was handling when the request came: a
// list box measures a row from inside its LB_INSERTSTRING, with that message's item data.
// Otherwise the framework's windows are looked through, and the window tree is walked, as
// GetDescendantWindow does, only when several of them carry the id.
CWnd* FindMeasuringChild(const CWnd* pParent, const MEASUREITEMSTRUCT& mis)
{
    const MSG* pOuter = Routing().pOuterMsg;
    if (pOuter != nullptr && (InsertsMeasuredItem(*pOuter, mis) ||
                              IsDescendantWithId(pParent->m_hWnd, pOuter->hwnd, mis.CtlID))) {
        if (CWnd* pSender = CWnd::FromHandlePermanent(pOuter->hwnd))
            return pSender;
    }
    CWnd* pFound = nullptr;
    int nFound = 0;
    WindowMap().ForEachPermanent([&](HWND hWnd, CWnd* pWnd) {
        if (IsDescendantWithId(pParent->m_hWnd, hWnd, mis.CtlID)) {
            pFound = pWnd;
            ++nFound;
        }
    });
    return nFound > 1 ? pParent->GetDescendantWindow(int(mis.CtlID), TRUE) : pFound;
}

} // namespace

void CWnd::OnMeasureItem(int, LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    if (lpMeasureItemStruct->CtlType != ODT_MENU) {
        CWnd* pChild = FindMeasuringChild(this, *lpMeasureItemStruct);
        if (pChild != nullptr && pChild->SendChildNotifyLastMsg())
            return;
    }
    Default();
}

void CWnd::OnDeleteItem(int, LPDELETEITEMSTRUCT lpDeleteItemStruct)
{
    if (lpDeleteItemStruct->CtlType != ODT_MENU && ReflectLastMsg(lpDeleteItemStruct->hwndItem))
        return;
    Default();
}

int CWnd::OnCompareItem(int, LPCOMPAREITEMSTRUCT lpCompareItemStruct)
{
    LRESULT lResult = 0;
    if (ReflectLastMsg(lpCompareItemStruct->hwndItem, &lResult))
        return int(lResult);
    return int(Default());
}

int CWnd::OnCharToItem(UINT, CListBox* pListBox, UINT)
{
    LRESULT lResult = 0;
    if (pListBox != nullptr && pListBox->SendChildNotifyLastMsg(&lResult))
        return int(lResult);
    return int(Default());
}

int CWnd::OnVKeyToItem(UINT, CListBox* pListBox, UINT)
{
    LRESULT lResult = 0;
    if (pListBox != nullptr && pListBox->SendChildNotifyLastMsg(&lResult))
        return int(lResult);
    return int(Default());
}

void CWnd::OnHScroll(UINT, UINT, CScrollBar* pScrollBar)
{
    if (pScrollBar != nullptr && ReflectLastMsg(pScrollBar->m_hWnd))
        return;
    Default();
}

void CWnd::OnVScroll(UINT, UINT, CScrollBar* pScrollBar)
{
    if (pScrollBar != nullptr && ReflectLastMsg(pScrollBar->m_hWnd))
        return;
    Default();
}

// Child windows learn of changed settings and colours from their top-level window.
void CWnd::OnSettingChange(UINT, LPCTSTR)
{
    if ((GetStyle() & WS_CHILD) == 0) {
        const MSG& msg = Routing().lastSentMsg;
        SendMessageToDescendants(msg.message, msg.wParam, msg.lParam, TRUE, TRUE);
    }
    Default();
}

void CWnd::OnSysColorChange()
{
    if ((GetStyle() & WS_CHILD) == 0)
        SendMessageToDescendants(WM_SYSCOLORCHANGE, 0, 0, TRUE, TRUE);
    Default();
}

void CWnd::SendMessageToDescendants(UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep,
                                    BOOL bOnlyPerm)
{
    SendMessageToDescendants(m_hWnd, message, wParam, lParam, bDeep, bOnlyPerm);
}

// A window of the framework (bOnlyPerm) gets the message through its object directly, without
// a temporary object for the others; children hear it after their parent.
void PASCAL CWnd::SendMessageToDescendants(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam,
                                           BOOL bDeep, BOOL bOnlyPerm)
{
    for (HWND hWndChild = ::GetTopWindow(hWnd); hWndChild != nullptr;
         hWndChild = ::GetNextWindow(hWndChild, GW_HWNDNEXT)) {
        if (!bOnlyPerm)
            ::SendMessageW(hWndChild, message, wParam, lParam);
        else if (CWnd* pWnd = FromHandlePermanent(hWndChild))
            AfxCallWndProc(pWnd, pWnd->m_hWnd, message, wParam, lParam);
        if (bDeep && ::GetTopWindow(hWndChild) != nullptr)
            SendMessageToDescendants(hWndChild, message, wParam, lParam, bDeep, bOnlyPerm);
    }
}

//---------------------------------------------------------------------------------------------
// Keyboard and mouse filtering before dispatch

BOOL CWnd::PreTranslateMessage(MSG* pMsg)
{
    // Mouse moves may show or change a tool tip, keys and clicks hide it.
    if (AfxGetModuleThreadState()->m_bToolTipsEnabled)
        FilterToolTipMessage(pMsg);
    return FALSE;
}

BOOL PASCAL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg)
{
    for (HWND hWnd = pMsg->hwnd; hWnd != nullptr; hWnd = ::GetParent(hWnd)) {
        CWnd* pWnd = FromHandlePermanent(hWnd);
        if (pWnd != nullptr && pWnd->PreTranslateMessage(pMsg))
            return TRUE;
        if (hWnd == hWndStop)
            break;
    }
    return FALSE;
}

BOOL CWnd::PreTranslateInput(LPMSG lpMsg)
{
    bool bKey = lpMsg->message >= WM_KEYFIRST && lpMsg->message <= WM_KEYLAST;
    bool bMouse = lpMsg->message >= WM_MOUSEFIRST && lpMsg->message <= WM_MOUSELAST;
    return (bKey || bMouse) && IsDialogMessage(lpMsg);
}

//---------------------------------------------------------------------------------------------
// Window wrappers with more than one call

BOOL PASCAL CWnd::ModifyStyle(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    DWORD dwStyle = DWORD(::GetWindowLongPtrW(hWnd, GWL_STYLE));
    DWORD dwNewStyle = (dwStyle & ~dwRemove) | dwAdd;
    if (dwStyle == dwNewStyle)
        return FALSE;
    ::SetWindowLongPtrW(hWnd, GWL_STYLE, LONG_PTR(dwNewStyle));
    if (nFlags != 0)
        ::SetWindowPos(hWnd, nullptr, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
    return TRUE;
}

BOOL PASCAL CWnd::ModifyStyleEx(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    DWORD dwStyle = DWORD(::GetWindowLongPtrW(hWnd, GWL_EXSTYLE));
    DWORD dwNewStyle = (dwStyle & ~dwRemove) | dwAdd;
    if (dwStyle == dwNewStyle)
        return FALSE;
    ::SetWindowLongPtrW(hWnd, GWL_EXSTYLE, LONG_PTR(dwNewStyle));
    if (nFlags != 0)
        ::SetWindowPos(hWnd, nullptr, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
    return TRUE;
}

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    return ModifyStyle(m_hWnd, dwRemove, dwAdd, nFlags);
}

BOOL CWnd::ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    return ModifyStyleEx(m_hWnd, dwRemove, dwAdd, nFlags);
}

CWnd* CWnd::GetOwner() const
{
    return m_hWndOwner != nullptr ? FromHandle(m_hWndOwner) : GetParent();
}

CWnd* CWnd::GetTopLevelParent() const
{
    HWND hWnd = m_hWnd;
    for (HWND hParent = ::GetParent(hWnd); hParent != nullptr; hParent = ::GetParent(hWnd))
        hWnd = hParent;
    return FromHandle(hWnd);
}

namespace {

CWnd* FindDescendant(HWND hWndParent, int nID, BOOL bOnlyPerm)
{
    for (HWND hChild = ::GetTopWindow(hWndParent); hChild != nullptr;
         hChild = ::GetNextWindow(hChild, GW_HWNDNEXT)) {
        if (::GetDlgCtrlID(hChild) == nID) {
            CWnd* pWnd = bOnlyPerm ? CWnd::FromHandlePermanent(hChild) : CWnd::FromHandle(hChild);
            if (pWnd != nullptr)
                return pWnd;
        }
        if (CWnd* pFound = FindDescendant(hChild, nID, bOnlyPerm))
            return pFound;
    }
    return nullptr;
}

} // namespace

CWnd* CWnd::GetDescendantWindow(int nID, BOOL bOnlyPerm) const
{
    return FindDescendant(m_hWnd, nID, bOnlyPerm);
}

void CWnd::ClientToScreen(LPRECT lpRect) const
{
    ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<LPPOINT>(lpRect), 2);
}

void CWnd::ScreenToClient(LPRECT lpRect) const
{
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<LPPOINT>(lpRect), 2);
}

void CWnd::CenterWindow(CWnd* pAlternateOwner)
{
    HWND hWndCenter = pAlternateOwner != nullptr ? pAlternateOwner->m_hWnd : ::GetParent(m_hWnd);
    CRect rcArea;
    if (hWndCenter != nullptr && (GetStyle() & WS_CHILD) == 0)
        ::GetWindowRect(hWndCenter, &rcArea);
    else if (hWndCenter != nullptr)
        ::GetClientRect(hWndCenter, &rcArea);
    else
        ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &rcArea, 0);
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    int x = rcArea.left + (rcArea.Width() - rcWindow.Width()) / 2;
    int y = rcArea.top + (rcArea.Height() - rcWindow.Height()) / 2;
    ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CWnd::GetWindowText(CString& rString) const
{
    int nLength = ::GetWindowTextLengthW(m_hWnd);
    ::GetWindowTextW(m_hWnd, rString.GetBufferSetLength(nLength), nLength + 1);
    rString.ReleaseBuffer();
}

int CWnd::GetDlgItemText(int nID, CString& rString) const
{
    rString.Empty();
    HWND hWndItem = ::GetDlgItem(m_hWnd, nID);
    if (hWndItem != nullptr)
        CWnd::FromHandle(hWndItem)->GetWindowText(rString);
    return rString.GetLength();
}

CFont* CWnd::GetFont() const
{
    return CFont::FromHandle(reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)));
}

BOOL CWnd::GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask)
{
    lpScrollInfo->cbSize = sizeof(SCROLLINFO);
    lpScrollInfo->fMask = nMask;
    return ::GetScrollInfo(m_hWnd, nBar, lpScrollInfo);
}

//---------------------------------------------------------------------------------------------
// Window classes

LPCTSTR AFXAPI AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground,
                                   HICON hIcon)
{
    static wchar_t szName[96];
    HINSTANCE hInst = AfxGetInstanceHandle();
    ::swprintf(szName, sizeof szName / sizeof szName[0], L"Afx:%p:%x:%p:%p:%p",
               static_cast<void*>(hInst), nClassStyle, static_cast<void*>(hCursor),
               static_cast<void*>(hbrBackground), static_cast<void*>(hIcon));
    WNDCLASSW wc = {};
    if (::GetClassInfoW(hInst, szName, &wc))
        return szName;
    wc.style = nClassStyle;
    wc.lpfnWndProc = ::DefWindowProcW;
    wc.hInstance = hInst;
    wc.hCursor = hCursor;
    wc.hbrBackground = hbrBackground;
    wc.hIcon = hIcon;
    wc.lpszClassName = szName;
    return ::RegisterClassW(&wc) != 0 ? szName : nullptr;
}
