// The process-wide maker of frame containers.
#pragma once

#include <afxwin.h>

#include <vector>

class CZNFrameContainer;
class CZNFrameFactory;

// The factory of the process, made on first use and gone when the module unloads.
AFX_EXT_API CZNFrameFactory& GetFrameFactory();

// Makes frame containers from one in-memory dialog template.
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

private:
    // Writes the rectangle into the template as its position and size.
    void SetTemplateRect(const RECT& rect);

    std::vector<BYTE> m_Template; // DLGTEMPLATEEX of a container, in the message font
};
