// The split container: two panes, the bar between them and its drag.
#include "frame/ZNFrameSplitContainer.h"

#include "frame/ZNFrameContainer.h"
#include "frame/ZNFrameFactory.h"

#include <algorithm>
#include <cmath>

IMPLEMENT_DYNAMIC(CZNFrameSplitContainer, CWnd)

BEGIN_MESSAGE_MAP(CZNFrameSplitContainer, CWnd)
    ON_WM_SIZE()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

CZNFrameSplitContainer::CZNFrameSplitContainer(int nSplitId, int nSplit)
    : CZNFrameControl(FCK_SPLITCONTAINER), m_nSplitId(nSplitId),
      m_nSplit(nSplit), m_pPanes{nullptr, nullptr}, m_fRatio(0.5f), m_nDragOffset(0)
{
}

CZNFrameSplitContainer::~CZNFrameSplitContainer()
{
    for (CZNFrameContainer* pPane : m_pPanes) {
        if (pPane != nullptr)
            pPane->Release();
    }
    if (m_hWnd != nullptr)
        DestroyWindow();
}

bool CZNFrameSplitContainer::Create(CWnd* pParent, const RECT& rect, int nPaneLayoutKind)
{
    // The bar is what shows of the window between the panes.
    LPCTSTR pszCursor = m_nSplit == FS_COLUMNS ? IDC_SIZEWE : IDC_SIZENS;
    LPCTSTR pszClass = AfxRegisterWndClass(0, ::LoadCursorW(nullptr, pszCursor),
                                           ::GetSysColorBrush(COLOR_BTNFACE));
    if (!CreateEx(0, pszClass, nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                  rect, pParent, 0))
        return false;
    RECT rcPane = {0, 0, 0, 0};
    for (CZNFrameContainer*& pPane : m_pPanes) {
        if (!GetFrameFactory().CreateContainer(this, &rcPane, nPaneLayoutKind, &pPane))
            return false;
    }
    RecalcLayout();
    return true;
}

CZNFrameContainer* CZNFrameSplitContainer::GetPane(int nPane) const
{
    return nPane == 0 || nPane == 1 ? m_pPanes[nPane] : nullptr;
}

void CZNFrameSplitContainer::SetSplitRatio(float fRatio)
{
    // Whatever comes from a profile: NaN counts as 0.
    m_fRatio = fRatio > 1.0f ? 1.0f : (fRatio >= 0.0f ? fRatio : 0.0f);
    RecalcLayout();
}

int CZNFrameSplitContainer::ClientExtent() const
{
    CRect rcClient;
    GetClientRect(&rcClient);
    return m_nSplit == FS_COLUMNS ? rcClient.Width() : rcClient.Height();
}

int CZNFrameSplitContainer::BarPosition() const
{
    return int(std::lround(double(PaneRoom()) * m_fRatio));
}

void CZNFrameSplitContainer::RecalcLayout()
{
    if (m_hWnd == nullptr)
        return;
    CRect rcClient;
    GetClientRect(&rcClient);
    CRect rcFirst = rcClient;
    CRect rcSecond = rcClient;
    int nBar = BarPosition();
    if (m_nSplit == FS_COLUMNS) {
        rcFirst.right = nBar;
        rcSecond.left = nBar + kBarThickness;
    } else {
        rcFirst.bottom = nBar;
        rcSecond.top = nBar + kBarThickness;
    }
    const CRect* pRects[2] = {&rcFirst, &rcSecond};
    for (int i = 0; i < 2; ++i) {
        if (m_pPanes[i] != nullptr)
            m_pPanes[i]->SetRect(pRects[i]->left, pRects[i]->top, pRects[i]->right,
                                 pRects[i]->bottom);
    }
}

//---------------------------------------------------------------------------------------------
// The split container as a frame control

void CZNFrameSplitContainer::SetSize(int, int) {}

void CZNFrameSplitContainer::SetPosition(int, int) {}

void CZNFrameSplitContainer::SetRect(int left, int top, int right, int bottom)
{
    SetWindowRect(m_hWnd, left, top, right, bottom);
    RecalcLayout();
}

void CZNFrameSplitContainer::GetRect(RECT* pRect) const
{
    GetPreferredRectOfWindow(m_hWnd, pRect);
}

void CZNFrameSplitContainer::GetPreferredSize(SIZE* pSize, bool bMax) const
{
    CSize sizePane[2];
    for (int i = 0; i < 2; ++i) {
        if (m_pPanes[i] != nullptr)
            m_pPanes[i]->GetPreferredSize(&sizePane[i], bMax);
    }
    CSize sizeBoth;
    if (m_nSplit == FS_COLUMNS) {
        sizeBoth.cx = sizePane[0].cx + kBarThickness + sizePane[1].cx;
        sizeBoth.cy = std::max(sizePane[0].cy, sizePane[1].cy);
    } else {
        sizeBoth.cx = std::max(sizePane[0].cx, sizePane[1].cx);
        sizeBoth.cy = sizePane[0].cy + kBarThickness + sizePane[1].cy;
    }
    pSize->cx = std::max(pSize->cx, sizeBoth.cx);
    pSize->cy = std::max(pSize->cy, sizeBoth.cy);
}

void CZNFrameSplitContainer::Release()
{
    delete this;
}

//---------------------------------------------------------------------------------------------
// Messages: the panes cover all but the bar, so the mouse reaches the window only on the bar.

void CZNFrameSplitContainer::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    RecalcLayout();
}

void CZNFrameSplitContainer::OnLButtonDown(UINT, CPoint point)
{
    m_nDragOffset = Along(point) - BarPosition();
    SetCapture();
}

void CZNFrameSplitContainer::OnMouseMove(UINT, CPoint point)
{
    if (!IsDragging() || PaneRoom() == 0)
        return;
    SetSplitRatio(float(Along(point) - m_nDragOffset) / float(PaneRoom()));
}

void CZNFrameSplitContainer::OnLButtonUp(UINT, CPoint)
{
    if (IsDragging())
        ::ReleaseCapture();
}
