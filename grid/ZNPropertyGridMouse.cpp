// The mouse over the grid, the in-place editor's state, and the messages that editors and
// properties send the grid.
#include <ZNPropertyGrid.h>

#include "../model/ZNPropertyGridCategory.h"
#include "../model/ZNPropertyGridProperty.h"
#include "ZNPropertyGridItem.h"

namespace {

IZNPropertyGridProperty* PropertyOf(const CZNPropertyGridItem* pItem)
{
    if (pItem == nullptr || pItem->m_eKind != ITEM_PROPERTY)
        return nullptr;
    return static_cast<IZNPropertyGridProperty*>(pItem->m_pObject);
}

CZNPropertyGridCategory* CategoryOf(const CZNPropertyGridItem* pItem)
{
    if (pItem == nullptr || pItem->m_eKind != ITEM_CATEGORY)
        return nullptr;
    return static_cast<CZNPropertyGridCategory*>(pItem->m_pObject);
}

} // namespace

void CZNPropertyGrid::HandleReturnEvent(eReturnEvent eEvent, CZNPropertyGridItem* pItem)
{
    CZNPropertyGridCategory* pCategory = CategoryOf(pItem);
    if (eEvent == RE_TOGGLE && pCategory != nullptr)
        ToggleExpand(pCategory);
}

void CZNPropertyGrid::DeactivateProperty()
{
    // Forgotten before it is closed: closing commits the value, and the host's answer to that
    // may already change the grid.
    IZNPropertyGridProperty* pActive = m_pActiveProperty;
    m_pActiveProperty = nullptr;
    if (pActive != nullptr)
        pActive->Deactivate();
    if (::IsWindow(m_hWnd))
        SetFocus();
}

bool CZNPropertyGrid::SetCaptureProperty(IZNPropertyGridProperty* pProperty)
{
    m_pCaptureProperty = pProperty;
    SetCapture();
    return true;
}

bool CZNPropertyGrid::ReleaseCaptureProperty()
{
    m_pCaptureProperty = nullptr;
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    return true;
}

// The first cell with a value after (nRow, nColumn), going right and then down; a category row
// is a stop of its own.
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

//---------------------------------------------------------------------------------------------
// Mouse

void CZNPropertyGrid::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (m_pCaptureProperty != nullptr) {
        Default();
        m_pCaptureProperty->OnLButtonDown(nFlags, point);
        return;
    }
    DeactivateProperty();
    int nRow = RowFromPoint(point);
    if (nRow < 0) {
        Default();
        return;
    }
    // OnSetCursor found a border under the mouse: the press starts dragging it and is none
    // of the list box's business.
    if (m_nDragColumn != -1) {
        BeginColumnDrag();
        return;
    }
    Default();
    CZNPropertyGridItem* pItem = GetRowItem(nRow);
    if (pItem == nullptr)
        return;

    eReturnEvent eEvent = RE_NONE;
    if (CZNPropertyGridCategory* pCategory = CategoryOf(pItem)) {
        eEvent = pCategory->OnLButtonDown(nFlags, point);
    } else if (IZNPropertyGridProperty* pProperty = PropertyOf(pItem)) {
        eEvent = pProperty->OnLButtonDown(nFlags, point);
        if (eEvent == RE_NONE) {
            int nColumn = ColumnFromPoint(point);
            DeactivateProperty();
            m_nCurrentColumn = nColumn;
            ActivateCell(nRow, nColumn, pProperty);
            int nNextRow = -1;
            int nNextColumn = -1;
            if (!pProperty->HasValue(nColumn) &&
                GetNextEnabledCell(nRow, nColumn, nNextRow, nNextColumn)) {
                SelectCell(nNextRow, nNextColumn);
                // The list box tracks the pressed button to select the row under the mouse;
                // taking its capture away ends that, so the cell chosen here stays selected.
                if (::GetCapture() == m_hWnd)
                    ::ReleaseCapture();
            }
        }
    }
    HandleReturnEvent(eEvent, pItem);
}

void CZNPropertyGrid::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_pCaptureProperty != nullptr) {
        Default();
        m_pCaptureProperty->OnLButtonUp(nFlags, point);
        return;
    }
    if (TestFlag(PGF_COLUMNDRAG)) {
        EndColumnDrag();
        return;
    }
    Default();
    CZNPropertyGridItem* pItem = GetRowItem(RowFromPoint(point));
    if (pItem == nullptr)
        return;
    IZNPropertyGridProperty* pProperty = PropertyOf(pItem);
    HandleReturnEvent(pProperty != nullptr ? pProperty->OnLButtonUp(nFlags, point) : RE_NONE,
                      pItem);
}

void CZNPropertyGrid::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_pCaptureProperty != nullptr) {
        Default();
        m_pCaptureProperty->OnMouseMove(nFlags, point);
        return;
    }
    if (TestFlag(PGF_COLUMNDRAG)) {
        UpdateColumnPosition();
        Default();
        return;
    }
    Default();
    CZNPropertyGridItem* pItem = GetRowItem(RowFromPoint(point));
    if (pItem == nullptr)
        return;
    IZNPropertyGridProperty* pProperty = PropertyOf(pItem);
    HandleReturnEvent(pProperty != nullptr ? pProperty->OnMouseMove(nFlags, point) : RE_NONE,
                      pItem);
}

void CZNPropertyGrid::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    CZNPropertyGridItem* pItem = GetRowItem(RowFromPoint(point));
    eReturnEvent eEvent = RE_NONE;
    if (CZNPropertyGridCategory* pCategory = CategoryOf(pItem))
        eEvent = pCategory->OnLButtonDblClk(nFlags, point);
    else if (IZNPropertyGridProperty* pProperty = PropertyOf(pItem))
        eEvent = pProperty->OnLButtonDblClk(nFlags, point);
    HandleReturnEvent(eEvent, pItem);
    Default();
}

//---------------------------------------------------------------------------------------------
// Messages from editors and properties

HWND CZNPropertyGrid::HostWindow() const
{
    return m_pMessageWindow != nullptr ? m_pMessageWindow->GetSafeHwnd() : ::GetParent(m_hWnd);
}

LRESULT CZNPropertyGrid::OnPropertyChange(WPARAM wParam, LPARAM lParam)
{
    HWND hHost = HostWindow();
    if (hHost == nullptr)
        return 0;
    // Editors report the grid column; the host counts its value columns from 0.
    WPARAM wHostParam = DWORD(MAKELONG(WORD(LOWORD(wParam) - 1), HIWORD(wParam)));
    return ::SendMessageW(hHost, PGM_PROPERTYCHANGE, wHostParam, lParam);
}

LRESULT CZNPropertyGrid::OnPropertyCheck(WPARAM wParam, LPARAM lParam)
{
    HWND hHost = HostWindow();
    if (hHost == nullptr)
        return 0;
    return ::SendMessageW(hHost, PGM_PROPERTYCHECK, wParam, lParam);
}

LRESULT CZNPropertyGrid::OnPropertyDeactivate(WPARAM, LPARAM)
{
    // The editor has closed itself already.
    m_pActiveProperty = nullptr;
    SetFocus();
    return 0;
}

LRESULT CZNPropertyGrid::OnRequestRepaint(WPARAM wParam, LPARAM)
{
    InvalidateGrid(wParam != 0);
    return 0;
}
