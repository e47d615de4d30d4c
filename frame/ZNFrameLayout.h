// Layout strategies that place the controls of a frame container inside its client area.
#pragma once

#include <afxwin.h>

#include <vector>

class CZNFrameContainer;

// The strategy a container calls whenever it is resized. The container owns it.
class AFX_EXT_CLASS CZNFrameLayout
{
public:
    enum eZNFrameLayoutKind
    {
        FLK_ABSOLUTE = 0, // CZNFrameLayoutAbsolute
        FLK_BORDER = 1,   // CZNFrameLayoutBorder
    };

    virtual ~CZNFrameLayout();

    // Overridables
    virtual void Release();
    // The container inserted or removed the control at nIndex.
    virtual void OnControlInserted(int nIndex);
    virtual void OnControlRemoved(int nIndex);
    virtual void RecalcLayout() = 0;
    // bMax: the largest width and height of the controls, from (0, 0). Otherwise the rectangle
    // that all the controls' rectangles cover together. Empty without controls.
    virtual void GetBounds(RECT* pBounds, bool bMax) const;

    int GetKind() const { return m_nKind; }
    CZNFrameContainer* GetContainer() const { return m_pContainer; }

protected:
    CZNFrameLayout(int nKind, CZNFrameContainer* pContainer);

    int m_nKind;                     // eZNFrameLayoutKind
    CZNFrameContainer* m_pContainer; // the container laid out; not owned
};

// Keeps the controls where they are relative to each other and moves the group so that its
// top-left corner sits on the container's margin corner; sizes never change.
class AFX_EXT_CLASS CZNFrameLayoutAbsolute : public CZNFrameLayout
{
public:
    explicit CZNFrameLayoutAbsolute(CZNFrameContainer* pContainer);

    void RecalcLayout() override;
};

// Docks every control to an edge of the container, or to the centre, which takes what the
// bands along the edges leave. Bands along the top and bottom span the full width, those on the
// left and right the height between them; controls docked to one band share its rectangle.
class AFX_EXT_CLASS CZNFrameLayoutBorder : public CZNFrameLayout
{
public:
    enum eZNFrameDock
    {
        FD_TOP = 0,
        FD_RIGHT = 1,
        FD_BOTTOM = 2,
        FD_LEFT = 3,
        FD_CENTER = 4,
    };

    // Every control already in the container starts in the centre.
    explicit CZNFrameLayoutBorder(CZNFrameContainer* pContainer);

    void OnControlInserted(int nIndex) override;
    void OnControlRemoved(int nIndex) override;
    void RecalcLayout() override;
    // Docks the control at nIndex; an index without a control or an unknown dock changes nothing.
    virtual void SetDock(int nIndex, int nDock);

    int GetDock(int nIndex) const;

protected:
    std::vector<int> m_Docks; // eZNFrameDock of each control, in the container's order
};

// Makes the layout of the given kind for the container; false for an unknown kind, a null
// pLayout or when memory runs out.
AFX_EXT_API bool CreateFrameLayout(int nKind, CZNFrameContainer* pContainer,
                                   CZNFrameLayout** ppLayout);
