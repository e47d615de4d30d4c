#include "model/ZNPropertyGridButtonEditDlg.h"

IMPLEMENT_DYNAMIC(CZNPropertyGridButtonEditDlg, CZNPropertyGridSingleEditDlg)

CZNPropertyGridButtonEditDlg::CZNPropertyGridButtonEditDlg(UINT nIDTemplate, CWnd* pParent)
    : CZNPropertyGridSingleEditDlg(nIDTemplate, pParent)
{
}

void CZNPropertyGridButtonEditDlg::AddButtonTip(CWnd& button, const wchar_t* pszText)
{
    if (m_ToolTip.m_hWnd == nullptr) {
        m_ToolTip.Create(this);
        m_ToolTip.Activate(TRUE);
    }
    m_ToolTip.AddTool(&button, pszText);
}

BOOL CZNPropertyGridButtonEditDlg::PreTranslateMessage(MSG* pMsg)
{
    if (m_ToolTip.m_hWnd != nullptr)
        m_ToolTip.RelayEvent(pMsg);
    return CZNPropertyGridSingleEditDlg::PreTranslateMessage(pMsg);
}
