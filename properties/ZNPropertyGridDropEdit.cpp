#include "properties/ZNPropertyGridDropEdit.h"

#include "properties/ZNPropertyGridPropertyEnumDroplistDlg.h"

namespace {

bool IsListKey(UINT nChar)
{
    return nChar == VK_PRIOR || nChar == VK_NEXT || nChar == VK_UP || nChar == VK_DOWN;
}

} // namespace

IMPLEMENT_DYNAMIC(CZNPropertyGridDropEdit, CEdit)

BEGIN_MESSAGE_MAP(CZNPropertyGridDropEdit, CEdit)
    ON_WM_KEYDOWN()
    ON_WM_CHAR()
    ON_WM_MOUSEWHEEL()
    ON_WM_ENABLE()
END_MESSAGE_MAP()

void CZNPropertyGridDropEdit::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!IsListKey(nChar)) {
        CEdit::OnKeyDown(nChar, nRepCnt, nFlags);
        return;
    }
    GetParent()->SendMessage(PGM_DROPLIST_KEY, nChar, MAKELPARAM(nRepCnt, nFlags));
}

// The editor may claim Enter (a non-zero answer), and then the field does not see it.
void CZNPropertyGridDropEdit::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_RETURN && GetParent()->SendMessage(PGM_DROPLIST_KEY, VK_RETURN, 0) != 0)
        return;
    CEdit::OnChar(nChar, nRepCnt, nFlags);
}

// The wheel then goes on up to the grid, which hands it to the open list.
BOOL CZNPropertyGridDropEdit::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
{
    GetParent()->SendMessage(PGM_DROPLIST_WHEEL, MAKEWPARAM(nFlags, zDelta),
                             MAKELPARAM(pt.x, pt.y));
    return CEdit::OnMouseWheel(nFlags, zDelta, pt);
}

// Enabled or not, the field looks the same: it is only repainted.
void CZNPropertyGridDropEdit::OnEnable(BOOL)
{
    Invalidate(TRUE);
}
