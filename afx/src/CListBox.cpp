#include <afxwin.h>

IMPLEMENT_DYNAMIC(CListBox, CWnd)

BOOL CListBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create(L"LISTBOX", nullptr, dwStyle, rect, pParentWnd, nID);
}

void CListBox::GetText(int nIndex, CString& rString) const
{
    int nLength = GetTextLen(nIndex);
    if (nLength == LB_ERR) {
        rString.Empty();
        return;
    }
    GetText(nIndex, rString.GetBufferSetLength(nLength));
    rString.ReleaseBuffer();
}

UINT CListBox::ItemFromPoint(CPoint pt, BOOL& bOutside) const
{
    DWORD dw = DWORD(SendMessage(LB_ITEMFROMPOINT, 0, MAKELPARAM(pt.x, pt.y)));
    bOutside = HIWORD(dw) != 0;
    return LOWORD(dw);
}

// Owner-drawn list boxes override these; the defaults draw and measure nothing, and leave keys
// to the list box.
void CListBox::DrawItem(LPDRAWITEMSTRUCT) {}
void CListBox::MeasureItem(LPMEASUREITEMSTRUCT) {}
int CListBox::CompareItem(LPCOMPAREITEMSTRUCT)
{
    return 0;
}
void CListBox::DeleteItem(LPDELETEITEMSTRUCT) {}
int CListBox::VKeyToItem(UINT, UINT)
{
    return -1;
}
int CListBox::CharToItem(UINT, UINT)
{
    return -1;
}

// The owner-draw and key messages that the parent reflects go to the virtual functions.
BOOL CListBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    switch (message) {
    case WM_DRAWITEM:
        DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        break;
    case WM_MEASUREITEM:
        MeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
        break;
    case WM_COMPAREITEM: {
        int nResult = CompareItem(reinterpret_cast<LPCOMPAREITEMSTRUCT>(lParam));
        if (pResult != nullptr)
            *pResult = nResult;
        break;
    }
    case WM_DELETEITEM:
        DeleteItem(reinterpret_cast<LPDELETEITEMSTRUCT>(lParam));
        break;
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM: {
        UINT nKey = LOWORD(wParam);
        UINT nIndex = HIWORD(wParam);
        int nResult =
            message == WM_VKEYTOITEM ? VKeyToItem(nKey, nIndex) : CharToItem(nKey, nIndex);
        if (pResult != nullptr)
            *pResult = nResult;
        break;
    }
    default:
        return CWnd::OnChildNotify(message, wParam, lParam, pResult);
    }
    return TRUE;
}
