#include "model/ZNPropertyGridSingleEditDlg.h"

IMPLEMENT_DYNAMIC(CZNPropertyGridSingleEditDlg, CZNPropertyGridPropertyValueDlg)

BEGIN_MESSAGE_MAP(CZNPropertyGridSingleEditDlg, CZNPropertyGridPropertyValueDlg)
    ON_WM_SIZE()
END_MESSAGE_MAP()

CZNPropertyGridSingleEditDlg::CZNPropertyGridSingleEditDlg(CWnd* pParent)
    : CZNPropertyGridPropertyValueDlg(IDD, pParent)
{
}

void CZNPropertyGridSingleEditDlg::DoDataExchange(CDataExchange* pDX)
{
    CZNPropertyGridPropertyValueDlg::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PROPERTYGRID_EDIT, m_Edit);
}

BOOL CZNPropertyGridSingleEditDlg::OnInitDialog()
{
    CZNPropertyGridPropertyValueDlg::OnInitDialog();
    CRect rcClient;
    GetClientRect(&rcClient);
    PlaceEdit(rcClient.Width(), rcClient.Height());
    return TRUE;
}

void CZNPropertyGridSingleEditDlg::OnSize(UINT nType, int cx, int cy)
{
    CZNPropertyGridPropertyValueDlg::OnSize(nType, cx, cy);
    PlaceEdit(cx, cy);
}

// The edit control has no border of its own: its left edge hides one pixel outside the editor,
// and two pixels of the editor's background above it line its text up with the painted cells.
void CZNPropertyGridSingleEditDlg::PlaceEdit(int cx, int cy)
{
    if (m_Edit.m_hWnd != nullptr)
        m_Edit.SetWindowPos(&wndTop, -1, 2, cx - 1, cy - 2, 0);
}

void CZNPropertyGridSingleEditDlg::ShowOver(const RECT& rcCell, const CString& strText)
{
    SetWindowPos(&wndTop, rcCell.left, rcCell.top, rcCell.right - rcCell.left,
                 rcCell.bottom - rcCell.top, SWP_SHOWWINDOW);
    m_Edit.SetWindowText(strText);
    int nLength = strText.GetLength();
    m_Edit.SendMessage(EM_SETSEL, WPARAM(nLength), LPARAM(nLength));
    m_Edit.SendMessage(EM_SCROLLCARET);
    m_Edit.SetFocus();
}

bool CZNPropertyGridSingleEditDlg::IsEditShown() const
{
    return m_Edit.m_hWnd != nullptr && m_Edit.IsWindowVisible();
}

bool CZNPropertyGridSingleEditDlg::HasSelection() const
{
    int nStart = 0;
    int nEnd = 0;
    m_Edit.GetSel(nStart, nEnd);
    return nStart != nEnd;
}

void CZNPropertyGridSingleEditDlg::SendToEdit(CZNPropertyGridSingleEditDlg* pEditor, UINT message)
{
    if (pEditor != nullptr && pEditor->m_Edit.m_hWnd != nullptr)
        pEditor->m_Edit.SendMessage(message);
}

void CZNPropertyGridSingleEditDlg::Cut(CZNPropertyGridSingleEditDlg* pEditor)
{
    SendToEdit(pEditor, WM_CUT);
}

void CZNPropertyGridSingleEditDlg::Copy(CZNPropertyGridSingleEditDlg* pEditor)
{
    SendToEdit(pEditor, WM_COPY);
}

void CZNPropertyGridSingleEditDlg::Paste(CZNPropertyGridSingleEditDlg* pEditor)
{
    SendToEdit(pEditor, WM_PASTE);
}

void CZNPropertyGridSingleEditDlg::UpdateCut(CZNPropertyGridSingleEditDlg* pEditor, CCmdUI* pCmdUI)
{
    if (pCmdUI == nullptr)
        return;
    bool bEditable = pEditor != nullptr && pEditor->IsEditShown() &&
                     (pEditor->m_Edit.GetStyle() & ES_READONLY) == 0;
    pCmdUI->Enable(bEditable && pEditor->HasSelection());
}

void CZNPropertyGridSingleEditDlg::UpdateCopy(CZNPropertyGridSingleEditDlg* pEditor, CCmdUI* pCmdUI)
{
    if (pCmdUI != nullptr)
        pCmdUI->Enable(pEditor != nullptr && pEditor->IsEditShown() && pEditor->HasSelection());
}

void CZNPropertyGridSingleEditDlg::UpdatePaste(CZNPropertyGridSingleEditDlg* pEditor,
                                               CCmdUI* pCmdUI)
{
    if (pCmdUI != nullptr)
        pCmdUI->Enable(pEditor != nullptr && pEditor->IsEditShown());
}
