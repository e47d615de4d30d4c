#include "AfxState.h"

#include <afxpriv.h>

#include <cstdlib>

using afx_internal::Module;
using afx_internal::Routing;

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)
IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

//---------------------------------------------------------------------------------------------
// The thread's message loop

CWinThread::CWinThread() : m_pMainWnd(nullptr), m_msgCur() {}

BOOL CWinThread::InitInstance()
{
    return FALSE;
}

int CWinThread::ExitInstance()
{
    return int(m_msgCur.wParam);
}

BOOL CWinThread::OnIdle(LONG lCount)
{
    if (lCount <= 0) {
        CWnd* pMainWnd = m_pMainWnd;
        if (pMainWnd != nullptr && pMainWnd->m_hWnd != nullptr && pMainWnd->IsWindowVisible()) {
            AfxCallWndProc(pMainWnd, pMainWnd->m_hWnd, WM_IDLEUPDATECMDUI, TRUE, 0);
            pMainWnd->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
        }
    } else {
        afx_internal::DeleteTempMapsWhenIdle();
    }
    return lCount < 0;
}

BOOL CWinApp::OnIdle(LONG lCount)
{
    if (lCount <= 1)
        CWinThread::OnIdle(lCount);
    return lCount < 1;
}

BOOL CWinThread::IsIdleMessage(MSG* pMsg)
{
    if (pMsg->message == WM_MOUSEMOVE || pMsg->message == WM_NCMOUSEMOVE) {
        afx_internal::RoutingState& routing = Routing();
        if (routing.ptCursorLast.x == pMsg->pt.x && routing.ptCursorLast.y == pMsg->pt.y &&
            routing.nMsgLast == pMsg->message)
            return FALSE;
        routing.ptCursorLast = pMsg->pt;
        routing.nMsgLast = pMsg->message;
        return TRUE;
    }
    return pMsg->message != WM_PAINT && pMsg->message != 0x0118; // 0x0118: the caret's timer
}

// Gives the window chain from the message's target up to the main window its chance to
// handle the message before it is dispatched.
BOOL CWinThread::PreTranslateMessage(MSG* pMsg)
{
    CWnd* pMainWnd = AfxGetMainWnd();
    if (CWnd::WalkPreTranslateTree(pMainWnd->GetSafeHwnd(), pMsg))
        return TRUE;
    // A modeless window outside the main window's tree still lets the main window look.
    if (pMainWnd != nullptr && pMainWnd->m_hWnd != nullptr && pMsg->hwnd != nullptr) {
        CWnd* pTarget = CWnd::FromHandle(pMsg->hwnd);
        if (pTarget->GetTopLevelParent()->m_hWnd != pMainWnd->m_hWnd)
            return pMainWnd->PreTranslateMessage(pMsg);
    }
    return FALSE;
}

BOOL CWinThread::PumpMessage()
{
    return afx_internal::PumpMessage(m_msgCur);
}

int CWinThread::Run()
{
    bool bIdle = true;
    LONG lIdleCount = 0;
    MSG msgPeek;
    for (;;) {
        while (bIdle && !::PeekMessageW(&msgPeek, nullptr, 0, 0, PM_NOREMOVE)) {
            if (!OnIdle(lIdleCount++))
                bIdle = false;
        }
        do {
            if (!PumpMessage())
                return ExitInstance();
            if (IsIdleMessage(&m_msgCur)) {
                bIdle = true;
                lIdleCount = 0;
            }
        } while (::PeekMessageW(&msgPeek, nullptr, 0, 0, PM_NOREMOVE));
    }
}

BOOL AFXAPI AfxPreTranslateMessage(MSG* pMsg)
{
    CWinThread* pThread = AfxGetThread();
    if (pThread != nullptr)
        return pThread->PreTranslateMessage(pMsg);
    return CWnd::WalkPreTranslateTree(nullptr, pMsg);
}

BOOL AFXAPI AfxPumpMessage()
{
    CWinThread* pThread = AfxGetThread();
    if (pThread != nullptr)
        return pThread->PumpMessage();
    return afx_internal::PumpMessage(Routing().msgPumped);
}

