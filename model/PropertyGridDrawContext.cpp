// The cell rectangles of a row being painted.
#include "model/PropertyGridDrawContext.h"

namespace {

// The list box's client area in the logical coordinates of the row's own DC, which the list
// box may have moved with a window origin.
CRect ClientRectOfItemDC(const DRAWITEMSTRUCT* pDIS)
{
    CRect rcClient;
    ::GetClientRect(pDIS->hwndItem, &rcClient);
    POINT ptOrigin = {0, 0};
    ::GetWindowOrgEx(pDIS->hDC, &ptOrigin);
    rcClient.OffsetRect(ptOrigin.x, ptOrigin.y);
    return rcClient;
}

} // namespace

bool PropertyGridDrawContext::GetCellRect(int c, RECT* pRect) const
{
    if (pDIS == nullptr || pColumns == nullptr || pRect == nullptr || c < 0 ||
        size_t(c) >= pColumns->size())
        return false;
    int nLeft = pDIS->rcItem.left + nGutterWidth;
    for (int i = 0; i < c; ++i)
        nLeft += (*pColumns)[i].m_nWidth;
    *pRect = {nLeft, pDIS->rcItem.top, nLeft + (*pColumns)[c].m_nWidth, pDIS->rcItem.bottom};
    return true;
}

bool PropertyGridDrawContext::GetVisibleCellRect(int c, RECT* pRect) const
{
    if (!GetCellRect(c, pRect))
        return false;
    CRect rcClient = ClientRectOfItemDC(pDIS);
    if (pRect->right > rcClient.right)
        pRect->right = rcClient.right;
    return true;
}

bool PropertyGridDrawContext::GetClippedCellRect(int c, RECT* pRect) const
{
    if (!GetCellRect(c, pRect))
        return false;
    CRect rcClient = ClientRectOfItemDC(pDIS);
    RECT rcCell = *pRect;
    ::IntersectRect(pRect, &rcCell, &rcClient);
    return true;
}
