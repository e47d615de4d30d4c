// The frame of the editors with one edit control (text, integer, float and vector values).
#pragma once

#include "model/ZNPropertyGridPropertyTextEdit.h"
#include "model/ZNPropertyGridPropertyValueDlg.h"
#include "resources/resource.h"

// An editor whose edit control, IDC_PROPERTYGRID_EDIT, fills the editor. An editor that adds
// buttons beside the edit control derives from this with a template of its own (its IDD) and
// places the controls in LayoutControls.
class CZNPropertyGridSingleEditDlg : public CZNPropertyGridPropertyValueDlg
{
    DECLARE_DYNAMIC(CZNPropertyGridSingleEditDlg)
public:
    static constexpr UINT IDD = IDD_PROPERTYGRID_SINGLEEDIT;

    explicit CZNPropertyGridSingleEditDlg(CWnd* pParent = nullptr);

    BOOL OnInitDialog() override;
    CWnd* GetEditField() override { return &m_Edit; }

protected:
    // For an editor with a template of its own that adds controls beside the edit control.
    CZNPropertyGridSingleEditDlg(UINT nIDTemplate, CWnd* pParent);

    // Places the controls for the client size, at initialisation and at every resize. The edit
    // control has no border of its own: its left edge hides one pixel outside the editor, and
    // two pixels of the editor's background above it line its text up with the painted cells.
    virtual void LayoutControls(int cx, int cy);

    void DoDataExchange(CDataExchange* pDX) override;
    afx_msg void OnSize(UINT nType, int cx, int cy);

    DECLARE_MESSAGE_MAP()

    CZNPropertyGridPropertyTextEdit m_Edit; // the edit control
};
