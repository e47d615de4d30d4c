// The small owner-drawn button beside an editor's edit control that opens a further window
// (a file dialog, a colour chooser, an external editor).
#pragma once

#include <afxwin.h>

class CZNPropertyGridBrowseButton : public CButton
{
    DECLARE_DYNAMIC(CZNPropertyGridBrowseButton)
public:
    CZNPropertyGridBrowseButton() = default;

    // A flat box in the grid's colours; the caption "..." shows as three dots of one pixel
    // each, any other caption as centred text.
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
};
