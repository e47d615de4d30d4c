// The in-place editor of memo values.
#pragma once

#include "model/ZNPropertyGridBrowseButton.h"
#include "model/ZNPropertyGridPropertyValueDlg.h"
#include "resources/resource.h"

#include <afxcmn.h>

class CZNPropertyGridPropertyMemo;

// A plain-text rich edit control over the cell, in which Enter starts a new line: Ctrl+Enter
// commits and Escape cancels. The "..." button beside it, shown for properties with
// "Expand=true", opens the text in the external editor and takes the text back when it closes.
// The rich edit is made anew for every edit, so that its scroll bars and wrapping are those of
// the property being edited.
class CZNPropertyGridPropertyMemoValueDlg : public CZNPropertyGridPropertyValueDlg
{
    DECLARE_DYNAMIC(CZNPropertyGridPropertyMemoValueDlg)
public:
    static constexpr UINT IDD = IDD_PROPERTYGRID_MEMO;

    explicit CZNPropertyGridPropertyMemoValueDlg(CWnd* pParent = nullptr);

    // pValue is the host's CString of the column; nothing opens without one.
    BOOL BeginEdit(CZNPropertyGridPropertyMemo* pProperty, void* pValue, RECT* pCell);
    // Stores the edited text when it differs from the host's, letter case included.
    void ApplyValue() override;
    CWnd* GetEditField() override { return &m_RichEdit; }

    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    // "...": the external editor, run modally; its text comes back into the rich edit and is
    // applied, and the in-place editor stays open.
    afx_msg void ExternalEdit();

    DECLARE_MESSAGE_MAP()

private:
    CZNPropertyGridPropertyMemo* Memo() const;
    // Destroys the rich edit and creates it again in the same place with the property's style.
    void RecreateRichEdit();
    // The rich edit fills the editor, its right edge under the "..." button when that shows.
    void LayoutControls(int cx, int cy);

    CString* m_pValue;                          // the host's text being edited
    CFont m_Font;                               // the system's status font
    CRichEditCtrl m_RichEdit;                   // the edit field
    CZNPropertyGridBrowseButton m_ExpandButton; // "...": opens the external editor
    CToolTipCtrl m_ToolTip;                     // the button's tip, "Expand"
};
