// The drop button of the enumeration editor.
#pragma once

#include <afxwin.h>

// CZNPropertyGridDropButton is the flat button right of the enumeration editor's edit field
// that drops the list down. It shows a small downward arrow, pressed while the button is held
// or the list is open.
class CZNPropertyGridDropButton : public CButton
{
    DECLARE_DYNAMIC(CZNPropertyGridDropButton)
public:
    CZNPropertyGridDropButton() = default;

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
};
