// A window placed by a frame container.
#include "frame/ZNFrameControlWnd.h"

#include "frame/ZNFrameContainer.h"

CZNFrameControlWnd::CZNFrameControlWnd(HWND hWndControl)
    : CZNFrameControl(FCK_WINDOW), m_hWndControl(hWndControl),
      m_hWndOriginalParent(hWndControl == nullptr ? nullptr : ::GetParent(hWndControl))
{
    if (m_hWndControl != nullptr)
        ::GetWindowRect(m_hWndControl, &m_rcInitial);
}

void CZNFrameControlWnd::SetParentContainer(CZNFrameContainer* pContainer)
{
    if (m_hWndControl == nullptr)
        return;
    CZNFrameControl::SetParentContainer(pContainer);
    ::SetParent(m_hWndControl, pContainer != nullptr ? pContainer->m_hWnd : m_hWndOriginalParent);
    // Notifications that the framework routes to the owner still reach the former parent.
    if (CWnd* pWnd = CWnd::FromHandlePermanent(m_hWndControl))
        pWnd->SetOwner(CWnd::FromHandle(m_hWndOriginalParent));
}

void CZNFrameControlWnd::SetSize(int cx, int cy)
{
    if (m_hWndControl != nullptr)
        ::SetWindowPos(m_hWndControl, nullptr, 0, 0, cx, cy,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CZNFrameControlWnd::SetPosition(int x, int y)
{
    if (m_hWndControl != nullptr)
        ::SetWindowPos(m_hWndControl, nullptr, x, y, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CZNFrameControlWnd::SetRect(int left, int top, int right, int bottom)
{
    if (m_hWndControl != nullptr)
        SetWindowRect(m_hWndControl, left, top, right, bottom);
}

void CZNFrameControlWnd::GetRect(RECT* pRect) const
{
    if (m_hWndControl != nullptr)
        GetWindowRectInParent(m_hWndControl, pRect);
}

void CZNFrameControlWnd::GetPreferredSize(SIZE* pSize, bool) const
{
    if (m_hWndControl != nullptr)
        *pSize = m_rcInitial.Size();
}

void CZNFrameControlWnd::Release()
{
    delete this;
}
