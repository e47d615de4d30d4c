// The node of a frame tree: something a frame container places inside its client area.
#pragma once

#include <afxwin.h>

class CZNFrameContainer;

// What a frame tree is made of: every node can be moved and sized and tells the size it wants,
// so that the layout of its container can place it. Nodes are told apart by their kind.
class AFX_EXT_CLASS CZNFrameControl
{
public:
    enum eZNFrameControlKind
    {
        FCK_NODE = 0,           // a node of the host's own
        FCK_WINDOW = 1,         // CZNFrameControlWnd
        FCK_CONTAINER = 2,      // CZNFrameContainer
        FCK_SPLITCONTAINER = 3, // CZNFrameSplitContainer
    };

    virtual ~CZNFrameControl();

    // Overridables
    virtual void SetParentContainer(CZNFrameContainer* pContainer);
    virtual void SetSize(int cx, int cy) = 0;
    virtual void SetPosition(int x, int y) = 0;
    virtual void SetRect(int left, int top, int right, int bottom) = 0;
    // The node's rectangle in the client coordinates of its parent window.
    virtual void GetRect(RECT* pRect) const = 0;
    // The size the node wants; pSize holds the space offered on entry. bMax asks a container
    // for the largest of its nodes instead of the rectangle they cover together.
    virtual void GetPreferredSize(SIZE* pSize, bool bMax) const = 0;
    // Gives the node up for good; a plain node is not owned and stays.
    virtual void Release();

    // Attributes
    CZNFrameContainer* GetParentContainer() const { return m_pParentContainer; }
    int GetKind() const { return m_nKind; }

protected:
    explicit CZNFrameControl(int nKind = FCK_NODE);

    // The rectangle of a window in the client coordinates of its parent, or on the screen for a
    // window without a parent.
    static void GetWindowRectInParent(HWND hWnd, RECT* pRect);
    // Moves and sizes a window, leaving its place in the Z order.
    static void SetWindowRect(HWND hWnd, int left, int top, int right, int bottom);
    // Where the node's window is, with the node's preferred size: how a node that arranges
    // other nodes measures itself.
    void GetPreferredRectOfWindow(HWND hWnd, RECT* pRect) const;

    CZNFrameContainer* m_pParentContainer; // the container holding the node; null when free
    int m_nKind;                           // eZNFrameControlKind
};
