#include "MinimalHostDlg.h"

#include "resource.h"

#include <initializer_list>
#include <vector>

namespace {

// The host's own numbers for its properties: they come back in every notification.
enum EPropertyId : unsigned
{
    ID_NAME = 1,
    ID_SHAPE,
    ID_COUNT,
    ID_MASS,
    ID_POSITION,
    ID_TINT,
};

constexpr UINT_PTR kSelfTestTimer = 1;
// Timer messages come after the input waiting in the queue: each step sees the last one's keys
// handled.
constexpr UINT kSelfTestDelayMs = 200;
constexpr int kSelfTestCount = 42;

// Presses and releases each key in turn, as the keyboard does; modifier keys given first are
// held until the end.
void PressKeys(std::initializer_list<WORD> keys, std::initializer_list<WORD> modifiers = {})
{
    std::vector<INPUT> events;
    auto add = [&events](WORD vk, DWORD dwFlags) {
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = vk;
        input.ki.dwFlags = dwFlags;
        events.push_back(input);
    };
    for (WORD vk : modifiers)
        add(vk, 0);
    for (WORD vk : keys) {
        add(vk, 0);
        add(vk, KEYEVENTF_KEYUP);
    }
    for (WORD vk : modifiers)
        add(vk, KEYEVENTF_KEYUP);
    ::SendInput(UINT(events.size()), events.data(), sizeof(INPUT));
}

} // namespace

BEGIN_MESSAGE_MAP(CMinimalHostDlg, CDialog)
    ON_MESSAGE(PGM_PROPERTYCHANGE, &CMinimalHostDlg::OnPropertyChange)
    ON_WM_TIMER()
    ON_BN_CLICKED(IDC_ACCENT, &CMinimalHostDlg::OnAccentColour)
END_MESSAGE_MAP()

CMinimalHostDlg::CMinimalHostDlg(bool bSelfTest) : CDialog(IDD_MINIMALHOST), m_bSelfTest(bSelfTest)
{
}

void CMinimalHostDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_GRID, m_Grid);
}

BOOL CMinimalHostDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    FillGrid();
    if (m_bSelfTest)
        SetTimer(kSelfTestTimer, kSelfTestDelayMs);
    return TRUE;
}

void CMinimalHostDlg::FillGrid()
{
    m_Grid.Initialize(PGS_PROPORTIONALCOLUMNS);
    m_Grid.AddColumn(150, L"Object A");
    m_Grid.AddColumn(150, L"Object B");

    // The root category has no row of its own: its children are the grid's top level.
    CZNPropertyGridCategory* pRoot = m_Grid.AddCategory(nullptr, L"Objects", L"");
    AddGeneral(pRoot);
    AddPhysics(pRoot);
    AddLooks(pRoot);
}

void CMinimalHostDlg::AddGeneral(CZNPropertyGridCategory* pRoot)
{
    CZNPropertyGridCategory* pGeneral = m_Grid.AddCategory(pRoot, L"General", L"Identity");
    IZNPropertyGridProperty* pName =
        m_Grid.AddProperty(pGeneral, L"Name", L"The object's name", ID_NAME, PGT_TEXT, nullptr);
    IZNPropertyGridProperty* pShape =
        m_Grid.AddProperty(pGeneral, L"Shape", L"Collision shape, typed or picked", ID_SHAPE,
                           PGT_ENUM, L"Box|Sphere|Cylinder|Capsule");
    for (int nObject = 0; nObject < 2; ++nObject) {
        m_Grid.SetPropertyValue(pGeneral, pName, nObject, &m_strName[nObject]);
        m_Grid.SetPropertyValue(pGeneral, pShape, nObject, &m_strShape[nObject]);
    }
}

void CMinimalHostDlg::AddPhysics(CZNPropertyGridCategory* pRoot)
{
    CZNPropertyGridCategory* pPhysics = m_Grid.AddCategory(pRoot, L"Physics", L"Simulation");
    m_pCount = m_Grid.AddProperty(pPhysics, L"Count", L"How many", ID_COUNT, PGT_INTEGER, nullptr);
    IZNPropertyGridProperty* pMass =
        m_Grid.AddProperty(pPhysics, L"Mass", L"Kilograms", ID_MASS, PGT_FLOAT, nullptr);
    IZNPropertyGridProperty* pPosition =
        m_Grid.AddProperty(pPhysics, L"Position", L"x, y, z", ID_POSITION, PGT_VECTOR3, nullptr);
    for (int nObject = 0; nObject < 2; ++nObject) {
        m_Grid.SetPropertyValue(pPhysics, m_pCount, nObject, &m_nCount[nObject]);
        m_Grid.SetPropertyValue(pPhysics, pMass, nObject, &m_fMass[nObject]);
        m_Grid.SetPropertyValue(pPhysics, pPosition, nObject, m_vPosition[nObject]);
    }
}

