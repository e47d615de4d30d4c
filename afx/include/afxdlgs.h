// Common dialogs: the system's file and colour dialogs run modally as framework dialogs.
#pragma once

#include "afxwin.h"

#include <commdlg.h>

// The base of the system's common dialogs. While one runs, its window is a framework window of
// the object (for the Explorer-style file dialog, the child dialog that carries the hook), so
// that message maps, OnInitDialog and GetSafeOwner work as for the framework's own dialogs.
class AFX_CORE_API CCommonDialog : public CDialog
{
    DECLARE_DYNAMIC(CCommonDialog)
public:
    explicit CCommonDialog(CWnd* pParentWnd);

protected:
    // The system dialog ends itself: OK and Cancel go on to its own handling.
    void OnOK() override;
    void OnCancel() override;
};

// The system's Open and Save As dialogs, Explorer style.
class AFX_CORE_API CFileDialog : public CCommonDialog
{
    DECLARE_DYNAMIC(CFileDialog)
public:
    // lpszFilter pairs descriptions and patterns, each part ended by '|' ("Text (*.txt)|*.txt|");
    // dwSize is the size of OPENFILENAME to hand the system, 0 for the whole structure.
    explicit CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt = nullptr,
                         LPCTSTR lpszFileName = nullptr,
                         DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                         LPCTSTR lpszFilter = nullptr, CWnd* pParentWnd = nullptr,
                         DWORD dwSize = 0);

    OPENFILENAME m_ofn; // what the system dialog is given and fills in

    // IDOK or IDCANCEL (also when the system dialog failed).
    INT_PTR DoModal() override;

    // The chosen file: what the dialog's fields hold while it runs, the result afterwards.
    CString GetPathName() const;
    CString GetFileName() const;
    CString GetFileExt() const;
    CString GetFileTitle() const;
    BOOL GetReadOnlyPref() const { return (m_ofn.Flags & OFN_READONLY) != 0; }
    OPENFILENAME& GetOFN() { return m_ofn; }
    const OPENFILENAME& GetOFN() const { return m_ofn; }

protected:
    BOOL m_bOpenFileDialog;        // Open, not Save As
    CString m_strFilter;           // the filter with its '|' turned into the system's '\0'
    TCHAR m_szFileTitle[64];       // the chosen file's name without its folder
    TCHAR m_szFileName[_MAX_PATH]; // the initial name, then the chosen path

private:
    // The text of a CDM_ query to the running Explorer dialog; empty when it fails.
    CString QueryDialog(UINT nMessage) const;
};

// The system's colour dialog.
class AFX_CORE_API CColorDialog : public CCommonDialog
{
    DECLARE_DYNAMIC(CColorDialog)
public:
    // A colour other than 0 is the initial selection (CC_RGBINIT is added).
    explicit CColorDialog(COLORREF clrInit = 0, DWORD dwFlags = 0, CWnd* pParentWnd = nullptr);

    CHOOSECOLOR m_cc; // what the system dialog is given and fills in

    // IDOK or IDCANCEL (also when the system dialog failed).
    INT_PTR DoModal() override;
    COLORREF GetColor() const { return m_cc.rgbResult; }
    // Asks the running dialog to select clr.
    void SetCurrentColor(COLORREF clr);
    // The 16 custom colours the dialogs of the process share, white until the user sets them.
    static COLORREF* PASCAL GetSavedCustomColors();

protected:
    // The user pressed OK: FALSE lets the dialog close, TRUE keeps it open.
    virtual BOOL OnColorOK();

    friend UINT_PTR CALLBACK AfxCommDlgProc(HWND, UINT, WPARAM, LPARAM);
};
