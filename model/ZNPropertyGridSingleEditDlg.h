// The frame of the editors with one edit control (text, integer, float and vector values): the
// edit control fills the editor, and the clipboard commands act on it.
#pragma once

#include "model/ZNPropertyGridPropertyTextEdit.h"
#include "model/ZNPropertyGridPropertyValueDlg.h"
#include "resources/resource.h"

class CZNPropertyGridSingleEditDlg : public CZNPropertyGridPropertyValueDlg
{
    DECLARE_DYNAMIC(CZNPropertyGridSingleEditDlg)
public:
    static constexpr UINT IDD = IDD_PROPERTYGRID_SINGLEEDIT;

    explicit CZNPropertyGridSingleEditDlg(CWnd* pParent = nullptr);

    BOOL OnInitDialog() override;

    // The clipboard commands of the single-edit property types, for their editor (null when
    // the property has none: then nothing happens and the commands show disabled). Cut and
    // copy need a selection, cut an editable control; paste needs only the editor shown.
    static void Cut(CZNPropertyGridSingleEditDlg* pEditor);
    static void Copy(CZNPropertyGridSingleEditDlg* pEditor);
    static void Paste(CZNPropertyGridSingleEditDlg* pEditor);
    static void UpdateCut(CZNPropertyGridSingleEditDlg* pEditor, CCmdUI* pCmdUI);
    static void UpdateCopy(CZNPropertyGridSingleEditDlg* pEditor, CCmdUI* pCmdUI);
    static void UpdatePaste(CZNPropertyGridSingleEditDlg* pEditor, CCmdUI* pCmdUI);

protected:
    // Shows the editor over the cell (grid client coordinates) with the text in the edit
    // control, the caret after it, and the focus in the control.
    void ShowOver(const RECT& rcCell, const CString& strText);

    void DoDataExchange(CDataExchange* pDX) override;
    afx_msg void OnSize(UINT nType, int cx, int cy);

    DECLARE_MESSAGE_MAP()

    CZNPropertyGridPropertyTextEdit m_Edit;

private:
    void PlaceEdit(int cx, int cy);
    bool IsEditShown() const;
    bool HasSelection() const;
    static void SendToEdit(CZNPropertyGridSingleEditDlg* pEditor, UINT message);
};
