// Painting: rows go into the back buffer, which reaches the window in one copy per paint, and
// the list box's 3-D border gives way to a flat frame in the highlight colour.
#include <ZNPropertyGrid.h>

#include "grid/ZNPropertyGridItem.h"
#include "model/PropertyGridDrawContext.h"
#include "model/ZNPropertyGridCategory.h"
#include "model/ZNPropertyGridPaint.h"
#include "model/ZNPropertyGridProperty.h"

#include <utility>

namespace {

// Points the back buffer at the same place of the content as the row's own DC, so that a row
// lands in the buffer where it shows in the window; undone when the row is painted.
class CBufferOrigin
{
public:
    CBufferOrigin(HDC hBuffer, HDC hRow) : m_hBuffer(hBuffer)
    {
        if (m_hBuffer == nullptr)
            return;
        POINT ptOrigin = {0, 0};
        ::GetWindowOrgEx(hRow, &ptOrigin);
        ::SetWindowOrgEx(m_hBuffer, ptOrigin.x, ptOrigin.y, nullptr);
        ::SetViewportOrgEx(m_hBuffer, 0, 0, nullptr);
    }
    ~CBufferOrigin()
    {
        if (m_hBuffer != nullptr)
            ::SetWindowOrgEx(m_hBuffer, 0, 0, nullptr);
    }
    CBufferOrigin(const CBufferOrigin&) = delete;
    CBufferOrigin& operator=(const CBufferOrigin&) = delete;

private:
    HDC m_hBuffer;
};

CFont* FontOrNull(CFont& font)
{
    return font.GetSafeHandle() != nullptr ? &font : nullptr;
}

} // namespace

bool CZNPropertyGrid::RecreateSurface(int nWidth, int nHeight)
{
    if (!m_Surface.CreateSurface(nWidth, nHeight, 32))
        return false;
    RECT rcSurface = {0, 0, nWidth, nHeight};
    ::FillRect(m_Surface.dc, &rcSurface, ::GetSysColorBrush(COLOR_WINDOW));
    return true;
}

void CZNPropertyGrid::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    lpMeasureItemStruct->itemHeight = UINT(m_nGutterWidth);
    UINT nTotalWidth = UINT(TotalColumnWidth());
    if (nTotalWidth > lpMeasureItemStruct->itemWidth)
        lpMeasureItemStruct->itemWidth = nTotalWidth;
    const auto* pItem = reinterpret_cast<const CZNPropertyGridItem*>(lpMeasureItemStruct->itemData);
    if (pItem != nullptr && pItem->m_eKind == ITEM_PROPERTY)
        static_cast<IZNPropertyGridProperty*>(pItem->m_pObject)->MeasureItem(lpMeasureItemStruct);
}

void CZNPropertyGrid::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    const auto* pItem = reinterpret_cast<const CZNPropertyGridItem*>(lpDrawItemStruct->itemData);
    if (!TestFlag(PGF_INITIALIZED) || lpDrawItemStruct->itemID == UINT(-1) || pItem == nullptr)
        return;
    ::GetWindowOrgEx(lpDrawItemStruct->hDC, &m_ptOrigin);

    CBufferOrigin origin(m_Surface.dc, lpDrawItemStruct->hDC);
    PropertyGridDrawContext context = {lpDrawItemStruct,
                                       m_dwExtStyle,
                                       FontOrNull(m_NameFont),
                                       FontOrNull(m_BoldFont),
                                       &m_Columns,
                                       &m_Surface,
                                       m_Surface.dc != nullptr ? m_Surface.dc
                                                               : lpDrawItemStruct->hDC,
                                       &m_strBasePath,
                                       m_nCurrentColumn,
                                       m_nTextInset,
                                       m_nGutterWidth,
                                       &m_hGlyphTheme,
                                       &m_hCheckBoxTheme};

    const RECT& rcItem = lpDrawItemStruct->rcItem;
    RECT rcGutter = {rcItem.left, rcItem.top, rcItem.left + m_nGutterWidth, rcItem.bottom};
    CBrush brGutter(GridLineColor());
    ::FillRect(context.hDC, &rcGutter, brGutter);

    // A category that only groups other categories shows as a bare gutter strip, and the other
    // rows end with the last column. The back buffer keeps whatever an earlier paint left in
    // the rest of the row (a row that was there before a collapse, a column before it narrowed),
    // so the rest shows the list box's background.
    CZNPropertyGridCategory* pCategory = CategoryOf(pItem);
    bool bBare = pCategory != nullptr && pCategory->m_Properties.empty();
    RECT rcRest = {rcItem.left + m_nGutterWidth + (bBare ? 0 : TotalColumnWidth()), rcItem.top,
                   rcItem.right, rcItem.bottom};
    ::FillRect(context.hDC, &rcRest, ::GetSysColorBrush(COLOR_WINDOW));

    if (IZNPropertyGridProperty* pProperty = PropertyOf(pItem))
        pProperty->DrawItem(&context);
    else if (!bBare)
        pCategory->DrawItem(&context);
}

