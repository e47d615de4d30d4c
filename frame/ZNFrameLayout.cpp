// The absolute and border layouts of frame containers.
#include "frame/ZNFrameLayout.h"

#include "frame/ZNFrameContainer.h"

#include <algorithm>
#include <new>

namespace {

constexpr int kDockCount = CZNFrameLayoutBorder::FD_CENTER + 1;

bool IsDock(int nDock)
{
    return nDock >= 0 && nDock < kDockCount;
}

// The largest preferred size of the controls, each offered the same space.
CSize LargestPreferredSize(const std::vector<CZNFrameControl*>& controls, SIZE offered)
{
    CSize largest;
    for (CZNFrameControl* pControl : controls) {
        SIZE size = offered;
        pControl->GetPreferredSize(&size, true);
        largest.cx = std::max(largest.cx, size.cx);
        largest.cy = std::max(largest.cy, size.cy);
    }
    return largest;
}

} // namespace

//---------------------------------------------------------------------------------------------
// CZNFrameLayout

CZNFrameLayout::CZNFrameLayout(int nKind, CZNFrameContainer* pContainer)
    : m_nKind(nKind), m_pContainer(pContainer)
{
}

CZNFrameLayout::~CZNFrameLayout() = default;

void CZNFrameLayout::Release()
{
    delete this;
}

void CZNFrameLayout::OnControlInserted(int) {}

void CZNFrameLayout::OnControlRemoved(int) {}

void CZNFrameLayout::GetBounds(RECT* pBounds, bool bMax) const
{
    ::SetRectEmpty(pBounds);
    if (m_pContainer == nullptr)
        return;
    for (int i = 0; i < m_pContainer->GetControlCount(); ++i) {
        CZNFrameControl* pControl = m_pContainer->GetControl(i);
        if (pControl == nullptr)
            continue;
        CRect rc;
        pControl->GetRect(&rc);
        if (bMax) {
            pBounds->right = std::max<LONG>(pBounds->right, rc.Width());
            pBounds->bottom = std::max<LONG>(pBounds->bottom, rc.Height());
        } else if (i == 0) {
            *pBounds = rc;
        } else {
            ::UnionRect(pBounds, pBounds, &rc);
        }
    }
}

//---------------------------------------------------------------------------------------------
// CZNFrameLayoutAbsolute

CZNFrameLayoutAbsolute::CZNFrameLayoutAbsolute(CZNFrameContainer* pContainer)
    : CZNFrameLayout(FLK_ABSOLUTE, pContainer)
{
}

void CZNFrameLayoutAbsolute::RecalcLayout()
{
    if (m_pContainer == nullptr)
        return;
    CRect rcMargins;
    m_pContainer->GetMargins(&rcMargins);
    CRect rcBounds;
    GetBounds(&rcBounds, false);
    for (int i = 0; i < m_pContainer->GetControlCount(); ++i) {
        CZNFrameControl* pControl = m_pContainer->GetControl(i);
        if (pControl == nullptr)
            continue;
        CRect rc;
        pControl->GetRect(&rc);
        rc.OffsetRect(rcMargins.left - rcBounds.left, rcMargins.top - rcBounds.top);
        pControl->SetRect(rc.left, rc.top, rc.right, rc.bottom);
    }
}

//---------------------------------------------------------------------------------------------
// CZNFrameLayoutBorder

CZNFrameLayoutBorder::CZNFrameLayoutBorder(CZNFrameContainer* pContainer)
    : CZNFrameLayout(FLK_BORDER, pContainer),
      m_Docks(size_t(pContainer == nullptr ? 0 : pContainer->GetControlCount()), FD_CENTER)
{
}

void CZNFrameLayoutBorder::OnControlInserted(int nIndex)
{
    if (nIndex >= 0 && size_t(nIndex) <= m_Docks.size())
        m_Docks.insert(m_Docks.begin() + nIndex, FD_CENTER);
}

