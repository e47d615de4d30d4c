// A frame control that wraps an existing window.
#pragma once

#include "frame/ZNFrameControl.h"

// Lets a container place a window it does not own: the window moves into the container on
// insertion and back to its former parent on removal, and always wants the size it had when
// it was wrapped.
class AFX_EXT_CLASS CZNFrameControlWnd : public CZNFrameControl
{
public:
    explicit CZNFrameControlWnd(HWND hWndControl);

    void SetParentContainer(CZNFrameContainer* pContainer) override;
    void SetSize(int cx, int cy) override;
    void SetPosition(int x, int y) override;
    void SetRect(int left, int top, int right, int bottom) override;
    void GetRect(RECT* pRect) const override;
    void GetPreferredSize(SIZE* pSize, bool bMax) const override;
    // Deletes the node; the window stays.
    void Release() override;

    HWND GetControlWindow() const { return m_hWndControl; }

protected:
    HWND m_hWndControl;        // the wrapped window
    HWND m_hWndOriginalParent; // its parent when it was wrapped
    CRect m_rcInitial;         // its window rectangle on the screen when it was wrapped
};
