// The demo host: a dialog application that shows the property grid.
//   PropertyGridDemo.exe                      opens the dialog
//   PropertyGridDemo.exe --screenshot FILE    saves a PNG of the dialog to FILE and exits
#include "DemoDlg.h"

namespace {

class CDemoApp : public CWinApp
{
public:
    CDemoApp() : CWinApp(L"Tarvex.PropertyGrid Demo") {}

    BOOL InitInstance() override;
    int ExitInstance() override { return m_nExitCode; }

private:
    CString ScreenshotPath() const;

    int m_nExitCode = 0;
};

CDemoApp theApp;

BOOL CDemoApp::InitInstance()
{
    InitPropertyGridCtrl();

    CDemoDlg dlg;
    CString strScreenshot = ScreenshotPath();
    dlg.SetScreenshotPath(strScreenshot);
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;

    if (!strScreenshot.IsEmpty() && !dlg.ScreenshotWritten())
        m_nExitCode = 1;
    return FALSE; // a dialog application ends with its dialog
}

CString CDemoApp::ScreenshotPath() const
{
    int nArgs = 0;
    LPWSTR* ppArgs = ::CommandLineToArgvW(::GetCommandLineW(), &nArgs);
    CString strPath;
    for (int i = 1; i + 1 < nArgs; ++i) {
        if (CString(ppArgs[i]) == L"--screenshot")
            strPath = ppArgs[i + 1];
    }
    ::LocalFree(ppArgs);
    return strPath;
}

} // namespace
