#include "properties/ZNPropertyGridPropertyFile.h"

#include "model/ZNPropertyGridPathDisplay.h"

#include <afxdlgs.h>
#include <shellapi.h>

namespace {

// What the Open dialog offers without a filter of the host's.
constexpr wchar_t kAllFilesFilter[] = L"All Files (*.*)|*.*|";
constexpr DWORD kOpenFlags = OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_EXPLORER | OFN_ENABLESIZING;

// A square button of side cy - 2 whose left edge is at x.
void PlaceButton(CWnd& button, int x, int cy)
{
    if (button.m_hWnd != nullptr)
        button.SetWindowPos(nullptr, x, 1, cy - 2, cy - 2, SWP_NOZORDER);
}

} // namespace

CZNPropertyGridPropertyFile::CZNPropertyGridPropertyFile(CZNPropertyGridCategory* pCategory,
                                                         const wchar_t* pszName,
                                                         const wchar_t* pszHelp, unsigned nID,
                                                         const wchar_t* pszOptions)
    : CZNPropertyGridTextualProperty(pCategory, pszName, pszHelp, nID, PGT_FILE,
                                     L"PropertyGridPropertyFile"),
      m_strFilter(pszOptions != nullptr ? pszOptions : kAllFilesFilter)
{
}

void CZNPropertyGridPropertyFile::CellText(PropertyGridDrawContext* pContext, CString* pValue,
                                           CString& strText)
{
    strText =
        pContext->pBasePath != nullptr ? StripBasePath(*pContext->pBasePath, *pValue) : *pValue;
}

void CZNPropertyGridPropertyFile::BeginEditor(CZNPropertyGridPropertyFileValueDlg& editor,
                                              int nIndex, void* pValue, RECT* pCell)
{
    editor.BeginEdit(this, pValue, pCell, m_strFilter);
}

//---------------------------------------------------------------------------------------------
// The editor

IMPLEMENT_DYNAMIC(CZNPropertyGridPropertyFileValueDlg, CZNPropertyGridButtonEditDlg)

BEGIN_MESSAGE_MAP(CZNPropertyGridPropertyFileValueDlg, CZNPropertyGridButtonEditDlg)
    ON_BN_CLICKED(IDC_PROPERTYGRID_BROWSE, &CZNPropertyGridPropertyFileValueDlg::OnBrowse)
    ON_BN_CLICKED(IDC_PROPERTYGRID_EXECUTE, &CZNPropertyGridPropertyFileValueDlg::OnExecute)
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

CZNPropertyGridPropertyFileValueDlg::CZNPropertyGridPropertyFileValueDlg(CWnd* pParent)
    : CZNPropertyGridButtonEditDlg(IDD, pParent), m_pValue(nullptr)
{
}

void CZNPropertyGridPropertyFileValueDlg::DoDataExchange(CDataExchange* pDX)
{
    CZNPropertyGridButtonEditDlg::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PROPERTYGRID_BROWSE, m_BrowseButton);
    DDX_Control(pDX, IDC_PROPERTYGRID_EXECUTE, m_ExecuteButton);
}

BOOL CZNPropertyGridPropertyFileValueDlg::OnInitDialog()
{
    CZNPropertyGridButtonEditDlg::OnInitDialog();
    AddButtonTip(m_BrowseButton, L"Browse");
    AddButtonTip(m_ExecuteButton, L"Execute");
    return TRUE;
}

void CZNPropertyGridPropertyFileValueDlg::LayoutControls(int cx, int cy)
{
    PlaceButton(m_ExecuteButton, cx - cy + 1, cy);
    PlaceButton(m_BrowseButton, cx - 2 * cy + 2, cy);
    if (m_Edit.m_hWnd != nullptr)
        m_Edit.SetWindowPos(nullptr, -1, 2, cx - 2 * cy, cy - 2, SWP_NOZORDER);
}

BOOL CZNPropertyGridPropertyFileValueDlg::BeginEdit(IZNPropertyGridProperty* pProperty,
                                                    void* pValue, RECT* pCell,
                                                    const wchar_t* pszFilter)
{
    if (pValue == nullptr)
        return TRUE;
    m_pProperty = pProperty;
    m_strFilter = pszFilter;
    m_pValue = static_cast<CString*>(pValue);
    ShowOver(*pCell, *m_pValue);
    return TRUE;
}

void CZNPropertyGridPropertyFileValueDlg::ApplyValue()
{
    ApplyText(m_pValue);
}

// The chosen file's full path replaces the text and is applied at once; the editor stays open.
// The host may remove the property when it hears of the change, and this editor with it.
void CZNPropertyGridPropertyFileValueDlg::OnBrowse()
{
    CFileDialog dialog(TRUE, nullptr, GetEditText(), kOpenFlags, m_strFilter, this);
    INT_PTR nResult = dialog.DoModal();
    // Back to the text, so that Enter closes the editor rather than pressing the button again.
    m_Edit.SetFocus();
    if (nResult != IDOK)
        return;
    m_Edit.SetWindowText(dialog.GetPathName());
    ApplyValue();
}

// The host opens the file as it sees fit, or else the shell with the file's default verb. The
// text goes as typed, applied or not. The host may remove the property while it answers, and
// this editor with it: after the message only copies are used.
void CZNPropertyGridPropertyFileValueDlg::OnExecute()
{
    CZNPropertyGrid* pGrid = m_pProperty != nullptr ? m_pProperty->GetGrid() : nullptr;
    HWND hHost = pGrid != nullptr ? ::GetParent(pGrid->GetSafeHwnd()) : nullptr;
    if (hHost == nullptr)
        return;
    CString strFile = GetEditText();
    WPARAM wParam = PackNotifyParam(m_pProperty->GetActiveColumn(), m_pProperty->GetID());
    if (::SendMessageW(hHost, PGM_PROPERTYEXECUTE, wParam,
                       reinterpret_cast<LPARAM>(strFile.GetString())) != 0)
        return;
    CWinThread* pThread = AfxGetThread();
    HWND hOwner = pThread != nullptr ? pThread->GetMainWnd()->GetSafeHwnd() : nullptr;
    auto nResult =
        INT_PTR(::ShellExecuteW(hOwner, nullptr, strFile, nullptr, nullptr, SW_SHOWNORMAL));
    if (nResult <= 32)
        ::MessageBeep(MB_ICONHAND);
}

HBRUSH CZNPropertyGridPropertyFileValueDlg::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    if (nCtlColor == CTLCOLOR_BTN)
        return ::GetSysColorBrush(COLOR_WINDOW);
    return CZNPropertyGridButtonEditDlg::OnCtlColor(pDC, pWnd, nCtlColor);
}