BOOL afx_internal::PumpMessage(MSG& msg)
{
    if (::GetMessageW(&msg, nullptr, 0, 0) <= 0)
        return FALSE;
    if (!AfxPreTranslateMessage(&msg)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return TRUE;
}

//---------------------------------------------------------------------------------------------
// The application object

CWinApp::CWinApp(LPCTSTR lpszAppName)
    : m_hInstance(nullptr), m_lpCmdLine(nullptr), m_nCmdShow(SW_SHOWNORMAL),
      m_pszAppName(Duplicate(lpszAppName)), m_pszExeName(nullptr), m_pszProfileName(nullptr),
      m_pszRegistryKey(nullptr)
{
    // The first application object of the process is the application; a later one (a test's
    // own, for its profile) does not replace it.
    if (Module().pCurrentWinApp == nullptr)
        Module().pCurrentWinApp = this;
}

CWinApp::~CWinApp()
{
    for (LPCTSTR* ppsz : {&m_pszAppName, &m_pszExeName, &m_pszProfileName, &m_pszRegistryKey})
        ReplaceString(*ppsz, nullptr);
    if (Module().pCurrentWinApp == this)
        Module().pCurrentWinApp = nullptr;
}

LPTSTR CWinApp::Duplicate(LPCTSTR lpsz)
{
    return lpsz == nullptr ? nullptr : ::_wcsdup(lpsz);
}

void CWinApp::ReplaceString(LPCTSTR& rTarget, LPCTSTR lpszValue)
{
    LPTSTR lpszCopy = Duplicate(lpszValue);
    std::free(const_cast<LPTSTR>(rTarget));
    rTarget = lpszCopy;
}

void CWinApp::SetCurrentHandles()
{
    wchar_t szPath[MAX_PATH] = L"";
    ::GetModuleFileNameW(m_hInstance, szPath, MAX_PATH);
    CString strExeName = szPath;
    strExeName = strExeName.Mid(strExeName.ReverseFind(L'\\') + 1);
    int nDot = strExeName.ReverseFind(L'.');
    if (nDot >= 0)
        strExeName = strExeName.Left(nDot);
    ReplaceString(m_pszExeName, strExeName);

    if (m_pszAppName == nullptr) {
        wchar_t szTitle[256];
        if (::LoadStringW(AfxGetResourceHandle(), AFX_IDS_APP_TITLE, szTitle, 256) > 0)
            ReplaceString(m_pszAppName, szTitle);
        else
            ReplaceString(m_pszAppName, m_pszExeName);
    }
    if (m_pszProfileName == nullptr)
        ReplaceString(m_pszProfileName, strExeName + L".INI");
}

CWinApp* AFXAPI AfxGetApp()
{
    return Module().pCurrentWinApp;
}

CWinThread* AFXAPI AfxGetThread()
{
    return Module().pCurrentWinApp;
}

CWnd* AFXAPI AfxGetMainWnd()
{
    CWinThread* pThread = AfxGetThread();
    return pThread == nullptr ? nullptr : pThread->m_pMainWnd;
}

HINSTANCE AFXAPI AfxGetInstanceHandle()
{
    return Module().hCurrentInstanceHandle;
}

BOOL AFXAPI AfxWinInit(HINSTANCE hInstance, HINSTANCE, LPTSTR lpCmdLine, int nCmdShow)
{
    Module().hCurrentInstanceHandle = hInstance;
    Module().hCurrentResourceHandle = hInstance;
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr) {
        pApp->m_hInstance = hInstance;
        pApp->m_lpCmdLine = lpCmdLine;
        pApp->m_nCmdShow = nCmdShow;
        pApp->SetCurrentHandles();
    }
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&icc);
    return TRUE;
}

int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow)
{
    CWinThread* pThread = AfxGetThread();
    CWinApp* pApp = AfxGetApp();
    if (pThread == nullptr || !AfxWinInit(hInstance, hPrevInstance, lpCmdLine, nCmdShow) ||
        !pApp->InitApplication())
        return -1;
    if (!pThread->InitInstance()) {
        if (pThread->m_pMainWnd != nullptr && pThread->m_pMainWnd->m_hWnd != nullptr)
            pThread->m_pMainWnd->DestroyWindow();
        return pThread->ExitInstance();
    }
    return pThread->Run();
}
