// Message boxes of the application and the string formatting their prompts use.
#include "AfxState.h"

#include <initializer_list>

namespace {

// Without an icon in nType, OK and OK/Cancel boxes warn and Yes/No boxes ask.
UINT WithDefaultIcon(UINT nType)
{
    if ((nType & MB_ICONMASK) != 0)
        return nType;
    switch (nType & MB_TYPEMASK) {
    case MB_OK:
    case MB_OKCANCEL:
        return nType | MB_ICONEXCLAMATION;
    case MB_YESNO:
    case MB_YESNOCANCEL:
        return nType | MB_ICONQUESTION;
    default:
        return nType;
    }
}

// The box is owned by the safe owner; the top-level window above it stays disabled meanwhile
// (the system disables the owner itself).
int ShowAppMessageBox(LPCTSTR lpszPrompt, UINT nType, LPCTSTR lpszCaption)
{
    HWND hWndTop = nullptr;
    HWND hWnd = CWnd::GetSafeOwner_(nullptr, &hWndTop);
    if (hWnd != hWndTop)
        ::EnableWindow(hWnd, TRUE);
    int nResult = ::MessageBoxW(hWnd, lpszPrompt, lpszCaption, WithDefaultIcon(nType));
    if (hWndTop != nullptr)
        ::EnableWindow(hWndTop, TRUE);
    return nResult;
}

// Without an application object, the title is the executable's path.
CString ExecutablePath()
{
    CString strPath;
    DWORD nLength = ::GetModuleFileNameW(nullptr, strPath.GetBuffer(MAX_PATH), MAX_PATH);
    strPath.ReleaseBuffer(int(nLength));
    return strPath;
}

// Replaces %1..%9 with the given texts; a number without a text becomes '?'.
CString FormatStrings(UINT nIDS, std::initializer_list<LPCTSTR> texts)
{
    CString strFormat;
    strFormat.LoadString(nIDS);
    CString strResult;
    for (int i = 0; i < strFormat.GetLength(); ++i) {
        wchar_t ch = strFormat[i];
        wchar_t chNext = strFormat[i + 1];
        if (ch != L'%' || chNext < L'1' || chNext > L'9') {
            strResult.AppendChar(ch);
            continue;
        }
        size_t nIndex = size_t(chNext - L'1');
        if (nIndex < texts.size())
            strResult += texts.begin()[nIndex];
        else
            strResult.AppendChar(L'?');
        ++i;
    }
    return strResult;
}

} // namespace

LPCTSTR AFXAPI AfxGetAppName()
{
    CWinApp* pApp = AfxGetApp();
    return pApp != nullptr ? pApp->m_pszAppName : nullptr;
}

int CWinApp::DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT)
{
    return ShowAppMessageBox(lpszPrompt, nType, m_pszAppName);
}

int AFXAPI AfxMessageBox(LPCTSTR lpszText, UINT nType, UINT nIDHelp)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr)
        return pApp->DoMessageBox(lpszText, nType, nIDHelp);
    return ShowAppMessageBox(lpszText, nType, ExecutablePath());
}

int AFXAPI AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
    CString strPrompt;
    strPrompt.LoadString(nIDPrompt);
    return AfxMessageBox(strPrompt, nType, nIDHelp == UINT(-1) ? nIDPrompt : nIDHelp);
}

int CWnd::MessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption, UINT nType)
{
    if (lpszCaption == nullptr)
        lpszCaption = AfxGetAppName();
    return ::MessageBoxW(GetSafeHwnd(), lpszText, lpszCaption, nType);
}

void AFXAPI AfxFormatString1(CString& rString, UINT nIDS, LPCTSTR lpsz1)
{
    rString = FormatStrings(nIDS, {lpsz1});
}

void AFXAPI AfxFormatString2(CString& rString, UINT nIDS, LPCTSTR lpsz1, LPCTSTR lpsz2)
{
    rString = FormatStrings(nIDS, {lpsz1, lpsz2});
}
