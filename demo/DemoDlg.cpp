#include "DemoDlg.h"

#include "WindowCapture.h"
#include "resource.h"

namespace {

// Timer messages come only when nothing else is waiting, so by then the dialog is painted.
constexpr UINT_PTR kScreenshotTimer = 1;
constexpr UINT kScreenshotDelayMs = 200;

// Check-box states of a value cell, in the top four bits.
constexpr unsigned kUnchecked = 0x10000000;
constexpr unsigned kChecked = 0x50000000;
constexpr unsigned kMixed = 0x90000000;

enum EDemoProperty : unsigned
{
    ID_NAME = 1,
    ID_DESCRIPTION,
    ID_MATERIAL,
    ID_TEXTURE,
    ID_TAG,
    ID_SCRIPT,
};

const wchar_t* const kObjectTitles[] = {L"Object A", L"Object B"};

} // namespace

BEGIN_MESSAGE_MAP(CDemoDlg, CDialog)
    ON_WM_TIMER()
    ON_MESSAGE(PGM_PROPERTYCHANGE, &CDemoDlg::OnPropertyChange)
END_MESSAGE_MAP()

CDemoDlg::CDemoDlg() : CDialog(IDD_DEMO)
{
    m_Objects[0] = {L"Crate", L"A wooden crate", L"Oak", L"crate.png", L"prop", L"spawn()"};
    m_Objects[1] = {L"Barrel", L"", L"Iron", L"barrel.png", L"prop", L"roll()"};
}

void CDemoDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PROPERTYGRID, m_Grid);
}

BOOL CDemoDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    FillGrid();
    if (!m_strScreenshotPath.IsEmpty())
        SetTimer(kScreenshotTimer, kScreenshotDelayMs);
    return TRUE;
}

IZNPropertyGridProperty* CDemoDlg::AddTextProperty(CZNPropertyGridCategory* pCategory,
                                                   const wchar_t* pszName, const wchar_t* pszHelp,
                                                   unsigned nID, CString CDemoObject::*pField)
{
    IZNPropertyGridProperty* pProperty =
        m_Grid.AddProperty(pCategory, pszName, pszHelp, nID, PGT_TEXT, nullptr);
    for (int nObject = 0; nObject < 2; ++nObject)
        m_Grid.SetPropertyValue(pCategory, pProperty, nObject, &(m_Objects[nObject].*pField));
    return pProperty;
}

void CDemoDlg::FillGrid()
{
    m_Grid.Initialize(PGS_PROPORTIONALCOLUMNS);
    for (const wchar_t* pszTitle : kObjectTitles)
        m_Grid.AddColumn(150, pszTitle);

    CZNPropertyGridCategory* pRoot = m_Grid.AddCategory(nullptr, L"Objects", L"");
    CZNPropertyGridCategory* pGeneral = m_Grid.AddCategory(pRoot, L"General", L"Identity");
    AddTextProperty(pGeneral, L"Name", L"The object's name", ID_NAME, &CDemoObject::strName);
    IZNPropertyGridProperty* pDescription = m_Grid.AddProperty(
        pGeneral, L"Description", L"What the object is", ID_DESCRIPTION, PGT_TEXT, nullptr);
    m_Grid.SetPropertyValue(pGeneral, pDescription, 0, &m_Objects[0].strDescription);

    CZNPropertyGridCategory* pLook = m_Grid.AddCategory(pGeneral, L"Appearance", L"Looks");
    IZNPropertyGridProperty* pMaterial = AddTextProperty(pLook, L"Material", L"Surface material",
                                                         ID_MATERIAL, &CDemoObject::strMaterial);
    m_Grid.SetPropertyCheckBoxState(pLook, pMaterial, 0, kChecked);
    m_Grid.SetPropertyCheckBoxState(pLook, pMaterial, 1, kUnchecked);
    IZNPropertyGridProperty* pTexture =
        AddTextProperty(pLook, L"Texture", L"Image file", ID_TEXTURE, &CDemoObject::strTexture);
    m_Grid.SetPropertyCheckBoxState(pLook, pTexture, 1, kMixed);
    m_Grid.EnableProperty(pLook, pTexture, 0, false);

    CZNPropertyGridCategory* pAdvanced = m_Grid.AddCategory(pRoot, L"Advanced", L"Rarely used");
    AddTextProperty(pAdvanced, L"Tag", L"Editor tag", ID_TAG, &CDemoObject::strTag);
    m_Grid.ToggleExpand(pAdvanced);

    CZNPropertyGridCategory* pScripting = m_Grid.AddCategory(pRoot, L"Scripting", L"Behaviour");
    AddTextProperty(pScripting, L"On create", L"Script run on creation", ID_SCRIPT,
                    &CDemoObject::strScript);
}

LRESULT CDemoDlg::OnPropertyChange(WPARAM wParam, LPARAM)
{
    int nObject = LOWORD(wParam);
    CString strStatus;
    strStatus.Format(L"%s: property %u changed; name is now \"%s\"", kObjectTitles[nObject & 1],
                     unsigned(HIWORD(wParam)), m_Objects[nObject & 1].strName.GetString());
    SetDlgItemText(IDC_STATUS, strStatus);
    return 0;
}

void CDemoDlg::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kScreenshotTimer) {
        CDialog::OnTimer(nIDEvent);
        return;
    }
    KillTimer(kScreenshotTimer);
    SaveScreenshot();
    EndDialog(IDOK);
}

void CDemoDlg::SaveScreenshot()
{
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
    m_bScreenshotWritten =
        pgtest::SavePng(pgtest::CaptureWindow(m_hWnd), std::wstring(m_strScreenshotPath));
}