void CZNFrameLayoutBorder::OnControlRemoved(int nIndex)
{
    if (nIndex >= 0 && size_t(nIndex) < m_Docks.size())
        m_Docks.erase(m_Docks.begin() + nIndex);
}

void CZNFrameLayoutBorder::SetDock(int nIndex, int nDock)
{
    if (nIndex >= 0 && size_t(nIndex) < m_Docks.size() && IsDock(nDock))
        m_Docks[size_t(nIndex)] = nDock;
}

int CZNFrameLayoutBorder::GetDock(int nIndex) const
{
    return nIndex >= 0 && size_t(nIndex) < m_Docks.size() ? m_Docks[size_t(nIndex)] : -1;
}

void CZNFrameLayoutBorder::RecalcLayout()
{
    if (m_pContainer == nullptr)
        return;
    CRect rcArea;
    m_pContainer->GetLayoutRect(&rcArea);
    CRect rcMargins;
    m_pContainer->GetMargins(&rcMargins);
    rcArea.DeflateRect(rcMargins.left, rcMargins.top, rcMargins.right, rcMargins.bottom);

    // A control the layout was not told about sits in the centre.
    std::vector<CZNFrameControl*> bands[kDockCount];
    for (int i = 0; i < m_pContainer->GetControlCount(); ++i) {
        if (CZNFrameControl* pControl = m_pContainer->GetControl(i))
            bands[IsDock(GetDock(i)) ? GetDock(i) : FD_CENTER].push_back(pControl);
    }

    CRect rcBand[kDockCount];
    int nTop = rcArea.top;
    int nBottom = rcArea.bottom;
    if (!bands[FD_TOP].empty()) {
        nTop += LargestPreferredSize(bands[FD_TOP], {rcArea.Width(), 0}).cy;
        rcBand[FD_TOP].SetRect(rcArea.left, rcArea.top, rcArea.right, nTop);
    }
    // The bottom band takes its height whether or not a control fills the centre.
    if (!bands[FD_BOTTOM].empty()) {
        nBottom -= LargestPreferredSize(bands[FD_BOTTOM], {rcArea.Width(), 0}).cy;
        rcBand[FD_BOTTOM].SetRect(rcArea.left, nBottom, rcArea.right, rcArea.bottom);
    }
    int nLeft = rcArea.left;
    int nRight = rcArea.right;
    if (!bands[FD_LEFT].empty()) {
        nLeft += LargestPreferredSize(bands[FD_LEFT], {0, rcArea.Height()}).cx;
        rcBand[FD_LEFT].SetRect(rcArea.left, nTop, nLeft, nBottom);
    }
    if (!bands[FD_RIGHT].empty()) {
        nRight -= LargestPreferredSize(bands[FD_RIGHT], {0, rcArea.Height()}).cx;
        rcBand[FD_RIGHT].SetRect(nRight, nTop, rcArea.right, nBottom);
    }
    rcBand[FD_CENTER].SetRect(nLeft, nTop, nRight, nBottom);

    // Bands in the order top, right, bottom, left, centre: the order of the dock values.
    for (int nDock = 0; nDock < kDockCount; ++nDock) {
        const CRect& rc = rcBand[nDock];
        for (CZNFrameControl* pControl : bands[nDock])
            pControl->SetRect(rc.left, rc.top, rc.right, rc.bottom);
    }
}

//---------------------------------------------------------------------------------------------

bool CreateFrameLayout(int nKind, CZNFrameContainer* pContainer, CZNFrameLayout** ppLayout)
{
    if (ppLayout == nullptr)
        return false;
    switch (nKind) {
    case CZNFrameLayout::FLK_ABSOLUTE:
        *ppLayout = new (std::nothrow) CZNFrameLayoutAbsolute(pContainer);
        break;
    case CZNFrameLayout::FLK_BORDER:
        *ppLayout = new (std::nothrow) CZNFrameLayoutBorder(pContainer);
        break;
    default:
        return false;
    }
    return *ppLayout != nullptr;
}
