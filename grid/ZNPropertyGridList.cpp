// The rows of the list box: one per visible category and property, in the tree's order.
#include <ZNPropertyGrid.h>

#include "grid/ZNPropertyGridItem.h"
#include "model/ZNPropertyGridCategory.h"
#include "model/ZNPropertyGridProperty.h"

#include <new>
#include <utility>

namespace {

// Whether every row of the category's own content is in the list: the root's always is, any
// other category's while it and each category above it are expanded.
bool ShowsContent(const CZNPropertyGridCategory* pCategory)
{
    for (; pCategory->m_pParent != nullptr; pCategory = pCategory->m_pParent) {
        if (!pCategory->IsExpanded())
            return false;
    }
    return true;
}

// Whether no row follows the category's content: it is the last sub-category of its parent,
// the parent has no properties after it, and so on up to the root.
bool IsLastInRowOrder(const CZNPropertyGridCategory* pCategory)
{
    for (; pCategory->m_pParent != nullptr; pCategory = pCategory->m_pParent) {
        const CZNPropertyGridCategory* pParent = pCategory->m_pParent;
        if (pParent->m_Categories.back() != pCategory || !pParent->m_Properties.empty())
            return false;
    }
    return true;
}

// Whether no row of another object follows pChild, one of the owner's own: the owner's
// properties follow its sub-categories, so a sub-category must have no properties after it and
// a property be the last of them; and nothing may follow the owner's content.
bool IsLastOfRowOrder(const CZNPropertyGridCategory* pOwner, const void* pChild)
{
    const auto& properties = pOwner->m_Properties;
    return IsLastInRowOrder(pOwner) &&
           (properties.empty() || static_cast<const void*>(properties.back()) == pChild);
}

} // namespace

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

// A host mostly appends to the last category; its new rows then go to the end of the list
// without a walk over the rows before them. Properties appended one after the other to another
// category go after the one appended before.
int CZNPropertyGrid::RowOfNewChild(CZNPropertyGridCategory* pOwner, void* pChild)
{
    if (!ShowsContent(pOwner))
        return -1;
    if (IsLastOfRowOrder(pOwner, pChild))
        return RowCount();
    const AppendPlace& next = m_NextAppend;
    if (next.pCategory == pOwner && next.nRowChanges == m_nRowChanges &&
        !pOwner->m_Properties.empty() && pOwner->m_Properties.back() == pChild)
        return next.nRow;
    int nCounter = 0;
    return ComputeListIndex(m_pRootCategory, pChild, nCounter);
}

// A property appended last in its category's content has no row after it within that
// content: the next appended property follows it.
void CZNPropertyGrid::NoteAppendedRow(CZNPropertyGridCategory* pCategory, int nRow)
{
    m_NextAppend = {pCategory, nRow + 1, m_nRowChanges};
}

// A host that removes what it added last removes the list's last row, found without a walk.
int CZNPropertyGrid::RowOfProperty(CZNPropertyGridCategory* pCategory,
                                   IZNPropertyGridProperty* pProperty)
{
    if (ShowsContent(pCategory) && IsLastOfRowOrder(pCategory, pProperty))
        return RowCount() - 1;
    return ComputeListIndex(pProperty);
}

bool CZNPropertyGrid::InsertRow(int nIndex, int eKind, void* pObject)
{
    // Without a record the row is still inserted, so that rows and tree stay in step; every
    // reader of a row treats a missing record as nothing to do.
    auto* pItem = new (std::nothrow) CZNPropertyGridItem{eKind, pObject};
    PrepareRowChange(nIndex);
    int nRows = m_Facts.nRows;
    LRESULT lResult =
        SendToListBox(LB_INSERTSTRING, WPARAM(nIndex), reinterpret_cast<LPARAM>(pItem));
    bool bInserted = lResult != LB_ERR && lResult != LB_ERRSPACE;
    m_Facts.nRows = bInserted && nRows >= 0 ? nRows + 1 : -1;
    // A row the list box did not take has no one to free its record.
    if (!bInserted)
        delete pItem;
    return bInserted;
}

void CZNPropertyGrid::DeleteRow(int nIndex)
{
    PrepareRowChange(nIndex);
    LRESULT lResult = SendToListBox(LB_DELETESTRING, WPARAM(nIndex), 0);
    m_Facts.nRows = lResult == LB_ERR ? -1 : int(lResult);
    // The list box may take its top row back once few rows are left.
    m_Facts.nTopRow = -1;
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
    bool bWasOneCall = std::exchange(m_bOneCallBatch, true);
    // The rows change while the flag still tells the old state, which the walks rely on.
    if (pCategory->IsExpanded()) {
        int nRows = 0;
        ComputeListIndex(pCategory, nullptr, nRows);
        // From the bottom up, so that each deletion leaves the rows still to go in place.
        for (int nDelete = nRow + nRows; nDelete > nRow; --nDelete)
            DeleteRow(nDelete);
    } else {
        int nIndex = nRow + 1;
        PopulateList(pCategory, nIndex);
    }
    pCategory->m_dwFlags ^= 1;
    m_bOneCallBatch = bWasOneCall;
    // A batch the host's additions opened goes on, with the window's drawing on again; this
    // one ends here.
    if (bBatch || !m_bRedrawSuspended)
        RestoreTopRow();
    else
        ShowDrawing();
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
