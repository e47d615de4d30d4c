// Modal windows: the owner a new popup gets, and the modal message loop with its idle calls.
#include "AfxState.h"

#include <afxpriv.h>

using afx_internal::Routing;

CWnd* PASCAL CWnd::GetSafeOwner(CWnd* pParent, HWND* pWndTop)
{
    return FromHandle(GetSafeOwner_(pParent->GetSafeHwnd(), pWndTop));
}

HWND PASCAL CWnd::GetSafeOwner_(HWND hParent, HWND* pWndTop)
{
    HWND hWnd = hParent;
    if (hWnd == nullptr) {
        CFrameWnd* pFrame = Routing().pRoutingFrame;
        hWnd = pFrame != nullptr ? pFrame->GetSafeHwnd() : AfxGetMainWnd()->GetSafeHwnd();
    }
    // A popup cannot be owned by a child window.
    while (hWnd != nullptr && (::GetWindowLongPtrW(hWnd, GWL_STYLE) & WS_CHILD) != 0)
        hWnd = ::GetParent(hWnd);

    // The end of the chain of owners is disabled as well.
    HWND hWndTop = hWnd;
    for (HWND hWndUp = hWnd; hWndUp != nullptr; hWndUp = ::GetParent(hWndUp))
        hWndTop = hWndUp;

    // Without a parent, a popup open in that window (an outer modal dialog) owns the new one.
    if (hParent == nullptr && hWnd != nullptr)
        hWnd = ::GetLastActivePopup(hWnd);

    if (pWndTop != nullptr) {
        *pWndTop = nullptr;
        if (hWndTop != nullptr && ::IsWindowEnabled(hWndTop) && hWndTop != hWnd) {
            *pWndTop = hWndTop;
            ::EnableWindow(hWndTop, FALSE);
        }
    }
    return hWnd;
}

namespace {

const MSG& LastPumpedMessage()
{
    CWinThread* pThread = AfxGetThread();
    return pThread != nullptr ? pThread->m_msgCur : Routing().msgPumped;
}

BOOL IsIdleMessage(MSG* pMsg)
{
    CWinThread* pThread = AfxGetThread();
    return pThread == nullptr || pThread->IsIdleMessage(pMsg);
}

} // namespace

// While the queue is empty the loop shows the window (MLF_SHOWONIDLE), tells the parent once
// (WM_ENTERIDLE) and kicks the window (WM_KICKIDLE with counts 0, 1, ...) until it answers
// FALSE; a message that is not only a repaint starts the idle counting again.
int CWnd::RunModalLoop(DWORD dwFlags)
{
    bool bIdle = true;
    LONG lIdleCount = 0;
    bool bShowIdle = (dwFlags & MLF_SHOWONIDLE) != 0 && (GetStyle() & WS_VISIBLE) == 0;
    auto showIfDue = [&] {
        if (bShowIdle) {
            ShowWindow(SW_SHOWNORMAL);
            UpdateWindow();
            bShowIdle = false;
        }
    };
    HWND hWndParent = ::GetParent(m_hWnd);
    m_nFlags |= WF_MODALLOOP | WF_CONTINUEMODAL;

    bool bQuit = false;
    MSG msgPeek;
    while (!bQuit && ContinueModal()) {
        while (bIdle && !::PeekMessageW(&msgPeek, nullptr, 0, 0, PM_NOREMOVE)) {
            showIfDue();
            if ((dwFlags & MLF_NOIDLEMSG) == 0 && hWndParent != nullptr && lIdleCount == 0)
                ::SendMessageW(hWndParent, WM_ENTERIDLE, MSGF_DIALOGBOX,
                               reinterpret_cast<LPARAM>(m_hWnd));
            if ((dwFlags & MLF_NOKICKIDLE) != 0 ||
                !SendMessage(WM_KICKIDLE, MSGF_DIALOGBOX, lIdleCount++))
                bIdle = false;
        }
        do {
            if (!AfxPumpMessage()) {
                ::PostQuitMessage(0); // keep the quit request for the outer loop
                bQuit = true;
                break;
            }
            // The caret's timer (0x0118) or a system key shows a dialog that waits for idle.
            MSG msg = LastPumpedMessage();
            if (msg.message == 0x0118 || msg.message == WM_SYSKEYDOWN)
                showIfDue();
            if (!ContinueModal())
                break;
            if (IsIdleMessage(&msg)) {
                bIdle = true;
                lIdleCount = 0;
            }
        } while (::PeekMessageW(&msgPeek, nullptr, 0, 0, PM_NOREMOVE));
    }
    m_nFlags &= ~(WF_MODALLOOP | WF_CONTINUEMODAL);
    return bQuit ? -1 : m_nModalResult;
}

BOOL CWnd::ContinueModal()
{
    return (m_nFlags & WF_CONTINUEMODAL) != 0;
}

void CWnd::EndModalLoop(int nResult)
{
    m_nModalResult = nResult;
    if ((m_nFlags & WF_CONTINUEMODAL) != 0) {
        m_nFlags &= ~WF_CONTINUEMODAL;
        PostMessage(WM_NULL); // wake the loop
    }
}
