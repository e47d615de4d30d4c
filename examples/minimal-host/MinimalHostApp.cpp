// The minimal host: an application whose main window is a dialog with a property grid.
//   MinimalHost.exe               shows the dialog
//   MinimalHost.exe --self-test   edits one value as a user would and exits with 0 when the grid
//                                 showed, wrote the value and told the dialog, 1 otherwise
#include "MinimalHostDlg.h"

#include <cwchar>

namespace {

class CMinimalHostApp : public CWinApp
{
public:
    BOOL InitInstance() override;
    int ExitInstance() override;

private:
    int m_nExitCode = 0; // what the process ends with
};

CMinimalHostApp theApp;

BOOL CMinimalHostApp::InitInstance()
{
    // The grid's dialogs, cursors and help page are found through the host's resource chain.
    InitPropertyGridCtrl();
    bool bSelfTest = std::wcsstr(m_lpCmdLine, L"--self-test") != nullptr;
    CMinimalHostDlg dlg(bSelfTest);
    INT_PTR nResult = dlg.DoModal();
    if (bSelfTest && nResult != IDOK)
        m_nExitCode = 1;
    // The dialog has ended: no message loop is to run.
    return FALSE;
}

int CMinimalHostApp::ExitInstance()
{
    CWinApp::ExitInstance();
    return m_nExitCode;
}

} // namespace
