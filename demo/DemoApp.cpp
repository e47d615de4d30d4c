// The demo host: a frame application that shows the property grid.
//   PropertyGridDemo.exe                      opens the window
//   PropertyGridDemo.exe --screenshot FILE    saves a PNG of the window to FILE and exits
#include "DemoFrame.h"

namespace {

class CDemoApp : public CWinApp
{
public:
    CDemoApp() : CWinApp(L"Tarvex.PropertyGrid Demo") {}

    BOOL InitInstance() override;
    int ExitInstance() override;

private:
    CString ScreenshotPath() const;

    CString m_strScreenshotPath;
    bool m_bScreenshotWritten = false;
};

CDemoApp theApp;

BOOL CDemoApp::InitInstance()
{
    InitPropertyGridCtrl();
    m_strScreenshotPath = ScreenshotPath();
    auto* pFrame = new CDemoFrame(m_strScreenshotPath, m_bScreenshotWritten);
    if (!pFrame->CreateDemo())
        return FALSE;
    m_pMainWnd = pFrame;
    pFrame->ShowWindow(m_nCmdShow);
    pFrame->UpdateWindow();
    return TRUE;
}

int CDemoApp::ExitInstance()
{
    bool bFailed = !m_strScreenshotPath.IsEmpty() && !m_bScreenshotWritten;
    return bFailed ? 1 : CWinApp::ExitInstance();
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
