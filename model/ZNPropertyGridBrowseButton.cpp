#include "model/ZNPropertyGridBrowseButton.h"

#include "model/ZNPropertyGridPaint.h"

namespace {

// The ellipsis as dots two pixels apart, three pixels below the middle, where the baseline of
// a caption would be: text would be blurred or clipped at this size.
void DrawEllipsisDots(CDC* pDC, const RECT& rc)
{
    int nWidth = rc.right - rc.left;
    int nHeight = rc.bottom - rc.top;
    COLORREF crDot = ::GetSysColor(COLOR_WINDOWTEXT);
    int y = nHeight / 2 + 3;
    pDC->SetPixelV(nWidth / 2 - 2, y, crDot);
    pDC->SetPixelV(nWidth / 2, y, crDot);
    pDC->SetPixelV(nWidth / 2 + 2, y, crDot);
}

} // namespace

IMPLEMENT_DYNAMIC(CZNPropertyGridBrowseButton, CButton)

void CZNPropertyGridBrowseButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    const RECT& rc = lpDrawItemStruct->rcItem;
    // Pressed or focused, the button takes a shade of the grid's gutter colour.
    bool bActive = (lpDrawItemStruct->itemState & (ODS_SELECTED | ODS_FOCUS)) != 0;
    COLORREF crFill = bActive ? LightenColor(10, GridLineColor()) : ::GetSysColor(COLOR_BTNFACE);

    CBrush brush(crFill);
    CPen pen(PS_SOLID, 1, DarkenColor(100, ::GetSysColor(COLOR_HIGHLIGHT)));
    CPen* pOldPen = pDC->SelectObject(&pen);
    CBrush* pOldBrush = pDC->SelectObject(&brush);
    pDC->Rectangle(&rc);
    pDC->SelectObject(pOldBrush);
    pDC->SelectObject(pOldPen);

    CString strCaption;
    GetWindowText(strCaption);
    if (strCaption.CompareNoCase(L"...") == 0) {
        DrawEllipsisDots(pDC, rc);
        return;
    }
    pDC->SetBkColor(crFill);
    RECT rcText = rc;
    rcText.left += 1;
    pDC->DrawText(strCaption, &rcText, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}
