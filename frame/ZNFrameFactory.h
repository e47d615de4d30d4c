// The process-wide maker of frame containers, which also keeps frame dialogs' placement.
#pragma once

#include <afxwin.h>

#include <vector>

class CZNFrameContainer;
class CZNFrameSplitContainer;
class CZNFrameFactory;

// The factory of the process, made on first use and gone when the module unloads.
AFX_EXT_API CZNFrameFactory& GetFrameFactory();

// Makes frame containers (and split containers) from one in-memory dialog template, and saves
// and restores a frame dialog's window placement and splitter ratios in the application
// profile, in the section "Dialogs\" followed by the dialog's name.
class AFX_EXT_CLASS CZNFrameFactory
{
public:
    // Every user shares the factory that GetFrameFactory gives.
    CZNFrameFactory();
    CZNFrameFactory(const CZNFrameFactory&) = delete;
    CZNFrameFactory& operator=(const CZNFrameFactory&) = delete;

    // A visible container, child of pParent, with a new layout of the given kind
    // (CZNFrameLayout::eZNFrameLayoutKind). It takes pRect as dialog units at first; the first
    // SetRect gives it its pixel rectangle. A container made inside a window whose text is
    // "TabItemContainer" records that window's object as its tab item. The caller adds the
    // container to an enclosing container itself.
    bool CreateContainer(CWnd* pParent, RECT* pRect, int nLayoutKind,
                         CZNFrameContainer** ppContainer);
    // A visible split container, child of pParent at pRect (pixels), split the given way
    // (CZNFrameSplitContainer::eZNFrameSplit) between two empty panes with layouts of the given
    // kind. nSplitId names its ratio in the profile of the dialog it is on.
    bool CreateSplitContainer(CWnd* pParent, RECT* pRect, int nSplitId, int nSplit,
                              int nPaneLayoutKind, CZNFrameSplitContainer** ppSplit);

    // Placement of a frame dialog's window: its rectangle, brought onto the visible work area,
    // and whether it was maximised, except for a child dialog (one with a parent and without
    // WS_POPUP); and the ratio of every split container in the tree under pRoot. False for a
    // dialog without a window or without an application object.
    bool LoadPlacement(CZNFrameContainer* pRoot, CWnd* pDialog, const char* pszName);
    bool SavePlacement(CZNFrameContainer* pRoot, CWnd* pDialog, const char* pszName);

private:
    // Writes the rectangle into the template as its position and size.
    void SetTemplateRect(const RECT& rect);

    std::vector<BYTE> m_Template; // DLGTEMPLATEEX of a container, in the message font
};
