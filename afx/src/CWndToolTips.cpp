// Tool tips of framework windows: the filter that every window's PreTranslateMessage runs once
// some window has enabled tool tips. It asks the window under the mouse for its tool
// (OnToolHitTest), keeps exactly that one tool in the thread's tool-tip control, and relays the
// mouse messages to the control so that it shows and hides the tip itself.
#include <afxcmn.h>
#include <afxstat_.h>

#include <cstdlib>

AFX_MODULE_THREAD_STATE* AFXAPI AfxGetModuleThreadState()
{
    static AFX_MODULE_THREAD_STATE state;
    return &state;
}

namespace {

// The tool-tip control tells which of its tools' windows is under the point of the message.
void RelayToolTipMessage(CToolTipCtrl* pToolTip, const MSG* pMsg)
{
    MSG msg = *pMsg;
    msg.hwnd = reinterpret_cast<HWND>(
        pToolTip->SendMessage(TTM_WINDOWFROMPOINT, 0, reinterpret_cast<LPARAM>(&msg.pt)));
    CPoint point = pMsg->pt;
    if (msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST)
        ::ScreenToClient(msg.hwnd, &point);
    msg.lParam = MAKELONG(point.x, point.y);
    pToolTip->SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
}

bool IsMouseMoveOrRelease(UINT message)
{
    return message == WM_MOUSEMOVE || message == WM_NCMOUSEMOVE || message == WM_LBUTTONUP ||
           message == WM_RBUTTONUP || message == WM_MBUTTONUP;
}

bool AnyMouseButtonDown()
{
    return ::GetKeyState(VK_LBUTTON) < 0 || ::GetKeyState(VK_RBUTTON) < 0 ||
           ::GetKeyState(VK_MBUTTON) < 0;
}

bool IsKey(UINT message)
{
    return (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
           (message >= WM_SYSKEYDOWN && message <= WM_SYSDEADCHAR);
}

// The nearest window, from the message's target up, that shows tool tips.
CWnd* ToolTipWindowOf(HWND hWnd)
{
    CWnd* pWnd = CWnd::FromHandle(hWnd);
    while (pWnd != nullptr && (pWnd->m_nFlags & WF_TOOLTIPS) == 0)
        pWnd = pWnd->GetParent();
    return pWnd;
}

// The thread's control, made anew when the tips move to another top-level window.
CToolTipCtrl* ToolTipControlFor(CWnd* pOwner)
{
    AFX_MODULE_THREAD_STATE* pState = AfxGetModuleThreadState();
    if (pState->m_pToolTip != nullptr && pState->m_pToolTip->GetOwner() != pOwner) {
        pState->m_pToolTip->DestroyWindow();
        delete pState->m_pToolTip;
        pState->m_pToolTip = nullptr;
        pState->m_pLastHit = nullptr;
        pState->m_nLastHit = -1;
        pState->m_lastInfo = {};
    }
    if (pState->m_pToolTip == nullptr) {
        auto* pToolTip = new CToolTipCtrl;
        if (!pToolTip->Create(pOwner, TTS_ALWAYSTIP)) {
            delete pToolTip;
            return nullptr;
        }
        pToolTip->Activate(FALSE);
        pState->m_pToolTip = pToolTip;
    }
    return pState->m_pToolTip;
}

} // namespace

BOOL CWnd::EnableToolTips(BOOL bEnable)
{
    AFX_MODULE_THREAD_STATE* pState = AfxGetModuleThreadState();
    if (bEnable) {
        m_nFlags |= WF_TOOLTIPS;
        pState->m_bToolTipsEnabled = TRUE;
        return TRUE;
    }
    if ((m_nFlags & WF_TOOLTIPS) == 0)
        return TRUE;
    if (pState->m_pLastHit == this)
        CancelToolTips(TRUE);
    m_nFlags &= ~WF_TOOLTIPS;
    return TRUE;
}

// By default a child control under the point is the tool; its tip text is asked for later.
INT_PTR CWnd::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    HWND hWndChild = ::ChildWindowFromPointEx(m_hWnd, point, CWP_SKIPINVISIBLE);
    if (hWndChild == nullptr || hWndChild == m_hWnd)
        return -1;
    if (pTI != nullptr) {
        pTI->hwnd = m_hWnd;
        pTI->uId = reinterpret_cast<UINT_PTR>(hWndChild);
        pTI->uFlags |= TTF_IDISHWND;
        pTI->lpszText = LPSTR_TEXTCALLBACK;
        if ((::SendMessageW(hWndChild, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON) == 0)
            pTI->uFlags |= TTF_NOTBUTTON | TTF_CENTERTIP;
    }
    return ::GetDlgCtrlID(hWndChild);
}

void CWnd::FilterToolTipMessage(MSG* pMsg)
{
    if (ToolTipWindowOf(pMsg->hwnd) != this)
        return; // not this window's tips, or a nearer window handles them

    if (!IsMouseMoveOrRelease(pMsg->message) || AnyMouseButtonDown()) {
        if (IsKey(pMsg->message) || pMsg->message == WM_LBUTTONDOWN ||
            pMsg->message == WM_LBUTTONDBLCLK || pMsg->message == WM_RBUTTONDOWN ||
            pMsg->message == WM_MBUTTONDOWN)
            CancelToolTips(IsKey(pMsg->message));
        return;
    }

    CToolTipCtrl* pToolTip = ToolTipControlFor(GetParentOwner());
    if (pToolTip == nullptr)
        return;

    CPoint point = pMsg->pt;
    ::ScreenToClient(m_hWnd, &point);
    TOOLINFO tiHit = {};
    tiHit.cbSize = TTTOOLINFOW_V2_SIZE;
    INT_PTR nHit = OnToolHitTest(point, &tiHit);
    CWnd* pHitWnd = nHit == -1 ? nullptr : this;

    AFX_MODULE_THREAD_STATE* pState = AfxGetModuleThreadState();
    if (pState->m_nLastHit != nHit || pState->m_pLastHit != pHitWnd) {
        // Another tool: register it, let the control see the move, then drop the old one.
        if (nHit != -1) {
            TOOLINFO ti = tiHit;
            ti.uFlags &= ~(TTF_NOTBUTTON | TTF_ALWAYSTIP);
            pToolTip->SendMessage(TTM_ADDTOOL, 0, reinterpret_cast<LPARAM>(&ti));
            if ((tiHit.uFlags & TTF_ALWAYSTIP) != 0 || IsTopParentActive()) {
                pToolTip->Activate(TRUE);
                ::SetWindowPos(pToolTip->m_hWnd, HWND_TOP, 0, 0, 0, 0,
                               SWP_NOACTIVATE | SWP_NOSIZE | SWP_NOMOVE | SWP_NOOWNERZORDER);
            }
        } else {
            pToolTip->Activate(FALSE);
        }
        RelayToolTipMessage(pToolTip, pMsg);
        if (pState->m_lastInfo.cbSize != 0)
            pToolTip->SendMessage(TTM_DELTOOL, 0, reinterpret_cast<LPARAM>(&pState->m_lastInfo));
        pState->m_pLastHit = pHitWnd;
        pState->m_nLastHit = nHit;
        pState->m_lastInfo = tiHit;
    } else if (nHit != -1) {
        RelayToolTipMessage(pToolTip, pMsg);
    }

    // The tool-tip control copied the text; the hit test allocated it with malloc.
    if (tiHit.lpszText != LPSTR_TEXTCALLBACK && tiHit.hinst == nullptr)
        std::free(tiHit.lpszText);
    pState->m_lastInfo.lpszText = nullptr;
}

void PASCAL CWnd::CancelToolTips(BOOL)
{
    CToolTipCtrl* pToolTip = AfxGetModuleThreadState()->m_pToolTip;
    if (pToolTip != nullptr && pToolTip->m_hWnd != nullptr)
        pToolTip->Activate(FALSE);
}

CWnd* CWnd::GetParentOwner() const
{
    HWND hWnd = m_hWnd;
    while (hWnd != nullptr && (::GetWindowLongPtrW(hWnd, GWL_STYLE) & WS_CHILD) != 0)
        hWnd = ::GetParent(hWnd);
    return FromHandle(hWnd);
}

BOOL CWnd::IsTopParentActive() const
{
    HWND hWndTop = GetTopLevelParent()->GetSafeHwnd();
    return hWndTop != nullptr && ::GetForegroundWindow() == ::GetLastActivePopup(hWndTop);
}