void CMinimalHostDlg::AddLooks(CZNPropertyGridCategory* pRoot)
{
    CZNPropertyGridCategory* pLooks = m_Grid.AddCategory(pRoot, L"Looks", L"Colours");
    IZNPropertyGridProperty* pTint = m_Grid.AddProperty(pLooks, L"Tint", L"Red, green, blue, alpha",
                                                        ID_TINT, PGT_COLORVECTOR4, L"showasbyte");
    for (int nObject = 0; nObject < 2; ++nObject)
        m_Grid.SetPropertyValue(pLooks, pTint, nObject, m_cTint[nObject]);
}

// The grid has already written the new value into the member when this arrives.
LRESULT CMinimalHostDlg::OnPropertyChange(WPARAM wParam, LPARAM)
{
    unsigned nValueIndex = LOWORD(wParam);
    unsigned nPropertyId = HIWORD(wParam);
    CString strStatus;
    strStatus.Format(L"Property %u of object %c changed", nPropertyId, L'A' + nValueIndex);
    SetDlgItemText(IDC_STATUS, strStatus);
    return 0;
}

// Cut, Copy and Paste of the menu go to the grid's open editor first.
BOOL CMinimalHostDlg::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (m_Grid.m_hWnd != nullptr && m_Grid.OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return CDialog::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

// The colour chooser on its own: its template and icons are the module's resources, so those
// are the current ones while it is made and runs.
void CMinimalHostDlg::OnAccentColour()
{
    HINSTANCE hPreviousResources = AfxGetResourceHandle();
    AfxSetResourceHandle(::GetModuleHandleW(L"Tarvex.PropertyGrid.dll"));
    CZNColorDialog dialog(m_dwAccent, CC_RGBINIT | CC_FULLOPEN | ZNCC_EDITALPHA, this);
    INT_PTR nResult = dialog.DoModal();
    AfxSetResourceHandle(hPreviousResources);
    if (nResult != IDOK)
        return;
    m_dwAccent = dialog.m_clrResult;
    CString strStatus;
    strStatus.Format(L"Accent colour: red %u, green %u, blue %u, alpha %u",
                     unsigned(m_dwAccent & 0xFF), unsigned((m_dwAccent >> 8) & 0xFF),
                     unsigned((m_dwAccent >> 16) & 0xFF), unsigned(m_dwAccent >> 24));
    SetDlgItemText(IDC_STATUS, strStatus);
}

void CMinimalHostDlg::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == kSelfTestTimer)
        RunSelfTestStep();
    else
        CDialog::OnTimer(nIDEvent);
}

// The self-test edits object A's count as a user does: selects the row, opens its editor with
// Enter, replaces the text and confirms with Enter.
void CMinimalHostDlg::RunSelfTestStep()
{
    switch (m_nSelfTestStep++) {
    case 0:
        SetForegroundWindow();
        m_Grid.SetFocus();
        m_Grid.SetCurSel(m_Grid.ComputeListIndex(m_pCount));
        PressKeys({VK_RETURN});
        break;
    case 1:
        PressKeys({VK_END});
        PressKeys({VK_HOME}, {VK_SHIFT});
        PressKeys({'4', '2', VK_RETURN});
        break;
    default:
        KillTimer(kSelfTestTimer);
        EndDialog(SelfTestPassed() ? IDOK : IDABORT);
        break;
    }
}

bool CMinimalHostDlg::SelfTestPassed()
{
    CString strStatus;
    GetDlgItemText(IDC_STATUS, strStatus);
    return m_Grid.IsWindowVisible() && m_Grid.GetCount() > 0 && m_nCount[0] == kSelfTestCount &&
           m_nCount[1] == 3 && strStatus == L"Property 3 of object A changed";
}
