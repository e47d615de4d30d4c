// The node every frame control derives from.
#include "frame/ZNFrameControl.h"

CZNFrameControl::CZNFrameControl(int nKind) : m_pParentContainer(nullptr), m_nKind(nKind) {}

CZNFrameControl::~CZNFrameControl() = default;

void CZNFrameControl::SetParentContainer(CZNFrameContainer* pContainer)
{
    m_pParentContainer = pContainer;
}

void CZNFrameControl::Release() {}

void CZNFrameControl::GetWindowRectInParent(HWND hWnd, RECT* pRect)
{
    ::GetWindowRect(hWnd, pRect);
    // A top-level window's GetParent is its owner, whose client area means nothing here.
    HWND hWndParent =
        (::GetWindowLongPtrW(hWnd, GWL_STYLE) & WS_CHILD) != 0 ? ::GetParent(hWnd) : nullptr;
    if (hWndParent != nullptr)
        ::MapWindowPoints(nullptr, hWndParent, reinterpret_cast<POINT*>(pRect), 2);
}

void CZNFrameControl::SetWindowRect(HWND hWnd, int left, int top, int right, int bottom)
{
    ::SetWindowPos(hWnd, nullptr, left, top, right - left, bottom - top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

void CZNFrameControl::GetPreferredRectOfWindow(HWND hWnd, RECT* pRect) const
{
    GetWindowRectInParent(hWnd, pRect);
    SIZE size = {0, 0};
    GetPreferredSize(&size, false);
    pRect->right = pRect->left + size.cx;
    pRect->bottom = pRect->top + size.cy;
}
