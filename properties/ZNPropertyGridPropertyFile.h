// A file path per value column, kept in the host's CString. The cell shows it relative to the
// grid's base path; its editor browses for a file with the system's Open dialog and asks the
// host, or else the shell, to open it.
#pragma once

#include "model/ZNPropertyGridButtonEditDlg.h"
#include "model/ZNPropertyGridTextualProperty.h"

class CZNPropertyGridPropertyFileValueDlg;

class CZNPropertyGridPropertyFile
    : public CZNPropertyGridTextualProperty<CZNPropertyGridPropertyFile, CString,
                                            CZNPropertyGridPropertyFileValueDlg>
{
public:
    // pszOptions is the Open dialog's filter, in CFileDialog's form ("Text (*.txt)|*.txt|");
    // null gives every file, "" no filter at all.
    CZNPropertyGridPropertyFile(CZNPropertyGridCategory* pCategory, const wchar_t* pszName,
                                const wchar_t* pszHelp, unsigned nID, const wchar_t* pszOptions);

    // The host, the tip and the editor get the stored path; the cell shows it as StripBasePath
    // does, losing characters in its middle when it is too long.
    void ValueText(CString* pValue, CString& strText) { strText = *pValue; }
    void CellText(PropertyGridDrawContext* pContext, CString* pValue, CString& strText);
    static constexpr UINT kValueTextFormat = DT_SINGLELINE | DT_VCENTER | DT_PATH_ELLIPSIS;

    // The editor gets the filter with the value.
    void BeginEditor(CZNPropertyGridPropertyFileValueDlg& editor, int nIndex, void* pValue,
                     RECT* pCell);

private:
    CString m_strFilter; // the Open dialog's filter
};

// The file editor: the edit field, "..." to browse and "!" to open the file.
class CZNPropertyGridPropertyFileValueDlg : public CZNPropertyGridButtonEditDlg
{
    DECLARE_DYNAMIC(CZNPropertyGridPropertyFileValueDlg)
public:
    static constexpr UINT IDD = IDD_PROPERTYGRID_FILE;

    explicit CZNPropertyGridPropertyFileValueDlg(CWnd* pParent = nullptr);

    BOOL BeginEdit(IZNPropertyGridProperty* pProperty, void* pValue, RECT* pCell,
                   const wchar_t* pszFilter);
    // Stores the edited path when it differs from the host's, letter case included.
    void ApplyValue() override;
    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    // The two buttons are squares as high as the editor less a pixel above and below, at its
    // right end; the edit field ends three pixels before them.
    void LayoutControls(int cx, int cy) override;

    afx_msg void OnBrowse();
    afx_msg void OnExecute();
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);

    DECLARE_MESSAGE_MAP()

private:
    CString* m_pValue;                           // the host's path being edited
    CString m_strFilter;                         // the Open dialog's filter for it
    CZNPropertyGridBrowseButton m_BrowseButton;  // "...": the Open dialog
    CZNPropertyGridBrowseButton m_ExecuteButton; // "!": open the file
};
