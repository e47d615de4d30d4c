// The rows of the list box: one per visible category and property, in the tree's order.
#include <ZNPropertyGrid.h>

#include "grid/ZNPropertyGridItem.h"
#include "model/ZNPropertyGridCategory.h"
#include "model/ZNPropertyGridProperty.h"

#include <new>

int CZNPropertyGrid::ComputeListIndex(CZNPropertyGridCategory* pCategory, void* pTarget,
                                      int& nCounter)
{
    if (pCategory == nullptr)
        return -1;
    for (CZNPropertyGridCategory* pChild : pCategory->m_Categories) {
        if (pChild == pTarget)
            return nCounter;
        ++nCounter;
        if (pChild->IsExpanded()) {
            int nRow = ComputeListIndex(pChild, pTarget, nCounter);
            if (nRow >= 0)
                return nRow;
        }
    }
    for (IZNPropertyGridProperty* pProperty : pCategory->m_Properties) {
        if (pProperty == pTarget)
            return nCounter;
        ++nCounter;
    }
    return -1;
}

int CZNPropertyGrid::ComputeListIndex(CZNPropertyGridCategory* pCategory)
{
    if (pCategory == nullptr || m_pRootCategory == nullptr)
        return -1;
    int nCounter = 0;
    return ComputeListIndex(m_pRootCategory, pCategory, nCounter);
}

int CZNPropertyGrid::ComputeListIndex(IZNPropertyGridProperty* pProperty)
{
    if (pProperty == nullptr || m_pRootCategory == nullptr)
        return -1;
    int nCounter = 0;
    return ComputeListIndex(m_pRootCategory, pProperty, nCounter);
}

void CZNPropertyGrid::InsertRow(int nIndex, int eKind, void* pObject)
{
    // Without a record the row is still inserted, so that rows and tree stay in step; every
    // reader of a row treats a missing record as nothing to do.
    auto* pItem = new (std::nothrow) CZNPropertyGridItem{eKind, pObject};
    LRESULT lResult = SendMessage(LB_INSERTSTRING, WPARAM(nIndex), reinterpret_cast<LPARAM>(pItem));
    // A row the list box did not take has no one to free its record.
    if (lResult == LB_ERR || lResult == LB_ERRSPACE)
        delete pItem;
}

CZNPropertyGridItem* CZNPropertyGrid::GetRowItem(int nRow) const
{
    if (nRow < 0)
        return nullptr;
    LRESULT lData = SendMessage(LB_GETITEMDATA, WPARAM(nRow));
    return lData == LB_ERR ? nullptr : reinterpret_cast<CZNPropertyGridItem*>(lData);
}

CZNPropertyGridCategory* CZNPropertyGrid::CategoryOf(const CZNPropertyGridItem* pItem)
{
    if (pItem == nullptr || pItem->m_eKind != ITEM_CATEGORY)
        return nullptr;
    return static_cast<CZNPropertyGridCategory*>(pItem->m_pObject);
}

IZNPropertyGridProperty* CZNPropertyGrid::PropertyOf(const CZNPropertyGridItem* pItem)
{
    if (pItem == nullptr || pItem->m_eKind != ITEM_PROPERTY)
        return nullptr;
    return static_cast<IZNPropertyGridProperty*>(pItem->m_pObject);
}

int CZNPropertyGrid::RowFromPoint(CPoint point) const
{
    BOOL bOutside = TRUE;
    int nRow = int(ItemFromPoint(point, bOutside));
    CRect rcItem;
    if (bOutside || GetItemRect(nRow, &rcItem) == LB_ERR || !rcItem.PtInRect(point))
        return -1;
    return nRow;
}

void CZNPropertyGrid::PopulateList(CZNPropertyGridCategory* pCategory, int& nIndex)
{
    for (CZNPropertyGridCategory* pChild : pCategory->m_Categories) {
        InsertRow(nIndex++, ITEM_CATEGORY, pChild);
        if (pChild->IsExpanded())
            PopulateList(pChild, nIndex);
    }
    for (IZNPropertyGridProperty* pProperty : pCategory->m_Properties)
        InsertRow(nIndex++, ITEM_PROPERTY, pProperty);
}

bool CZNPropertyGrid::ToggleExpand(CZNPropertyGridCategory* pCategory)
{
    if (pCategory == nullptr || m_pRootCategory == nullptr)
        return false;
    int nCounter = 0;
    int nRow = ComputeListIndex(m_pRootCategory, pCategory, nCounter);
    if (nRow < 0)
        return false;

    bool bBatch = SuspendRedraw();
    // The rows change while the flag still tells the old state, which the walks rely on.
    if (pCategory->IsExpanded()) {
        int nRows = 0;
        ComputeListIndex(pCategory, nullptr, nRows);
        // From the bottom up, so that each deletion leaves the rows still to go in place.
        for (int nDelete = nRow + nRows; nDelete > nRow; --nDelete)
            DeleteString(UINT(nDelete));
    } else {
        int nIndex = nRow + 1;
        PopulateList(pCategory, nIndex);
    }
    pCategory->m_dwFlags ^= 1;
    if (bBatch)
        ResumeRedraw();
    return true;
}

void CZNPropertyGrid::OnLbnSelchange()
{
    InvalidateGrid(FALSE);
    CZNPropertyGridItem* pItem = GetRowItem(GetCurSel());
    if (CZNPropertyGridCategory* pCategory = CategoryOf(pItem))
        SetHelp(pCategory);
    else if (IZNPropertyGridProperty* pProperty = PropertyOf(pItem))
        SetHelp(pProperty);
}

//---------------------------------------------------------------------------------------------
// Redraw batching

bool CZNPropertyGrid::SuspendRedraw()
{
    if (m_bRedrawSuspended || !IsWindowVisible())
        return false;
    SetRedraw(FALSE);
    m_bRedrawSuspended = true;
    return true;
}

void CZNPropertyGrid::ResumeRedraw()
{
    m_bRedrawSuspended = false;
    SetRedraw(TRUE);
    // With erase: rows may have gone, and the buffer below the last row must be cleared.
    Invalidate(TRUE);
}

// A host adds categories and properties one call at a time, with no call that ends the
// series; the redraw stays off until its message loop runs again.
void CZNPropertyGrid::DeferRedraw()
{
    if (!SuspendRedraw())
        return;
    // Rows inserted without redraw invalidate nothing; this makes a paint that the host asks
    // for before its loop runs again (UpdateWindow) show them.
    Invalidate(TRUE);
    if (m_bResumePosted)
        return;
    m_bResumePosted = PostMessage(PGM_RESUMEREDRAW) != FALSE;
    if (!m_bResumePosted)
        ResumeRedraw();
}

LRESULT CZNPropertyGrid::OnResumeRedraw(WPARAM, LPARAM)
{
    m_bResumePosted = false;
    if (m_bRedrawSuspended)
        ResumeRedraw();
    return 0;
}

// While the redraw is off the resumption invalidates everything anyway; an invalidation costs
// a round trip to the window server, which a series of 10,000 additions would pay each time.
void CZNPropertyGrid::InvalidateGrid(BOOL bErase)
{
    if (!m_bRedrawSuspended)
        Invalidate(bErase);
}
