#include "AfxState.h"

#include <afxdlgs.h>

#include <cwchar>

IMPLEMENT_DYNAMIC(CFileDialog, CCommonDialog)

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt, LPCTSTR lpszFileName,
                         DWORD dwFlags, LPCTSTR lpszFilter, CWnd* pParentWnd, DWORD dwSize)
    : CCommonDialog(pParentWnd), m_ofn(), m_bOpenFileDialog(bOpenFileDialog), m_szFileTitle(),
      m_szFileName()
{
    m_ofn.lStructSize = dwSize != 0 ? dwSize : DWORD(sizeof(m_ofn));
    m_ofn.lpstrFile = m_szFileName;
    m_ofn.nMaxFile = _countof(m_szFileName);
    m_ofn.lpstrDefExt = lpszDefExt;
    m_ofn.lpstrFileTitle = m_szFileTitle;
    m_ofn.nMaxFileTitle = _countof(m_szFileTitle);
    m_ofn.Flags = dwFlags | OFN_ENABLEHOOK | OFN_EXPLORER;
    // A template of the caller's own does not size with the dialog.
    if ((dwFlags & OFN_ENABLETEMPLATE) != 0)
        m_ofn.Flags &= ~DWORD(OFN_ENABLESIZING);
    m_ofn.hInstance = AfxGetResourceHandle();
    m_ofn.lpfnHook = &AfxCommDlgProc;
    if (lpszFileName != nullptr)
        ::lstrcpynW(m_szFileName, lpszFileName, _countof(m_szFileName));

    if (lpszFilter != nullptr) {
        // The system separates the parts with '\0' and ends the list with an empty part, which
        // the string's own terminator gives after the last '|'. The buffer keeps the '\0's, so
        // it is never released.
        m_strFilter = lpszFilter;
        LPTSTR pch = m_strFilter.GetBuffer();
        while ((pch = std::wcschr(pch, L'|')) != nullptr)
            *pch++ = L'\0';
        m_ofn.lpstrFilter = m_strFilter;
    }
}

// The owner is disabled before the system dialog exists, since the system dialog may pump
// messages while it comes up; the Explorer dialog's hook attaches its child dialog to this
// object.
INT_PTR CFileDialog::DoModal()
{
    // What follows the initial name is cleared, so that a multiple selection reads cleanly.
    size_t nOffset = std::wcslen(m_ofn.lpstrFile) + 1;
    if (nOffset < m_ofn.nMaxFile)
        std::wmemset(m_ofn.lpstrFile + nOffset, L'\0', m_ofn.nMaxFile - nOffset);

    HWND hWndFocus = ::GetFocus();
    m_ofn.hwndOwner = PreModal();
    AfxUnhookWindowCreate();
    BOOL bEnableOwner = FALSE;
    if (m_ofn.hwndOwner != nullptr && ::IsWindowEnabled(m_ofn.hwndOwner)) {
        bEnableOwner = TRUE;
        ::EnableWindow(m_ofn.hwndOwner, FALSE);
    }

    afx_internal::RoutingState& routing = afx_internal::Routing();
    if ((m_ofn.Flags & OFN_EXPLORER) != 0)
        routing.pAlternateWndInit = this;
    else
        AfxHookWindowCreate(this);
    BOOL bResult = m_bOpenFileDialog ? ::GetOpenFileNameW(&m_ofn) : ::GetSaveFileNameW(&m_ofn);
    routing.pAlternateWndInit = nullptr;

    if (bEnableOwner)
        ::EnableWindow(m_ofn.hwndOwner, TRUE);
    if (::IsWindow(hWndFocus))
        ::SetFocus(hWndFocus);
    PostModal();
    return bResult ? IDOK : IDCANCEL;
}

CString CFileDialog::QueryDialog(UINT nMessage) const
{
    CString strResult;
    LRESULT nResult = ::SendMessageW(::GetParent(m_hWnd), nMessage, WPARAM(MAX_PATH),
                                     reinterpret_cast<LPARAM>(strResult.GetBuffer(MAX_PATH)));
    strResult.ReleaseBuffer();
    if (nResult < 0)
        strResult.Empty();
    return strResult;
}

CString CFileDialog::GetPathName() const
{
    if ((m_ofn.Flags & OFN_EXPLORER) != 0 && m_hWnd != nullptr &&
        !QueryDialog(CDM_GETSPEC).IsEmpty()) {
        CString strPath = QueryDialog(CDM_GETFILEPATH);
        if (!strPath.IsEmpty())
            return strPath;
    }
    return m_ofn.lpstrFile;
}

CString CFileDialog::GetFileName() const
{
    if ((m_ofn.Flags & OFN_EXPLORER) != 0 && m_hWnd != nullptr)
        return QueryDialog(CDM_GETSPEC);
    return m_ofn.lpstrFileTitle;
}

CString CFileDialog::GetFileExt() const
{
    if ((m_ofn.Flags & OFN_EXPLORER) != 0 && m_hWnd != nullptr) {
        CString strName = QueryDialog(CDM_GETSPEC);
        int nDot = strName.ReverseFind(L'.');
        return nDot >= 0 ? strName.Mid(nDot + 1) : CString();
    }
    if (m_ofn.nFileExtension == 0)
        return CString();
    return m_ofn.lpstrFile + m_ofn.nFileExtension;
}

CString CFileDialog::GetFileTitle() const
{
    CString strName = GetFileName();
    int nDot = strName.ReverseFind(L'.');
    return nDot >= 0 ? strName.Left(nDot) : strName;
}
