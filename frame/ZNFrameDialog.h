// The base of resizable dialogs whose controls a tree of frame containers places.
#pragma once

#include <afxwin.h>

class CZNFrameContainer;

// Keeps its root frame container the size of its client area, so that the whole tree is laid
// out again whenever the user resizes it; keeps the size grip, when there is one, in the
// bottom-right corner; and stops WM_SIZING at a minimum window size. A derived dialog builds
// its frame tree in OnCreateFrame, typically ending with CZNFrameFactory::LoadPlacement, and
// saves the placement in OnDestroyFrame.
class AFX_EXT_CLASS CZNFrameDialog : public CDialog
{
    DECLARE_DYNAMIC(CZNFrameDialog)
public:
    explicit CZNFrameDialog(UINT nIDTemplate, CWnd* pParent = nullptr);
    ~CZNFrameDialog() override;

    // Overridables
    // Builds the frame tree at the end of OnInitDialog; false when it could not be built.
    virtual bool OnCreateFrame() = 0;
    // Runs as the window is destroyed, before its children go.
    virtual void OnDestroyFrame() = 0;

    BOOL OnInitDialog() override;

protected:
    CZNFrameContainer* m_pContainer; // the root container; null until OnCreateFrame makes it
    CScrollBar m_SizeGrip;           // the size grip, when the derived dialog creates it
    CSize m_sizeMin;                 // the smallest window size WM_SIZING allows; none at first

    // Makes the size grip a child of the root container, with control id 100.
    BOOL CreateSizeGrip();
    // What a new client size means: the grip to the corner (hidden while maximised) and the
    // root container, with the whole tree, to the client area.
    void ArrangeFrame(int cx, int cy);

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnSizing(UINT nSide, LPRECT lpRect);
    afx_msg void OnDestroy();

    DECLARE_MESSAGE_MAP()
};
