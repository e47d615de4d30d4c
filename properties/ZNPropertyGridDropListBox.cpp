// Hot tracking, the borrowed navigation keys and the commit gestures of the drop-down list.
#include "properties/ZNPropertyGridDropListBox.h"

#include "properties/ZNPropertyGridPropertyEnumDroplistDlg.h"
#include "services/HookRegistry.h"

namespace {

// The keys that move through the list or end it, whichever window they are meant for.
bool IsListKey(WPARAM vk)
{
    switch (vk) {
    case VK_RETURN:
    case VK_ESCAPE:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_UP:
    case VK_DOWN:
        return true;
    default:
        return false;
    }
}

} // namespace

IMPLEMENT_DYNAMIC(CZNPropertyGridDropListBox, CListBox)

BEGIN_MESSAGE_MAP(CZNPropertyGridDropListBox, CListBox)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_KEYDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEWHEEL()
END_MESSAGE_MAP()

CZNPropertyGridDropListBox::CZNPropertyGridDropListBox() : m_ptLastCursor{0, 0} {}

void CZNPropertyGridDropListBox::PreSubclassWindow()
{
    CListBox::PreSubclassWindow();
    StartListening();
}

int CZNPropertyGridDropListBox::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CListBox::OnCreate(lpCreateStruct) == -1)
        return -1;
    StartListening();
    return 0;
}

void CZNPropertyGridDropListBox::StartListening()
{
    HookRegistry::Get().AddHook(WH_GETMESSAGE, &OnGetMessage, this);
    ::GetCursorPos(&m_ptLastCursor);
}

void CZNPropertyGridDropListBox::OnDestroy()
{
    HookRegistry::Get().RemoveHook(WH_GETMESSAGE, &OnGetMessage, this);
    CListBox::OnDestroy();
}

// A key is looked at once, when it leaves the queue: a host loop that peeks at its messages
// before it removes them would otherwise move the list twice per key.
bool CZNPropertyGridDropListBox::OnGetMessage(int, WPARAM wParam, LPARAM lParam, void* pUser)
{
    const MSG* pMsg = reinterpret_cast<const MSG*>(lParam);
    if ((wParam & PM_REMOVE) != 0 && pMsg->message == WM_KEYDOWN && IsListKey(pMsg->wParam))
        static_cast<CZNPropertyGridDropListBox*>(pUser)->SendMessage(WM_KEYDOWN, pMsg->wParam,
                                                                     pMsg->lParam);
    return false;
}

void CZNPropertyGridDropListBox::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_RETURN)
        CommitThenDefault(0);
    else if (nChar == VK_ESCAPE)
        CommitThenDefault(WPARAM(-1));
    else
        CListBox::OnKeyDown(nChar, nRepCnt, nFlags);
}

// A list that opens under a resting mouse keeps the current value selected until the mouse
// really moves.
void CZNPropertyGridDropListBox::OnMouseMove(UINT nFlags, CPoint point)
{
    CPoint ptScreen = point;
    ClientToScreen(&ptScreen);
    if (ptScreen != m_ptLastCursor) {
        BOOL bOutside = FALSE;
        SetCurSel(int(ItemFromPoint(point, bOutside)));
    }
    m_ptLastCursor = ptScreen;
    CListBox::OnMouseMove(nFlags, point);
}

void CZNPropertyGridDropListBox::OnLButtonDown(UINT nFlags, CPoint point)
{
    SelectItemAt(point);
    CommitThenDefault(0);
}

BOOL CZNPropertyGridDropListBox::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
{
    BOOL bResult = CListBox::OnMouseWheel(nFlags, zDelta, pt);
    CPoint point;
    ::GetCursorPos(&point);
    ScreenToClient(&point);
    SelectItemAt(point);
    return bResult;
}

void CZNPropertyGridDropListBox::SelectItemAt(CPoint point)
{
    BOOL bOutside = FALSE;
    int nItem = int(ItemFromPoint(point, bOutside));
    CRect rcItem;
    CRect rcClient;
    GetClientRect(&rcClient);
    if (GetItemRect(nItem, &rcItem) != LB_ERR && rcItem.bottom < rcClient.bottom)
        SetCurSel(nItem);
}

// The editor that receives the commit may end the edit and its owner may then remove the
// property, the editor and this list with it: the window tells whether the list is still there.
void CZNPropertyGridDropListBox::CommitThenDefault(WPARAM wParam)
{
    HWND hWnd = m_hWnd;
    GetParent()->SendMessage(PGM_DROPLIST_COMMIT, wParam, 0);
    if (::IsWindow(hWnd))
        Default();
}
