// The mouse over the grid: the property that holds the capture, the rows under the mouse, and
// the in-place editor that a click opens or closes.
#include <ZNPropertyGrid.h>

#include "grid/ZNPropertyGridItem.h"
#include "model/ZNPropertyGridCategory.h"
#include "model/ZNPropertyGridProperty.h"

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

//---------------------------------------------------------------------------------------------
// Mouse

// While a property holds the capture, every mouse event is its own, after the list box's
// handling.
bool CZNPropertyGrid::RouteToCaptureProperty(PropertyMouseHandler pHandler, UINT nFlags,
                                             CPoint point)
{
    if (m_pCaptureProperty == nullptr)
        return false;
    Default();
    (m_pCaptureProperty->*pHandler)(nFlags, point);
    return true;
}

// The property of the row under the mouse answers the event; a category row has nothing to say,
// and a property's answer toggles no category. Nothing is touched after the property answered:
// a check box it toggled told the host, which may have removed the row.
void CZNPropertyGrid::RouteToRow(PropertyMouseHandler pHandler, UINT nFlags, CPoint point)
{
    if (IZNPropertyGridProperty* pProperty = PropertyOf(GetRowItem(RowFromPoint(point))))
        (pProperty->*pHandler)(nFlags, point);
}

void CZNPropertyGrid::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (RouteToCaptureProperty(&IZNPropertyGridProperty::OnLButtonDown, nFlags, point))
        return;
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
    if (RouteToCaptureProperty(&IZNPropertyGridProperty::OnLButtonUp, nFlags, point))
        return;
    if (TestFlag(PGF_COLUMNDRAG)) {
        EndColumnDrag();
        return;
    }
    Default();
    RouteToRow(&IZNPropertyGridProperty::OnLButtonUp, nFlags, point);
}

void CZNPropertyGrid::OnMouseMove(UINT nFlags, CPoint point)
{
    if (RouteToCaptureProperty(&IZNPropertyGridProperty::OnMouseMove, nFlags, point))
        return;
    if (TestFlag(PGF_COLUMNDRAG)) {
        UpdateColumnPosition();
        Default();
        return;
    }
    Default();
    RouteToRow(&IZNPropertyGridProperty::OnMouseMove, nFlags, point);
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
