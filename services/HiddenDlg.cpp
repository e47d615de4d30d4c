#include "services/HiddenDlg.h"

IMPLEMENT_DYNAMIC(CHiddenDlg, CDialog)

CHiddenDlg::CHiddenDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

BOOL CHiddenDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowPos(nullptr, -10000, -10000, 1, 1, SWP_HIDEWINDOW | SWP_NOZORDER);
    return TRUE;
}
