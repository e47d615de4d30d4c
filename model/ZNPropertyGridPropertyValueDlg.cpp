// The commit and notification protocol every in-place editor shares.
#include "model/ZNPropertyGridPropertyValueDlg.h"

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

bool ActivateInPlaceEditor(IZNPropertyGridProperty* pProperty,
                           CZNPropertyGridPropertyValueDlg* pEditor, int nColumn, RECT* pCell)
{
    if (nColumn < 1)
        return true;
    int nIndex = nColumn - 1;
    void* pValue = nullptr;
    if (!pProperty->GetValue(nIndex, &pValue) || pProperty->TestFlag(nIndex, PGP_ENABLED) == 0)
        return false;
    // The check box stays visible and clickable beside the editor.
    if (pProperty->TestFlag(nIndex, PGCB_MASK) != 0)
        CZNPropertyGridCheckBox::SkipBox(*pCell);
    if (pValue != nullptr && pEditor != nullptr && pEditor->m_hWnd != nullptr)
        pEditor->BeginEdit(pProperty, pValue, pCell);
    return pProperty->SetActiveColumn(nColumn, pCell);
}

void DeactivateInPlaceEditor(CZNPropertyGridPropertyValueDlg* pEditor)
{
    if (pEditor != nullptr && pEditor->m_hWnd != nullptr && pEditor->IsWindowVisible())
        pEditor->EndEdit();
}
