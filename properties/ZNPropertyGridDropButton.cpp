#include "properties/ZNPropertyGridDropButton.h"

#include "model/ZNPropertyGridPaint.h"
#include "properties/ZNPropertyGridPropertyEnumValueDlg.h"

namespace {

// A downward triangle of nine pixels, five wide, three high, about the middle of the button.
void DrawArrow(CDC* pDC, const RECT& rc)
{
    int mx = rc.left + (rc.right - rc.left) / 2;
    int my = rc.top + (rc.bottom - rc.top) / 2;
    COLORREF crArrow = ::GetSysColor(COLOR_WINDOWTEXT);
    for (int nRow = 0; nRow < 3; ++nRow) {
        for (int x = mx - 2 + nRow; x <= mx + 2 - nRow; ++x)
            pDC->SetPixelV(x, my - 1 + nRow, crArrow);
    }
}

} // namespace

IMPLEMENT_DYNAMIC(CZNPropertyGridDropButton, CButton)

void CZNPropertyGridDropButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    auto* pEditor = DYNAMIC_DOWNCAST(CZNPropertyGridPropertyEnumValueDlg, GetParent());
    bool bPressed = (lpDrawItemStruct->itemState & ODS_SELECTED) != 0 ||
                    (pEditor != nullptr && pEditor->IsDropped());
    COLORREF crFill = bPressed ? LightenColor(10, GridLineColor()) : ::GetSysColor(COLOR_BTNFACE);
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    pDC->FillSolidRect(&lpDrawItemStruct->rcItem, crFill);
    DrawArrow(pDC, lpDrawItemStruct->rcItem);
}
