// The drop-down list: opening under the editor, sizing, the frame, and closing on a commit, a
// cancel, a press outside or an activation.
#include "properties/ZNPropertyGridPropertyEnumDroplistDlg.h"

#include "model/ZNPropertyGridPaint.h"
#include "services/HookRegistry.h"

#include <algorithm>

namespace {

// Room beside the widest item: the list box's margins.
constexpr int kItemMargin = 6;
// Below the last row, before the list box trims itself to whole rows.
constexpr int kLastRowMargin = 4;
constexpr DWORD kSlideTimeMs = 150;
// The smallest size a dragged edge leaves.
constexpr int kMinimumWidth = 200;
constexpr int kMinimumHeight = 40;

bool IsLeftEdge(UINT fwSide)
{
    return fwSide == WMSZ_LEFT || fwSide == WMSZ_TOPLEFT || fwSide == WMSZ_BOTTOMLEFT;
}
bool IsRightEdge(UINT fwSide)
{
    return fwSide == WMSZ_RIGHT || fwSide == WMSZ_TOPRIGHT || fwSide == WMSZ_BOTTOMRIGHT;
}
bool IsTopEdge(UINT fwSide)
{
    return fwSide == WMSZ_TOP || fwSide == WMSZ_TOPLEFT || fwSide == WMSZ_TOPRIGHT;
}
bool IsBottomEdge(UINT fwSide)
{
    return fwSide == WMSZ_BOTTOM || fwSide == WMSZ_BOTTOMLEFT || fwSide == WMSZ_BOTTOMRIGHT;
}

} // namespace

IMPLEMENT_DYNAMIC(CZNPropertyGridPropertyEnumDroplistDlg, CDialog)

BEGIN_MESSAGE_MAP(CZNPropertyGridPropertyEnumDroplistDlg, CDialog)
    ON_WM_DESTROY()
    ON_WM_SIZE()
    ON_WM_SIZING()
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_SETCURSOR()
    ON_WM_CTLCOLOR()
    ON_MESSAGE(PGM_DROPLIST_COMMIT, &CZNPropertyGridPropertyEnumDroplistDlg::OnCommit)
    ON_MESSAGE(PGM_DROPLIST_KEY, &CZNPropertyGridPropertyEnumDroplistDlg::OnKey)
    ON_MESSAGE(PGM_DROPLIST_WHEEL, &CZNPropertyGridPropertyEnumDroplistDlg::OnWheel)
    ON_MESSAGE(WM_MOUSEWHEEL, &CZNPropertyGridPropertyEnumDroplistDlg::OnWheel)
    ON_MESSAGE(PGM_DROPLIST_DESTROY, &CZNPropertyGridPropertyEnumDroplistDlg::OnDestroyList)
END_MESSAGE_MAP()

CZNPropertyGridPropertyEnumDroplistDlg::CZNPropertyGridPropertyEnumDroplistDlg()
    : CDialog(IDD), m_dwShowState(0), m_pOwner(nullptr), m_pItems(nullptr), m_rcAnchor{},
      m_dwSavedClassStyle(0)
{
}

// The window's destruction takes back the hook callbacks that point at this object.
CZNPropertyGridPropertyEnumDroplistDlg::~CZNPropertyGridPropertyEnumDroplistDlg()
{
    DestroyWindow();
}

void CZNPropertyGridPropertyEnumDroplistDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PROPERTYGRID_DROPLIST, m_List);
    DDX_Control(pDX, IDC_PROPERTYGRID_SIZEGRIP, m_SizeGrip);
}

//---------------------------------------------------------------------------------------------
// Opening and closing

