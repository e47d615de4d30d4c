// The current cell and the keyboard: moving the cell, opening its editor, toggling its check
// box; and scrolling, which takes the editor away from its cell.
#include <ZNPropertyGrid.h>

#include "grid/ZNPropertyGridItem.h"
#include "model/ZNPropertyGridCategory.h"
#include "model/ZNPropertyGridProperty.h"

//---------------------------------------------------------------------------------------------
// Cells

// The first cell with a value after (nRow, nColumn), going right and then down; a category row
// is a stop of its own, in column 1.
bool CZNPropertyGrid::GetNextEnabledCell(int nRow, int nColumn, int& nOutRow, int& nOutColumn)
{
    int nLastRow = GetCount() - 1;
    int nLastColumn = int(m_Columns.size()) - 1;
    const CZNPropertyGridItem* pItem = GetRowItem(nRow);
    if (pItem != nullptr) {
        if (pItem->m_eKind == ITEM_CATEGORY || nColumn == nLastColumn) {
            if (nRow == nLastRow)
                return false;
            ++nRow;
            nColumn = 1;
        } else {
            ++nColumn;
        }
    }
    for (; nRow <= nLastRow; ++nRow, nColumn = 1) {
        pItem = GetRowItem(nRow);
        if (CategoryOf(pItem) != nullptr) {
            nOutRow = nRow;
            nOutColumn = 1;
            return true;
        }
        IZNPropertyGridProperty* pProperty = PropertyOf(pItem);
        for (int c = nColumn; pProperty != nullptr && c <= nLastColumn; ++c) {
            if (pProperty->HasValue(c)) {
                nOutRow = nRow;
                nOutColumn = c;
                return true;
            }
        }
    }
    return false;
}

// The first cell with a value before (nRow, nColumn), going left and then up; a category row
// is a stop of its own, in the last column.
bool CZNPropertyGrid::GetPrevEnabledCell(int nRow, int nColumn, int& nOutRow, int& nOutColumn)
{
    int nLastColumn = int(m_Columns.size()) - 1;
    const CZNPropertyGridItem* pItem = GetRowItem(nRow);
    if (pItem != nullptr) {
        if (pItem->m_eKind == ITEM_CATEGORY || nColumn == 1) {
            if (nRow == 0)
                return false;
            --nRow;
            nColumn = nLastColumn;
        } else {
            --nColumn;
        }
    }
    for (; nRow >= 0; --nRow, nColumn = nLastColumn) {
        pItem = GetRowItem(nRow);
        if (CategoryOf(pItem) != nullptr) {
            nOutRow = nRow;
            nOutColumn = nLastColumn;
            return true;
        }
        IZNPropertyGridProperty* pProperty = PropertyOf(pItem);
        for (int c = nColumn; pProperty != nullptr && c >= 1; --c) {
            if (pProperty->HasValue(c)) {
                nOutRow = nRow;
                nOutColumn = c;
                return true;
            }
        }
    }
    return false;
}

void CZNPropertyGrid::ActivateCell(int nRow, int nColumn, IZNPropertyGridProperty* pProperty)
{
    CRect rcCell;
    if (nColumn <= 0 || !ColumnRect(nRow, nColumn, &rcCell))
        return;
    rcCell.right -= 1;
    rcCell.bottom -= 1;
    if (pProperty->TestFlag(nColumn - 1, PGP_ENABLED) == 0 || !pProperty->HasValue(nColumn))
        return;
    if (pProperty->Activate(nColumn, &rcCell))
        m_pActiveProperty = pProperty;
}

void CZNPropertyGrid::SelectCell(int nRow, int nColumn)
{
    m_nCurrentColumn = nColumn;
    SetCurSel(nRow);
    InvalidateGrid(FALSE);
    OnLbnSelchange();
}

bool CZNPropertyGrid::IsPropertyCellWithoutValue(int nRow, int nColumn) const
{
    IZNPropertyGridProperty* pProperty = PropertyOf(GetRowItem(nRow));
    return pProperty != nullptr && !pProperty->HasValue(nColumn);
}

