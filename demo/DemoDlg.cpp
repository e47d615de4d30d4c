#include "DemoDlg.h"

#include "WindowCapture.h"
#include "resource.h"

namespace {

// Timer messages come only when nothing else is waiting, so by then the dialog is painted.
constexpr UINT_PTR kScreenshotTimer = 1;
constexpr UINT kScreenshotDelayMs = 200;

} // namespace

BEGIN_MESSAGE_MAP(CDemoDlg, CDialog)
    ON_WM_TIMER()
END_MESSAGE_MAP()

CDemoDlg::CDemoDlg() : CDialog(IDD_DEMO) {}

void CDemoDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PROPERTYGRID, m_Grid);
}

BOOL CDemoDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (!m_strScreenshotPath.IsEmpty())
        SetTimer(kScreenshotTimer, kScreenshotDelayMs);
    return TRUE;
}

void CDemoDlg::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kScreenshotTimer) {
        CDialog::OnTimer(nIDEvent);
        return;
    }
    KillTimer(kScreenshotTimer);
    SaveScreenshot();
    EndDialog(IDOK);
}

void CDemoDlg::SaveScreenshot()
{
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
    m_bScreenshotWritten =
        pgtest::SavePng(pgtest::CaptureWindow(m_hWnd), std::wstring(m_strScreenshotPath));
}
