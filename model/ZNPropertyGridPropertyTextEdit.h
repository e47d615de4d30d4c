// The edit control of the single-edit editors.
#pragma once

#include <afxwin.h>

// The standard edit control under a class of its own. It keeps the control's own answer to
// WM_GETDLGCODE, so that the dialog manager turns Enter and Escape into the editor's OK and
// Cancel.
class CZNPropertyGridPropertyTextEdit : public CEdit
{
    DECLARE_DYNAMIC(CZNPropertyGridPropertyTextEdit)
public:
    CZNPropertyGridPropertyTextEdit() = default;
};
