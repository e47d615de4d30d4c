// Tarvex.PropertyGrid: the property-grid control for MFC applications.
//
// A host calls InitPropertyGridCtrl() once, then subclasses an owner-drawn, variable-height
// list box without strings (LBS_OWNERDRAWVARIABLE | LBS_NOTIFY) onto a CZNPropertyGrid.
#pragma once

#include <afxwin.h>

// Puts the module into the host's resource chain; call once before creating grids.
extern "C" AFX_EXT_API void InitPropertyGridCtrl();

class AFX_EXT_CLASS CZNPropertyGrid : public CListBox
{
    DECLARE_DYNAMIC(CZNPropertyGrid)
public:
    CZNPropertyGrid();
    ~CZNPropertyGrid() override;
};
