// A frame control that shows two frame containers beside each other with a bar between them.
#pragma once

#include "frame/ZNFrameControl.h"

class CZNFrameContainer;

// Splits its rectangle between two panes, each a frame container, at a ratio the user changes
// by dragging the bar. A frame dialog keeps the ratio in its profile under the split's id.
// Split containers are made by the frame factory (CZNFrameFactory::CreateSplitContainer).
class AFX_EXT_CLASS CZNFrameSplitContainer : public CWnd, public CZNFrameControl
{
    DECLARE_DYNAMIC(CZNFrameSplitContainer)
public:
    enum eZNFrameSplit
    {
        FS_COLUMNS = 0, // panes left and right of an upright bar
        FS_ROWS = 1,    // panes above and below a level bar
    };
    static constexpr int kBarThickness = 6; // pixels between the panes

    ~CZNFrameSplitContainer() override;

    // Attributes
    int GetSplitId() const { return m_nSplitId; }
    int GetSplit() const { return m_nSplit; }
    // Pane 0 is the left or upper one, pane 1 the other; null for any other index.
    CZNFrameContainer* GetPane(int nPane) const;
    // The first pane's share of the room beside the bar, 0 to 1.
    float GetSplitRatio() const { return m_fRatio; }
    // Clamps the ratio to 0..1 and lays the panes out again.
    void SetSplitRatio(float fRatio);
    void RecalcLayout();

    // CZNFrameControl
    void SetSize(int cx, int cy) override;
    void SetPosition(int x, int y) override;
    void SetRect(int left, int top, int right, int bottom) override;
    // Left and top of the window; its width and height are the preferred ones.
    void GetRect(RECT* pRect) const override;
    // The panes' preferred sizes beside each other with the bar between, at least the offered.
    void GetPreferredSize(SIZE* pSize, bool bMax) const override;
    void Release() override;

protected:
    friend class CZNFrameFactory;
    CZNFrameSplitContainer(int nSplitId, int nSplit);
    // Makes the window and both panes.
    bool Create(CWnd* pParent, const RECT& rect, int nPaneLayoutKind);

    int m_nSplitId;                 // the ratio's number in the profile
    int m_nSplit;                   // eZNFrameSplit
    CZNFrameContainer* m_pPanes[2]; // owned
    float m_fRatio;                 // first pane's share of the room beside the bar
    int m_nDragOffset;              // where in the bar the drag took hold

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);

    DECLARE_MESSAGE_MAP()

private:
    // Along the split: the client extent and the room the panes share.
    int ClientExtent() const;
    int PaneRoom() const
    {
        return ClientExtent() > kBarThickness ? ClientExtent() - kBarThickness : 0;
    }
    int BarPosition() const;
    int Along(CPoint point) const { return m_nSplit == FS_COLUMNS ? point.x : point.y; }
    bool IsDragging() const { return ::GetCapture() == m_hWnd; }
};
