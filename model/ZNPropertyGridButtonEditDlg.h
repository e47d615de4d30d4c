// The frame of the editors whose edit control has square buttons beside it (file and colour).
#pragma once

#include "model/ZNPropertyGridBrowseButton.h"
#include "model/ZNPropertyGridSingleEditDlg.h"

#include <afxcmn.h>

// An editor with its own template (the derived class's IDD) that places the edit control and
// its buttons in LayoutControls and names each button in a tool tip. The tips are not
// subclassed onto the buttons: the editor relays the mouse's messages to them.
class CZNPropertyGridButtonEditDlg : public CZNPropertyGridSingleEditDlg
{
    DECLARE_DYNAMIC(CZNPropertyGridButtonEditDlg)
public:
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    CZNPropertyGridButtonEditDlg(UINT nIDTemplate, CWnd* pParent);

    // Creates the tool tip at the first call, active, and gives the button its tip.
    void AddButtonTip(CWnd& button, const wchar_t* pszText);

    CToolTipCtrl m_ToolTip; // the buttons' tips
};
