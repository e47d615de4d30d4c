// What every in-place editor shares: the commit and notification protocol, showing the editor
// over its cell, and the Edit commands on its edit field.
#include "model/ZNPropertyGridPropertyValueDlg.h"

#include "model/ZNPropertyGridBusyScope.h"
#include "model/ZNPropertyGridProperty.h"

IMPLEMENT_DYNAMIC(CZNPropertyGridPropertyValueDlg, CDialog)

BEGIN_MESSAGE_MAP(CZNPropertyGridPropertyValueDlg, CDialog)
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

CZNPropertyGridPropertyValueDlg::CZNPropertyGridPropertyValueDlg(UINT nIDTemplate, CWnd* pParent)
    : CDialog(nIDTemplate, pParent), m_bCancelled(false), m_bChanged(false), m_pProperty(nullptr)
{
}

void CZNPropertyGridPropertyValueDlg::ApplyValue()
{
    CWnd* pParent = GetParent();
    if (!m_bChanged || m_pProperty == nullptr || pParent == nullptr)
        return;
    // The grid turns the grid column into a value index before the host sees it.
    int nColumn = m_pProperty->GetActiveColumn();
    LPARAM lParam = reinterpret_cast<LPARAM>(m_pProperty->GetUserData(nColumn - 1));
    pParent->SendMessage(PGM_PROPERTYCHANGE, PackNotifyParam(nColumn, m_pProperty->GetID()),
                         lParam);
}

void CZNPropertyGridPropertyValueDlg::OnEditClosed() {}

BOOL CZNPropertyGridPropertyValueDlg::EndEdit()
{
    ApplyValue();
    ShowWindow(SW_HIDE);
    return TRUE;
}

void CZNPropertyGridPropertyValueDlg::ForgetProperty(IZNPropertyGridProperty* pProperty)
{
    if (pProperty != m_pProperty)
        return;
    if (IsShown()) {
        m_bCancelled = true;
        OnEditClosed();
        ShowWindow(SW_HIDE);
    }
    m_pProperty = nullptr;
}

LRESULT CZNPropertyGridPropertyValueDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    CZNPropertyGridBusyScope scope(CZNPropertyGridBusyScope::GridOfChild(m_hWnd));
    return CDialog::WindowProc(message, wParam, lParam);
}

BOOL CZNPropertyGridPropertyValueDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_bCancelled = false;
    m_pProperty = nullptr;
    return TRUE;
}

void CZNPropertyGridPropertyValueDlg::OnOK()
{
    if (!IsShown())
        return;
    m_bCancelled = false;
    ApplyValue();
    OnEditClosed();
    NotifyDeactivate();
    CDialog::OnOK();
}

void CZNPropertyGridPropertyValueDlg::OnCancel()
{
    if (!IsShown())
        return;
    // Escape leaves the stored value as it was: nothing is applied.
    m_bCancelled = true;
    OnEditClosed();
    NotifyDeactivate();
    CDialog::OnCancel();
}

// The grid forgets its active property and takes the focus back.
void CZNPropertyGridPropertyValueDlg::NotifyDeactivate()
{
    if (CWnd* pParent = GetParent())
        pParent->SendMessage(PGM_PROPERTYDEACTIVATE, 0, 0);
}

// The editor's own background is the window colour, so that it blends with the cell it covers.
HBRUSH CZNPropertyGridPropertyValueDlg::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    if (nCtlColor == CTLCOLOR_DLG)
        return ::GetSysColorBrush(COLOR_WINDOW);
    return CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
}

void CZNPropertyGridPropertyValueDlg::ShowOver(const RECT& rcCell, const CString& strText)
{
    SetWindowPos(&wndTop, rcCell.left, rcCell.top, rcCell.right - rcCell.left,
                 rcCell.bottom - rcCell.top, SWP_SHOWWINDOW);
    CWnd* pField = GetEditField();
    pField->SetWindowText(strText);
    int nLength = strText.GetLength();
    pField->SendMessage(EM_SETSEL, WPARAM(nLength), LPARAM(nLength));
    pField->SendMessage(EM_SCROLLCARET);
    pField->SetFocus();
}

CString CZNPropertyGridPropertyValueDlg::GetEditText()
{
    CString strText;
    GetEditField()->GetWindowText(strText);
    return strText;
}

void CZNPropertyGridPropertyValueDlg::ApplyText(CString* pValue)
{
    if (pValue != nullptr) {
        CString strText = GetEditText();
        m_bChanged = strText.Compare(*pValue) != 0;
        if (m_bChanged)
            *pValue = strText;
    }
    CZNPropertyGridPropertyValueDlg::ApplyValue();
}

//---------------------------------------------------------------------------------------------
// Edit commands

CWnd* CZNPropertyGridPropertyValueDlg::ShownEditField()
{
    CWnd* pField = GetEditField();
    if (pField == nullptr || pField->m_hWnd == nullptr || !pField->IsWindowVisible())
        return nullptr;
    return pField;
}

bool CZNPropertyGridPropertyValueDlg::IsEditable(CWnd* pField) const
{
    return (pField->GetStyle() & ES_READONLY) == 0;
}

// Edit and rich edit controls both answer EM_GETSEL with the selection's ends.
bool CZNPropertyGridPropertyValueDlg::HasSelection(CWnd* pField) const
{
    DWORD dwStart = 0;
    DWORD dwEnd = 0;
    pField->SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart),
                        reinterpret_cast<LPARAM>(&dwEnd));
    return dwStart != dwEnd;
}

void CZNPropertyGridPropertyValueDlg::SendToEditField(UINT message)
{
    CWnd* pField = GetEditField();
    if (pField != nullptr && pField->m_hWnd != nullptr)
        pField->SendMessage(message);
}

void CZNPropertyGridPropertyValueDlg::OnEditCut()
{
    SendToEditField(WM_CUT);
}

void CZNPropertyGridPropertyValueDlg::OnEditCopy()
{
    SendToEditField(WM_COPY);
}

void CZNPropertyGridPropertyValueDlg::OnEditPaste()
{
    SendToEditField(WM_PASTE);
}

void CZNPropertyGridPropertyValueDlg::OnUpdateEditCut(CCmdUI* pCmdUI)
{
    CWnd* pField = ShownEditField();
    pCmdUI->Enable(pField != nullptr && IsEditable(pField) && HasSelection(pField));
}

void CZNPropertyGridPropertyValueDlg::OnUpdateEditCopy(CCmdUI* pCmdUI)
{
    CWnd* pField = ShownEditField();
    pCmdUI->Enable(pField != nullptr && HasSelection(pField));
}

void CZNPropertyGridPropertyValueDlg::OnUpdateEditPaste(CCmdUI* pCmdUI)
{
    CWnd* pField = ShownEditField();
    pCmdUI->Enable(pField != nullptr && IsEditable(pField));
}