BOOL CZNPropertyGrid::OnEraseBkgnd(CDC* pDC)
{
    if (m_Surface.dc == nullptr)
        return TRUE;
    int nBufferHeight = m_Surface.info.bmHeight;
    int nCount = GetCount();
    int y = 0;
    for (int nRow = GetTopIndex(); nRow >= 0 && nRow < nCount && y <= nBufferHeight; ++nRow)
        y += GetItemHeight(nRow);
    if (y >= nBufferHeight)
        return TRUE;
    RECT rcBelow = {0, y, m_Surface.info.bmWidth, nBufferHeight};
    ::FillRect(m_Surface.dc, &rcBelow, ::GetSysColorBrush(COLOR_WINDOW));
    return TRUE;
}

void CZNPropertyGrid::OnPaint()
{
    // A paint asked for while additions are still batched shows the rows as they are now.
    if (m_bRedrawSuspended)
        ResumeRedraw();
    bool bWasInPaint = std::exchange(m_bInPaint, true);
    Default();
    m_bInPaint = bWasInPaint;
    if (m_Surface.dc == nullptr)
        return;
    CRect rcClient;
    GetClientRect(&rcClient);
    HDC hWindow = ::GetDC(m_hWnd);
    ::SetViewportOrgEx(hWindow, 0, 0, nullptr);
    ::SetViewportOrgEx(m_Surface.dc, 0, 0, nullptr);
    ::BitBlt(hWindow, 0, 0, rcClient.Width(), rcClient.Height(), m_Surface.dc, 0, 0, SRCCOPY);
    ::ReleaseDC(m_hWnd, hWindow);
}

void CZNPropertyGrid::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
{
    RECT& rcWindow = lpncsp->rgrc[0];
    m_rcWindow = rcWindow;
    ::OffsetRect(&m_rcWindow, -rcWindow.left, -rcWindow.top);
    // The default handling takes the system's border width off each side; what is left of
    // the frame is the one pixel OnNcPaint draws.
    if ((GetStyle() & WS_BORDER) != 0)
        ::InflateRect(&rcWindow, ::GetSystemMetrics(SM_CXBORDER) - 1,
                      ::GetSystemMetrics(SM_CYBORDER) - 1);
    Default();
}

void CZNPropertyGrid::OnNcPaint()
{
    Default();
    if ((GetStyle() & WS_BORDER) != 0) {
        CWindowDC dc(this);
        DrawHighlightFrame(dc, m_rcWindow);
    }
    // Every repaint of the frame is followed by a fresh copy of the buffer into the client; a
    // paint of the client makes that copy itself once the frame is done.
    if (!m_bInPaint)
        PostMessage(PGM_REQUESTREPAINT, 0, 0);
}

void CZNPropertyGrid::CloseThemes()
{
    CloseThemedPart(m_hGlyphTheme);
    CloseThemedPart(m_hCheckBoxTheme);
}

LRESULT CZNPropertyGrid::OnThemeChanged(WPARAM, LPARAM)
{
    // The next paint opens the data of the styles now in force.
    CloseThemes();
    return Default();
}
