#include "model/ZNPropertyGridSingleEditDlg.h"

IMPLEMENT_DYNAMIC(CZNPropertyGridSingleEditDlg, CZNPropertyGridPropertyValueDlg)

BEGIN_MESSAGE_MAP(CZNPropertyGridSingleEditDlg, CZNPropertyGridPropertyValueDlg)
    ON_WM_SIZE()
END_MESSAGE_MAP()

CZNPropertyGridSingleEditDlg::CZNPropertyGridSingleEditDlg(CWnd* pParent)
    : CZNPropertyGridSingleEditDlg(IDD, pParent)
{
}

CZNPropertyGridSingleEditDlg::CZNPropertyGridSingleEditDlg(UINT nIDTemplate, CWnd* pParent)
    : CZNPropertyGridPropertyValueDlg(nIDTemplate, pParent)
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
    LayoutControls(rcClient.Width(), rcClient.Height());
    return TRUE;
}

void CZNPropertyGridSingleEditDlg::OnSize(UINT nType, int cx, int cy)
{
    CZNPropertyGridPropertyValueDlg::OnSize(nType, cx, cy);
    LayoutControls(cx, cy);
}

void CZNPropertyGridSingleEditDlg::LayoutControls(int cx, int cy)
{
    if (m_Edit.m_hWnd != nullptr)
        m_Edit.SetWindowPos(&wndTop, -1, 2, cx - 1, cy - 2, 0);
}
