#include "DropListFixture.h"

#include "DialogTemplate.h"
#include "HookProbe.h"

namespace pgtest {
namespace {

constexpr int kEditId = 100;
constexpr POINT kHostPosition{40, 40};
constexpr SIZE kHostClient{400, 300};
constexpr POINT kEditorPosition{20, 20};

} // namespace

BOOL CTestHost::Create(const wchar_t* pszTitle, CPoint ptScreen, CSize szClient)
{
    DialogTemplate dialogTemplate(WS_POPUP | WS_CAPTION | WS_SYSMENU, 200, 150, pszTitle);
    if (!CreateIndirect(dialogTemplate.Get()))
        return FALSE;
    CRect rcWindow(CPoint(0, 0), szClient);
    ::AdjustWindowRectEx(&rcWindow, GetStyle(), FALSE, GetExStyle());
    SetWindowPos(nullptr, ptScreen.x, ptScreen.y, rcWindow.Width(), rcWindow.Height(),
                 SWP_NOZORDER);
    ShowWindow(SW_SHOW);
    SetForegroundWindow();
    UpdateWindow();
    PumpMessages();
    return TRUE;
}

BOOL CEditorStandIn::Create(CWnd* pHost, const CRect& rcInHost)
{
    DialogTemplate dialogTemplate(WS_CHILD | WS_VISIBLE, 80, 12);
    dialogTemplate.Add(DialogItemClass::Edit, WS_TABSTOP | ES_AUTOHSCROLL, 0, 0, 80, 12,
                       WORD(kEditId));
    if (!CreateIndirect(dialogTemplate.Get(), pHost))
        return FALSE;
    SetWindowPos(nullptr, rcInHost.left, rcInHost.top, rcInHost.Width(), rcInHost.Height(),
                 SWP_NOZORDER);
    m_Edit.SetWindowPos(nullptr, 0, 0, rcInHost.Width(), rcInHost.Height(), SWP_NOZORDER);
    m_Edit.SetFocus();
    return TRUE;
}

void CEditorStandIn::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, kEditId, m_Edit);
}

CRect CEditorStandIn::Anchor() const
{
    CRect rc;
    GetClientRect(&rc);
    ClientToScreen(&rc);
    return CRect(rc.left, rc.bottom + 1, rc.right + 1, rc.bottom + 101);
}

BOOL CEditorStandIn::Open(const std::vector<CString>* pItems, const wchar_t* pszCurrent)
{
    return m_DropList.OpenDropList(this, pItems, Anchor(), pszCurrent);
}

LRESULT CEditorStandIn::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case PGM_DROPLIST_COMMIT:
        m_Messages.emplace_back(message, wParam);
        if (m_OnCommit) {
            auto onCommit = m_OnCommit; // the call may delete this object and its members
            onCommit();
        }
        return 0;
    case PGM_DROPLIST_KEY:
    case PGM_DROPLIST_WHEEL:
    case PGM_DROPLIST_CLOSED:
        m_Messages.emplace_back(message, wParam);
        return 0;
    case WM_MOUSEWHEEL:
        if (m_DropList.m_hWnd != nullptr && m_DropList.IsWindowVisible())
            return m_DropList.SendMessage(WM_MOUSEWHEEL, wParam, lParam);
        break;
    case WM_DESTROY:
        m_DropList.DestroyWindow();
        break;
    default:
        break;
    }
    return CDialog::WindowProc(message, wParam, lParam);
}

void DropListTest::SetUpTestSuite()
{
    static bool s_bInitialized = false;
    if (!std::exchange(s_bInitialized, true))
        InitPropertyGridCtrl();
}

void DropListTest::SetUp()
{
    ASSERT_TRUE(m_Host.Create(L"Host", kHostPosition, kHostClient));
    ASSERT_TRUE(CreateEditor());
}

bool DropListTest::CreateEditor()
{
    m_pEditor = std::make_unique<CEditorStandIn>();
    bool bCreated = m_pEditor->Create(&m_Host, CRect(kEditorPosition, kEditorSize)) != FALSE;
    PumpMessages();
    return bCreated;
}

void DropListTest::TearDown()
{
    m_Host.DestroyWindow();
    m_pEditor.reset();
    PumpMessages();
}

bool DropListTest::Open(const std::vector<CString>* pItems, const wchar_t* pszCurrent)
{
    bool bOpened = m_pEditor->Open(pItems, pszCurrent) != FALSE;
    PumpMessages();
    return bOpened && IsOpen();
}

CRect DropListTest::PopupRect() const
{
    CRect rc;
    ::GetWindowRect(Popup(), &rc);
    return rc;
}

int DropListTest::RowHeight() const
{
    return int(::SendMessageW(List(), LB_GETITEMHEIGHT, 0, 0));
}

int DropListTest::Selected() const
{
    return int(::SendMessageW(List(), LB_GETCURSEL, 0, 0));
}

int DropListTest::TopIndex() const
{
    return int(::SendMessageW(List(), LB_GETTOPINDEX, 0, 0));
}

CPoint DropListTest::RowPoint(int nItem) const
{
    CRect rc;
    ::SendMessageW(List(), LB_GETITEMRECT, WPARAM(nItem), reinterpret_cast<LPARAM>(&rc));
    return rc.CenterPoint();
}

CString DropListTest::ItemText(int nItem) const
{
    wchar_t szText[256] = L"";
    ::SendMessageW(List(), LB_GETTEXT, WPARAM(nItem), reinterpret_cast<LPARAM>(szText));
    return szText;
}

bool DropListTest::ClickList(CPoint ptInList)
{
    ::MapWindowPoints(List(), m_Host.m_hWnd, &ptInList, 1);
    return Click(m_Host.m_hWnd, ptInList);
}

bool DropListTest::FocusAndActivationStayWithTheHost() const
{
    return ::GetFocus() == EditField() && ::GetActiveWindow() == m_Host.m_hWnd;
}

bool DropListTest::AnyHookInstalled()
{
    return IsAnyRegistryHookInstalled(m_Host.m_hWnd);
}

} // namespace pgtest
