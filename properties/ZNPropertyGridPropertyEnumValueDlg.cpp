// The enumeration editor: its edit field and drop button, and the drop-down list it opens.
#include "properties/ZNPropertyGridPropertyEnumValueDlg.h"

namespace {

// The list opens one pixel under the editor, one pixel wider and at most this high.
constexpr int kDropHeight = 100;

} // namespace

IMPLEMENT_DYNAMIC(CZNPropertyGridPropertyEnumValueDlg, CZNPropertyGridPropertyValueDlg)

BEGIN_MESSAGE_MAP(CZNPropertyGridPropertyEnumValueDlg, CZNPropertyGridPropertyValueDlg)
    ON_WM_SIZE()
    ON_WM_CTLCOLOR()
    ON_BN_CLICKED(IDC_PROPERTYGRID_DROPBUTTON, &CZNPropertyGridPropertyEnumValueDlg::OnDropButton)
    ON_WM_DESTROY()
    ON_MESSAGE(PGM_DROPLIST_COMMIT, &CZNPropertyGridPropertyEnumValueDlg::OnDropListCommit)
    ON_MESSAGE(PGM_DROPLIST_KEY, &CZNPropertyGridPropertyEnumValueDlg::OnDropListKey)
    ON_MESSAGE(PGM_DROPLIST_WHEEL, &CZNPropertyGridPropertyEnumValueDlg::OnDropListWheel)
    ON_MESSAGE(PGM_DROPLIST_CLOSED, &CZNPropertyGridPropertyEnumValueDlg::OnDropListClosed)
END_MESSAGE_MAP()

CZNPropertyGridPropertyEnumValueDlg::CZNPropertyGridPropertyEnumValueDlg(CWnd* pParent)
    : CZNPropertyGridPropertyValueDlg(IDD, pParent), m_dwDropState(0), m_pValue(nullptr),
      m_pItems(nullptr)
{
}

void CZNPropertyGridPropertyEnumValueDlg::DoDataExchange(CDataExchange* pDX)
{
    CZNPropertyGridPropertyValueDlg::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PROPERTYGRID_EDIT, m_Edit);
    DDX_Control(pDX, IDC_PROPERTYGRID_DROPBUTTON, m_Button);
}

BOOL CZNPropertyGridPropertyEnumValueDlg::OnInitDialog()
{
    CZNPropertyGridPropertyValueDlg::OnInitDialog();
    m_pItems = nullptr;
    CRect rcClient;
    GetClientRect(&rcClient);
    LayoutControls(rcClient.Width(), rcClient.Height());
    return TRUE;
}

void CZNPropertyGridPropertyEnumValueDlg::OnSize(UINT nType, int cx, int cy)
{
    CZNPropertyGridPropertyValueDlg::OnSize(nType, cx, cy);
    LayoutControls(cx, cy);
}

// The button is as high as the edit field and nearly square; three pixels of the editor's
// background part them.
void CZNPropertyGridPropertyEnumValueDlg::LayoutControls(int cx, int cy)
{
    if (m_Button.m_hWnd != nullptr)
        m_Button.SetWindowPos(nullptr, cx - cy + 3, 1, cy - 4, cy - 2, SWP_NOZORDER);
    if (m_Edit.m_hWnd != nullptr)
        m_Edit.SetWindowPos(nullptr, -1, 2, cx - cy + 1, cy - 2, SWP_NOZORDER);
}

//---------------------------------------------------------------------------------------------
// Editing

BOOL CZNPropertyGridPropertyEnumValueDlg::BeginEdit(IZNPropertyGridProperty* pProperty,
                                                    void* pValue, RECT* pCell,
                                                    const std::vector<CString>* pItems,
                                                    unsigned dwFlags)
{
    if (pValue == nullptr)
        return TRUE;
    m_pValue = static_cast<CString*>(pValue);
    m_pProperty = pProperty;
    m_pItems = pItems;
    m_Edit.SetReadOnly((dwFlags & ENUM_LIST_READONLY) != 0);
    m_Edit.EnableWindow(TRUE);
    ShowOver(*pCell, *m_pValue);
    return TRUE;
}

void CZNPropertyGridPropertyEnumValueDlg::ApplyValue()
{
    ApplyText(m_pValue);
}