BOOL CZNPropertyGridPropertyEnumDroplistDlg::OpenDropList(CWnd* pOwner,
                                                          const std::vector<CString>* pItems,
                                                          const RECT& rcAnchor,
                                                          const wchar_t* pszCurrent)
{
    // A list closed a moment ago may still wait for its posted destruction.
    DestroyWindow();
    m_pOwner = pOwner;
    m_pItems = pItems;
    m_rcAnchor = rcAnchor;
    m_strSelection = pszCurrent;
    // The popup is a window of the system's dialog class: it is born with the shadow that the
    // class has while it is open.
    m_HiddenDlg.Create(CHiddenDlg::IDD, pOwner);
    m_dwSavedClassStyle = ::GetClassLongW(m_HiddenDlg.m_hWnd, GCL_STYLE);
    ::SetClassLongW(m_HiddenDlg.m_hWnd, GCL_STYLE, LONG(m_dwSavedClassStyle | CS_DROPSHADOW));
    if (Create(IDD, pOwner))
        return TRUE;
    ReleaseDialogClass();
    return FALSE;
}

void CZNPropertyGridPropertyEnumDroplistDlg::ReleaseDialogClass()
{
    ::SetClassLongW(m_HiddenDlg.m_hWnd, GCL_STYLE, LONG(m_dwSavedClassStyle));
    m_HiddenDlg.DestroyWindow();
}

BOOL CZNPropertyGridPropertyEnumDroplistDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    // Floating on the desktop with its child style, the popup can be neither activated nor
    // given the keyboard focus.
    SetOwner(GetParent());
    SetParent(nullptr);
    FlattenEdge(*this);
    m_SizeGrip.ModifyStyle(0, WS_CLIPSIBLINGS);
    m_SizeGrip.SetWindowPos(&wndTop, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_FRAMECHANGED);
    m_List.ModifyStyle(0, WS_CLIPSIBLINGS, SWP_FRAMECHANGED);
    m_brFrame.CreateSolidBrush(LightenColor(200, ::GetSysColor(COLOR_HIGHLIGHT)));

    FillList(m_pItems);
    ShowDropped(m_rcAnchor);
    CRect rcClient;
    GetClientRect(&rcClient);
    LayoutList(rcClient.Width(), rcClient.Height());
    HookRegistry::Get().AddHook(WH_MOUSE, &OnMouseHook, this);
    HookRegistry::Get().AddHook(WH_CALLWNDPROC, &OnCallWndProcHook, this);

    m_List.SetCurSel(m_List.FindStringExact(-1, m_strSelection));
    return TRUE;
}

void CZNPropertyGridPropertyEnumDroplistDlg::FillList(const std::vector<CString>* pItems)
{
    m_List.ResetContent();
    if (pItems == nullptr) {
        m_List.AddString(L"[none]");
        return;
    }
    for (const CString& strItem : *pItems)
        m_List.AddString(strItem);
}

bool CZNPropertyGridPropertyEnumDroplistDlg::ShowDropped(const RECT& rcAnchor)
{
    if (m_hWnd == nullptr)
        return false;
    if (IsWindowVisible())
        return true;

    // No taller than the rows need, as measured in the template's list box.
    int nHeight = rcAnchor.bottom - rcAnchor.top + 3;
    int nCount = m_List.GetCount();
    CRect rcLast;
    if (nCount > 0 && m_List.GetItemRect(nCount - 1, &rcLast) != LB_ERR)
        nHeight = std::min<int>(nHeight, rcLast.bottom + kLastRowMargin);
    int nNeeded = WidestItemWidth() + ::GetSystemMetrics(SM_CXVSCROLL) + kItemMargin;
    int nWidth = rcAnchor.right - rcAnchor.left;
    if (nWidth <= nNeeded)
        nWidth = nNeeded;
    SetWindowPos(&wndTopMost, rcAnchor.left - 1, rcAnchor.top - 1, nWidth + 1, nHeight, 0);
    ::AnimateWindow(m_hWnd, kSlideTimeMs, AW_SLIDE | AW_VER_POSITIVE | AW_ACTIVATE);
    m_List.InvalidateRect(nullptr, TRUE);
    m_List.SetFocus();
    m_dwShowState |= kShown;
    return true;
}

