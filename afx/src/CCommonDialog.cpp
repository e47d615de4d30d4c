// The base of the common dialogs and the hook procedure the framework gives them.
#include "AfxState.h"

#include <afxdlgs.h>

#include <utility>

IMPLEMENT_DYNAMIC(CCommonDialog, CDialog)

CCommonDialog::CCommonDialog(CWnd* pParentWnd) : CDialog(UINT(0), pParentWnd) {}

void CCommonDialog::OnOK()
{
    Default();
}

void CCommonDialog::OnCancel()
{
    Default();
}

// The hook of every common dialog. The colour dialog's window became the object's through the
// creation hook already; the Explorer file dialog's hook runs in a child dialog of its own, which
// the first call attaches to the file dialog object. Returns 0 where the system dialog goes on
// with its own handling.
UINT_PTR CALLBACK AfxCommDlgProc(HWND hWnd, UINT message, WPARAM, LPARAM)
{
    if (hWnd == nullptr)
        return 0;
    afx_internal::RoutingState& routing = afx_internal::Routing();
    if (CWnd* pWndInit = std::exchange(routing.pAlternateWndInit, nullptr))
        pWndInit->SubclassWindow(hWnd);

    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (message == WM_INITDIALOG) {
        auto* pDlg = DYNAMIC_DOWNCAST(CDialog, pWnd);
        return pDlg == nullptr ? TRUE : UINT_PTR(pDlg->OnInitDialog());
    }
    static const UINT nColorOK = ::RegisterWindowMessageW(COLOROKSTRINGW);
    if (message == nColorOK) {
        auto* pDlg = DYNAMIC_DOWNCAST(CColorDialog, pWnd);
        return pDlg == nullptr ? 0 : UINT_PTR(pDlg->OnColorOK());
    }
    return 0;
}