void CZNPropertyGridPropertyEnumValueDlg::OnEditClosed()
{
    CloseList();
    if (CWnd* pParent = GetParent())
        pParent->SetFocus();
}

// Hidden before the value is committed: the host's answer to the change may remove the
// property, and with the last enumeration of the grid this editor.
BOOL CZNPropertyGridPropertyEnumValueDlg::EndEdit()
{
    CloseList();
    ShowWindow(SW_HIDE);
    ApplyValue();
    return TRUE;
}

void CZNPropertyGridPropertyEnumValueDlg::CloseList()
{
    m_dwDropState &= ~kDropped;
    m_DropList.CloseDropList();
}

// Only while the user works in the editor's window: the list also closes when another window
// is being activated, and the focus must not pull the activation back.
void CZNPropertyGridPropertyEnumValueDlg::FocusEditField()
{
    if (::GetActiveWindow() == ::GetAncestor(m_hWnd, GA_ROOT))
        m_Edit.SetFocus();
}

// A read-only edit field asks for the colours of a static control; both kinds get the cell's,
// so that a read-only list looks like an editable one.
HBRUSH CZNPropertyGridPropertyEnumValueDlg::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    switch (nCtlColor) {
    case CTLCOLOR_EDIT:
    case CTLCOLOR_STATIC:
        pDC->SetBkColor(::GetSysColor(COLOR_WINDOW));
        pDC->SetTextColor(RGB(0, 0, 0));
        return ::GetSysColorBrush(COLOR_WINDOW);
    case CTLCOLOR_BTN:
        return ::GetSysColorBrush(COLOR_WINDOW);
    default:
        return CZNPropertyGridPropertyValueDlg::OnCtlColor(pDC, pWnd, nCtlColor);
    }
}

void CZNPropertyGridPropertyEnumValueDlg::OnDestroy()
{
    m_DropList.DestroyWindow();
    CZNPropertyGridPropertyValueDlg::OnDestroy();
}

//---------------------------------------------------------------------------------------------
// The drop-down list

// The button took the focus with its press; typing goes on in the edit field.
void CZNPropertyGridPropertyEnumValueDlg::OnDropButton()
{
    FocusEditField();
    DropDown();
}

void CZNPropertyGridPropertyEnumValueDlg::DropDown()
{
    if (IsDropped())
        return;
    CString strText = GetEditText();
    CRect rcClient;
    GetClientRect(&rcClient);
    ClientToScreen(&rcClient);
    CRect rcAnchor(rcClient.left, rcClient.bottom + 1, rcClient.right + 1,
                   rcClient.bottom + 1 + kDropHeight);
    m_dwDropState |= kDropped;
    m_Button.Invalidate(TRUE);
    if (!m_DropList.OpenDropList(this, m_pItems, rcAnchor, strText))
        CloseList();
}

bool CZNPropertyGridPropertyEnumValueDlg::ScrollDropList(UINT nFlags, short zDelta, CPoint point)
{
    if (m_DropList.m_hWnd == nullptr || !m_DropList.IsWindowVisible())
        return false;
    m_DropList.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(nFlags, zDelta), MAKELPARAM(point.x, point.y));
    return true;
}

// wParam 0: the list's chosen text replaces the field's and is committed at once; otherwise
// the list was cancelled. The focus is back in the field before the host hears of a change,
// after which nothing here is touched.
LRESULT CZNPropertyGridPropertyEnumValueDlg::OnDropListCommit(WPARAM wParam, LPARAM)
{
    if (wParam == 0)
        m_Edit.SetWindowText(m_DropList.GetSelection());
    FocusEditField();
    if (wParam == 0)
        ApplyValue();
    return 0;
}

// Down opens the list; the open list takes the keys itself.
LRESULT CZNPropertyGridPropertyEnumValueDlg::OnDropListKey(WPARAM wParam, LPARAM)
{
    if (wParam == VK_DOWN)
        DropDown();
    return 0;
}

// The wheel goes on to the grid, which passes it to the open list.
LRESULT CZNPropertyGridPropertyEnumValueDlg::OnDropListWheel(WPARAM, LPARAM)
{
    return 0;
}

LRESULT CZNPropertyGridPropertyEnumValueDlg::OnDropListClosed(WPARAM, LPARAM)
{
    m_dwDropState &= ~kDropped;
    m_Button.Invalidate(TRUE);
    FocusEditField();
    return 0;
}