int CZNPropertyGridPropertyEnumDroplistDlg::WidestItemWidth()
{
    const LOGFONTW lfStatus = GetStatusFont();
    CFont font;
    font.CreateFontIndirect(&lfStatus);
    CClientDC dc(&m_List);
    CFont* pOldFont = dc.SelectObject(&font);
    int nWidest = 0;
    CString strItem;
    for (int i = 0, nCount = m_List.GetCount(); i < nCount; ++i) {
        m_List.GetText(i, strItem);
        nWidest = std::max<int>(nWidest, dc.GetTextExtent(strItem).cx);
    }
    dc.SelectObject(pOldFont);
    return nWidest;
}

void CZNPropertyGridPropertyEnumDroplistDlg::LayoutList(int cx, int cy)
{
    if (m_List.m_hWnd == nullptr)
        return;
    // The list box keeps whole rows only; the popup ends with it, one frame pixel below.
    m_List.SetWindowPos(nullptr, 0, 0, cx, cy, SWP_NOZORDER);
    CRect rcList;
    m_List.GetWindowRect(&rcList);
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    int nHeight = rcList.Height() + 2;
    if (rcWindow.Height() != nHeight)
        SetWindowPos(nullptr, 0, 0, rcWindow.Width(), nHeight, SWP_NOMOVE | SWP_NOZORDER);
}

BOOL CZNPropertyGridPropertyEnumDroplistDlg::CloseDropList()
{
    m_dwShowState &= ~kShown;
    if (m_hWnd == nullptr)
        return TRUE;
    ShowWindow(SW_HIDE);
    PostMessage(PGM_DROPLIST_DESTROY);
    if (m_pOwner != nullptr)
        m_pOwner->SendMessage(PGM_DROPLIST_CLOSED, 0, 0);
    return TRUE;
}

LRESULT CZNPropertyGridPropertyEnumDroplistDlg::OnDestroyList(WPARAM, LPARAM)
{
    DestroyWindow();
    return 0;
}

void CZNPropertyGridPropertyEnumDroplistDlg::OnDestroy()
{
    ReleaseDialogClass();
    m_brFrame.DeleteObject();
    HookRegistry::Get().RemoveHook(WH_MOUSE, &OnMouseHook, this);
    HookRegistry::Get().RemoveHook(WH_CALLWNDPROC, &OnCallWndProcHook, this);
    CDialog::OnDestroy();
}

//---------------------------------------------------------------------------------------------
// Commits, keys and the wheel

// A commit without a selected item only closes the list.
LRESULT CZNPropertyGridPropertyEnumDroplistDlg::OnCommit(WPARAM wParam, LPARAM)
{
    int nSelected = m_List.GetCurSel();
    bool bTakeItem = wParam == 0;
    if (bTakeItem && nSelected != LB_ERR)
        m_List.GetText(nSelected, m_strSelection);
    CWnd* pOwner = m_pOwner;
    CloseDropList();
    if (pOwner != nullptr && !(bTakeItem && nSelected == LB_ERR))
        pOwner->SendMessage(PGM_DROPLIST_COMMIT, wParam, 0);
    return 0;
}

// Enter takes the selected item (1: the key is used up); other keys move through the list.
LRESULT CZNPropertyGridPropertyEnumDroplistDlg::OnKey(WPARAM wParam, LPARAM lParam)
{
    if (wParam == VK_RETURN && m_List.m_hWnd != nullptr && m_List.IsWindowVisible() &&
        m_List.GetCurSel() != LB_ERR) {
        OnCommit(0, 0);
        return 1;
    }
    return m_List.SendMessage(WM_KEYDOWN, wParam, lParam);
}

LRESULT CZNPropertyGridPropertyEnumDroplistDlg::OnWheel(WPARAM wParam, LPARAM lParam)
{
    return m_List.SendMessage(WM_MOUSEWHEEL, wParam, lParam);
}

