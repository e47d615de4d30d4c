// A borderless child dialog that holds frame controls and places them with a layout.
#pragma once

#include "frame/ZNFrameControl.h"

#include <vector>

class CZNFrameLayout;

// The inner node of a frame tree. It owns the controls inserted into it and its layout, lays
// them out again whenever it is resized, and is itself a frame control, so containers nest.
// Containers are made by the frame factory (CZNFrameFactory::CreateContainer).
class AFX_EXT_CLASS CZNFrameContainer : public CDialog, public CZNFrameControl
{
    DECLARE_DYNAMIC(CZNFrameContainer)
public:
    CZNFrameContainer();
    ~CZNFrameContainer() override;

    // Controls: the container owns them from insertion to its own end, not after removal.
    virtual bool AddControl(CZNFrameControl* pControl);
    // False for a null control or an index above the count.
    virtual bool InsertControl(CZNFrameControl* pControl, int nIndex);
    // The control is handed back to its former parent, not released.
    virtual bool RemoveControlAt(int nIndex);
    virtual bool RemoveControl(CZNFrameControl* pControl);
    virtual CZNFrameControl* GetControl(int nIndex) const;
    virtual int GetControlCount() const;

    // Layout: owned; a new one releases the old one.
    virtual void SetLayout(CZNFrameLayout* pLayout);
    virtual CZNFrameLayout* GetLayout() const;
    // The area the layout fills: the client rectangle.
    virtual void GetLayoutRect(RECT* pRect) const;

    // The tab page the container lives on, if any.
    virtual void SetTabItem(CWnd* pTabItem);
    virtual CWnd* GetTabItem() const;

    // Room kept free inside the client area, on each side.
    virtual void SetMargins(int left, int top, int right, int bottom);
    virtual void GetMargins(RECT* pMargins) const;

    // CZNFrameControl
    void SetSize(int cx, int cy) override;
    void SetPosition(int x, int y) override;
    void SetRect(int left, int top, int right, int bottom) override;
    // Left and top of the window; its width and height are the preferred ones.
    void GetRect(RECT* pRect) const override;
    // The layout's bounds, at least the offered size, plus the margins.
    void GetPreferredSize(SIZE* pSize, bool bMax) const override;
    void Release() override;

protected:
    std::vector<CZNFrameControl*> m_Controls; // in layout order, owned
    CZNFrameLayout* m_pLayout;                // owned; null until set
    CRect m_rcMargins;                        // free room on each side, in pixels
    CWnd* m_pTabItem;                         // the enclosing tab page window, if any

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnPaint();
    afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
    afx_msg void OnClose();

    DECLARE_MESSAGE_MAP()

private:
    void RecalcLayout();
};
