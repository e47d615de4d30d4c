// The demo host: a frame application that shows the property grid.
//   PropertyGridDemo.exe                      opens the window
//   PropertyGridDemo.exe --screenshots DIR    saves PNG pictures of the demo into DIR and exits
#include "DemoFrame.h"

namespace {

class CDemoApp : public CWinApp
{
public:
    CDemoApp() : CWinApp(L"Tarvex.PropertyGrid Demo") {}

    BOOL InitInstance() override;
    int ExitInstance() override;

private:
    CString ScreenshotFolder() const;

    CString m_strScreenshotFolder;
    bool m_bScreenshotsWritten = false;
};

CDemoApp theApp;

BOOL CDemoApp::InitInstance()
{
    InitPropertyGridCtrl();
    m_strScreenshotFolder = ScreenshotFolder();
    auto* pFrame = new CDemoFrame(m_strScreenshotFolder, m_bScreenshotsWritten);
    if (!pFrame->CreateDemo())
        return FALSE;
    m_pMainWnd = pFrame;
    pFrame->ShowWindow(m_nCmdShow);
    pFrame->UpdateWindow();
    return TRUE;
}

int CDemoApp::ExitInstance()
{
    bool bFailed = !m_strScreenshotFolder.IsEmpty() && !m_bScreenshotsWritten;
    return bFailed ? 1 : CWinApp::ExitInstance();
}

CString CDemoApp::ScreenshotFolder() const
{
    int nArgs = 0;
    LPWSTR* ppArgs = ::CommandLineToArgvW(::GetCommandLineW(), &nArgs);
    CString strPath;
    for (int i = 1; i + 1 < nArgs; ++i) {
        if (CString(ppArgs[i]) == L"--screenshots")
            strPath = ppArgs[i + 1];
    }
    ::LocalFree(ppArgs);
    return strPath;
}

} // namespace