void CZNPropertyGrid::MoveToNextCell(int nRow)
{
    int nNextRow = -1;
    int nNextColumn = -1;
    if (GetNextEnabledCell(nRow, m_nCurrentColumn, nNextRow, nNextColumn))
        SelectCell(nNextRow, nNextColumn);
}

void CZNPropertyGrid::MoveToPrevCell(int nRow)
{
    int nPrevRow = -1;
    int nPrevColumn = -1;
    if (GetPrevEnabledCell(nRow, m_nCurrentColumn, nPrevRow, nPrevColumn))
        SelectCell(nPrevRow, nPrevColumn);
}

//---------------------------------------------------------------------------------------------
// Keys

// A host dialog would otherwise keep Return, Escape, Tab and the arrows for its own navigation.
UINT CZNPropertyGrid::OnGetDlgCode()
{
    return CListBox::OnGetDlgCode() | DLGC_WANTALLKEYS;
}

void CZNPropertyGrid::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    // The keys are the open editor's; any that still reach the grid would move the list under
    // it.
    if (m_pActiveProperty != nullptr)
        return;
    int nRow = GetCurSel();
    CZNPropertyGridItem* pItem = GetRowItem(nRow);
    switch (nChar) {
    case VK_RETURN:
        if (CZNPropertyGridCategory* pCategory = CategoryOf(pItem))
            ToggleExpand(pCategory);
        else if (IZNPropertyGridProperty* pProperty = PropertyOf(pItem))
            ActivateCell(nRow, m_nCurrentColumn, pProperty);
        break;
    case VK_SPACE:
        if (CZNPropertyGridCategory* pCategory = CategoryOf(pItem))
            ToggleExpand(pCategory);
        else if (IZNPropertyGridProperty* pProperty = PropertyOf(pItem))
            ToggleCheckBoxOfCurrentCell(pProperty);
        break;
    // Left and Right walk the cells themselves; the list box knows rows only.
    case VK_LEFT:
        MoveToPrevCell(nRow);
        return;
    case VK_RIGHT:
        MoveToNextCell(nRow);
        return;
    // Up and Down keep the column, unless it has no value in the row they move to.
    case VK_UP:
        if (nRow != 0 && IsPropertyCellWithoutValue(nRow - 1, m_nCurrentColumn)) {
            MoveToPrevCell(nRow);
            return;
        }
        break;
    case VK_DOWN:
        if (nRow != GetCount() - 1 && IsPropertyCellWithoutValue(nRow + 1, m_nCurrentColumn)) {
            MoveToNextCell(nRow);
            return;
        }
        break;
    default:
        break;
    }
    Default();
}

void CZNPropertyGrid::ToggleCheckBoxOfCurrentCell(IZNPropertyGridProperty* pProperty)
{
    if (CZNPropertyGridCheckBox::ToggleWithSpace(pProperty, m_nCurrentColumn - 1))
        InvalidateGrid(FALSE);
}

//---------------------------------------------------------------------------------------------
// Scrolling: the open editor would stay where its cell was

void CZNPropertyGrid::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    DeactivateProperty();
    CListBox::OnHScroll(nSBCode, nPos, pScrollBar);
    InvalidateGrid(FALSE);
}

void CZNPropertyGrid::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    DeactivateProperty();
    CListBox::OnVScroll(nSBCode, nPos, pScrollBar);
    InvalidateGrid(FALSE);
}

// The open editor sees the wheel first: a drop-down list scrolls itself and keeps it
// (RE_HANDLED); the others are closed before the rows move (RE_DEACTIVATE).
BOOL CZNPropertyGrid::OnMouseWheel(UINT nFlags, short zDelta, CPoint point)
{
    if (m_pActiveProperty != nullptr) {
        eReturnEvent eEvent = m_pActiveProperty->OnMouseWheel(nFlags, zDelta, point);
        if (eEvent == RE_HANDLED)
            return TRUE;
        if (eEvent == RE_DEACTIVATE)
            DeactivateProperty();
    }
    BOOL bResult = CListBox::OnMouseWheel(nFlags, zDelta, point);
    InvalidateGrid(FALSE);
    return bResult;
}