//---------------------------------------------------------------------------------------------
// Closing from outside

bool CZNPropertyGridPropertyEnumDroplistDlg::Contains(HWND hWnd) const
{
    for (; hWnd != nullptr; hWnd = ::GetParent(hWnd)) {
        if (hWnd == m_hWnd)
            return true;
    }
    return false;
}

// Moves and wheel turns leave the list open wherever they happen; any other mouse event
// outside it closes it.
bool CZNPropertyGridPropertyEnumDroplistDlg::OnMouseHook(int, WPARAM wParam, LPARAM lParam,
                                                         void* pUser)
{
    auto* pThis = static_cast<CZNPropertyGridPropertyEnumDroplistDlg*>(pUser);
    if ((pThis->m_dwShowState & kShown) == 0 || wParam == WM_NCMOUSEMOVE ||
        wParam == WM_MOUSEMOVE || wParam == WM_MOUSEWHEEL)
        return false;
    if (!pThis->Contains(reinterpret_cast<const MOUSEHOOKSTRUCT*>(lParam)->hwnd))
        pThis->CloseDropList();
    return false;
}

bool CZNPropertyGridPropertyEnumDroplistDlg::OnCallWndProcHook(int, WPARAM, LPARAM lParam,
                                                               void* pUser)
{
    if (reinterpret_cast<const CWPSTRUCT*>(lParam)->message == WM_ACTIVATE)
        static_cast<CZNPropertyGridPropertyEnumDroplistDlg*>(pUser)->CloseDropList();
    return false;
}

//---------------------------------------------------------------------------------------------
// Frame and sizing

void CZNPropertyGridPropertyEnumDroplistDlg::OnSize(UINT nType, int cx, int cy)
{
    CDialog::OnSize(nType, cx, cy);
    LayoutList(cx, cy);
}

void CZNPropertyGridPropertyEnumDroplistDlg::OnSizing(UINT fwSide, LPRECT pRect)
{
    CDialog::OnSizing(fwSide, pRect);
    if (IsLeftEdge(fwSide))
        pRect->left = std::min<LONG>(pRect->left, pRect->right - kMinimumWidth);
    if (IsRightEdge(fwSide))
        pRect->right = std::max<LONG>(pRect->right, pRect->left + kMinimumWidth);
    if (IsTopEdge(fwSide))
        pRect->top = std::min<LONG>(pRect->top, pRect->bottom - kMinimumHeight);
    if (IsBottomEdge(fwSide))
        pRect->bottom = std::max<LONG>(pRect->bottom, pRect->top + kMinimumHeight);
}

BOOL CZNPropertyGridPropertyEnumDroplistDlg::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (nHitTest != HTCAPTION)
        return CDialog::OnSetCursor(pWnd, nHitTest, message);
    ::SetCursor(::LoadCursorW(nullptr, IDC_SIZEALL));
    return TRUE;
}

// The frame is one pixel wide, whatever the system's border metrics.
void CZNPropertyGridPropertyEnumDroplistDlg::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* lpncsp)
{
    if ((GetStyle() & WS_BORDER) != 0)
        ::InflateRect(&lpncsp->rgrc[0], -1, -1);
}

void CZNPropertyGridPropertyEnumDroplistDlg::OnNcPaint()
{
    CWindowDC dc(this);
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    CRect rcClient;
    GetClientRect(&rcClient);
    ClientToScreen(&rcClient);
    rcClient.OffsetRect(-rcWindow.left, -rcWindow.top);
    rcWindow.OffsetRect(-rcWindow.left, -rcWindow.top);

    dc.ExcludeClipRect(&rcClient);
    dc.FillRect(&rcWindow, &m_brFrame);
    DrawHighlightFrame(dc, rcWindow);
}

HBRUSH CZNPropertyGridPropertyEnumDroplistDlg::OnCtlColor(CDC*, CWnd*, UINT)
{
    return ::GetSysColorBrush(COLOR_WINDOW);
}
