// The grid's columns: records, cell geometry, the three width policies and border dragging.
#include <ZNPropertyGrid.h>

#include "model/ZNPropertyGridCategory.h"
#include "resources/resource.h"

#include <algorithm>

namespace {

// Under PGS_FITCOLUMNS the last column may shrink to almost nothing before the others do.
constexpr int kFitLastColumnFloor = 2;
// A border is grabbed from 3 pixels left of it to 1 pixel right of it.
constexpr int kGrabLeft = 4;
constexpr int kGrabRight = 2;

bool UsesRelativeWidths(DWORD dwExtStyle)
{
    return (dwExtStyle & (PGS_PROPORTIONALCOLUMNS | PGS_FITCOLUMNS)) != 0;
}

HCURSOR ColumnSizingCursor()
{
    LPCWSTR lpszCursor = MAKEINTRESOURCEW(IDC_PROPERTYGRID_COLUMNSIZE);
    HCURSOR hCursor = ::LoadCursorW(AfxFindResourceHandle(lpszCursor, RT_GROUP_CURSOR), lpszCursor);
    return hCursor != nullptr ? hCursor : ::LoadCursorW(nullptr, IDC_SIZEWE);
}

} // namespace

int CZNPropertyGrid::AddColumn(int nWidth, const wchar_t* pszTitle)
{
    int w = std::max(nWidth, m_nMinimumWidth);
    m_Columns.push_back({pszTitle, w, w, 0.0});
    int nColumn = int(m_Columns.size()) - 1;
    if (m_pRootCategory != nullptr) {
        // The tree takes one more value slot everywhere; the new column starts with its share
        // of the widths as they are, leaving the others' ratios alone.
        m_Columns.back().m_dRatio = double(w) / TotalColumnWidth();
        m_pRootCategory->AddColumn(pszTitle);
        InvalidateGrid(TRUE);
        return nColumn;
    }
    NormalizeColumns();
    SetHorizontalExtent();
    if (m_Columns.size() >= 2)
        m_dwExtStyle |= PGS_HIGHLIGHTCELL;
    return nColumn;
}

bool CZNPropertyGrid::RemoveColumn(int nIndex)
{
    // The name column stays: without it no column is left to name the rows.
    if (nIndex <= 0 || size_t(nIndex) >= m_Columns.size())
        return false;
    DeactivateProperty();
    m_Columns.erase(m_Columns.begin() + nIndex);
    InvalidateGrid(TRUE);
    if (m_pRootCategory != nullptr)
        return m_pRootCategory->RemoveColumn(nIndex - 1);
    return true;
}

int CZNPropertyGrid::TotalColumnWidth() const
{
    int nTotal = 0;
    for (const PropertyGridColumn& column : m_Columns)
        nTotal += column.m_nWidth;
    return nTotal;
}

int CZNPropertyGrid::ColumnLeft(int nColumn) const
{
    int nLeft = m_nGutterWidth;
    for (int i = 0; i < nColumn; ++i)
        nLeft += m_Columns[i].m_nWidth;
    return nLeft;
}

int CZNPropertyGrid::AvailableWidth()
{
    return ClientSize().cx - m_nGutterWidth;
}

void CZNPropertyGrid::NormalizeColumns()
{
    double dTotal = TotalColumnWidth();
    for (PropertyGridColumn& column : m_Columns)
        column.m_dRatio = column.m_nWidth / dTotal;
}

void CZNPropertyGrid::SetHorizontalExtent()
{
    // Every property added lays the columns out again; an extent that stays is not sent, so
    // that a batch of additions keeps the list box's top row where the batch put it.
    int nExtent = TotalColumnWidth() + ScrollBarWidth();
    if (HorizontalExtent() != nExtent) {
        CListBox::SetHorizontalExtent(nExtent);
        m_Facts.nHorizontalExtent = nExtent;
    }
}

int CZNPropertyGrid::ColumnFromPoint(CPoint point) const
{
    int x = point.x + m_ptOrigin.x;
    int nEdge = m_nGutterWidth;
    for (size_t i = 0; i < m_Columns.size(); ++i) {
        int nWidth = m_Columns[i].m_nWidth;
        if (nEdge <= x && x <= nEdge + nWidth)
            return int(i);
        nEdge += nWidth;
    }
    return -1;
}

bool CZNPropertyGrid::ColumnRect(int nRow, int nColumn, RECT* pRect) const
{
    if (nRow < 0 || nRow >= GetCount() || nColumn < 0 || size_t(nColumn) >= m_Columns.size() ||
        pRect == nullptr)
        return false;
    CRect rcItem;
    if (GetItemRect(nRow, &rcItem) == LB_ERR)
        return false;
    int nLeft = ColumnLeft(nColumn) - m_ptOrigin.x;
    CRect rcCell(nLeft, rcItem.top, nLeft + m_Columns[nColumn].m_nWidth, rcItem.bottom);
    CRect rcClient;
    GetClientRect(&rcClient);
    ::IntersectRect(pRect, &rcCell, &rcClient);
    return true;
}

BOOL CZNPropertyGrid::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    m_nDragColumn = -1;
    CPoint point;
    ::GetCursorPos(&point);
    ScreenToClient(&point);
    // Borders are grabbed on rows only; the left button then drags the border found here.
    if (nHitTest == HTCLIENT && RowFromPoint(point) >= 0) {
        int x = point.x + m_ptOrigin.x;
        int nEdge = m_nGutterWidth;
        for (size_t i = 0; i < m_Columns.size(); ++i) {
            nEdge += m_Columns[i].m_nWidth;
            if (nEdge - kGrabLeft < x && x < nEdge + kGrabRight) {
                ::SetCursor(ColumnSizingCursor());
                m_nDragColumn = int(i);
                m_nDragLeft = nEdge - m_Columns[i].m_nWidth;
                return TRUE;
            }
        }
    }
    return CListBox::OnSetCursor(pWnd, nHitTest, message);
}

//---------------------------------------------------------------------------------------------
// Dragging a border

void CZNPropertyGrid::BeginColumnDrag()
{
    SetCapture();
    SetFlag(PGF_COLUMNDRAG);
    bool bLast = size_t(m_nDragColumn) + 1 == m_Columns.size();
    if ((m_dwExtStyle & PGS_PROPORTIONALCOLUMNS) != 0 && bLast)
        m_nSavedLastWidth = m_Columns[m_nDragColumn].m_nWidth;
}

void CZNPropertyGrid::EndColumnDrag()
{
    UpdateColumnPosition();
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    ClearFlag(PGF_COLUMNDRAG);
    if (UsesRelativeWidths(m_dwExtStyle))
        NormalizeColumns();
    // The last column of proportional columns fills the rest of the width: its drag only
    // showed a preview, and it keeps the width it had.
    bool bLast = m_nDragColumn >= 0 && size_t(m_nDragColumn) + 1 == m_Columns.size();
    if ((m_dwExtStyle & PGS_PROPORTIONALCOLUMNS) != 0 && bLast)
        m_Columns[m_nDragColumn].m_nWidth = m_nSavedLastWidth;
    if (UsesRelativeWidths(m_dwExtStyle))
        UpdateRelativePosition();
    Default();
}

void CZNPropertyGrid::UpdateColumnPosition()
{
    if (m_nDragColumn < 0 || size_t(m_nDragColumn) >= m_Columns.size())
        return;
    CPoint point;
    ::GetCursorPos(&point);
    ScreenToClient(&point);
    int nRequested = point.x + m_ptOrigin.x - m_nDragLeft;

    int nWidth = std::max(m_nMinimumWidth, nRequested);
    if ((m_dwExtStyle & PGS_FITCOLUMNS) != 0) {
        int nColumnsAfter = int(m_Columns.size()) - m_nDragColumn - 1;
        int nLimit = AvailableWidth() - (ColumnLeft(m_nDragColumn) - m_nGutterWidth) -
                     nColumnsAfter * m_nMinimumWidth;
        nWidth = std::max(m_nMinimumWidth, std::min(nRequested, nLimit));
    }
    PropertyGridColumn& column = m_Columns[m_nDragColumn];
    if (nWidth == column.m_nWidth)
        return;
    column.m_nWidth = nWidth;

    bool bLast = size_t(m_nDragColumn) + 1 == m_Columns.size();
    if ((m_dwExtStyle & PGS_PROPORTIONALCOLUMNS) != 0) {
        column.m_nPreferredWidth = nWidth;
        if (!bLast)
            FlushLastColumn(nullptr);
    } else if ((m_dwExtStyle & PGS_FITCOLUMNS) != 0) {
        UpdateSiblingColumns(m_nDragColumn);
        FlushLastColumn(nullptr);
    }
    SetHorizontalExtent();
    InvalidateGrid(TRUE);
}

//---------------------------------------------------------------------------------------------
// Width policies

bool CZNPropertyGrid::UpdateSiblingColumns(int nColumn)
{
    int nAvailable = AvailableWidth();
    int nCount = int(m_Columns.size());
    for (int i = nColumn + 1; i < nCount; ++i) {
        int nRoom =
            nAvailable - (ColumnLeft(i) - m_nGutterWidth) - (nCount - i - 1) * m_nMinimumWidth;
        int& nWidth = m_Columns[i].m_nWidth;
        nWidth = std::max(m_nMinimumWidth, std::min(nWidth, nRoom));
    }
    return true;
}

bool CZNPropertyGrid::FlushLastColumn(int* pWidth)
{
    if (m_Columns.empty())
        return false;
    PropertyGridColumn& last = m_Columns.back();
    if (pWidth != nullptr) {
        last.m_nWidth = *pWidth;
        return true;
    }
    int nRest = AvailableWidth() - (TotalColumnWidth() - last.m_nWidth);
    int nFloor =
        (m_dwExtStyle & PGS_FITCOLUMNS) != 0 ? kFitLastColumnFloor : last.m_nPreferredWidth;
    last.m_nWidth = nRest > nFloor ? nRest : nFloor;
    return true;
}

bool CZNPropertyGrid::UpdateRelativePosition()
{
    if (m_Columns.empty() || TestFlag(PGF_COLUMNDRAG))
        return false;
    bool bFit = (m_dwExtStyle & PGS_FITCOLUMNS) != 0;
    int nAvailable = AvailableWidth();
    int nCount = int(m_Columns.size());
    int nUsed = 0;
    for (int i = 0; i + 1 < nCount; ++i) {
        PropertyGridColumn& column = m_Columns[i];
        int nFloor = bFit ? m_nMinimumWidth : column.m_nPreferredWidth;
        int nShare = int(column.m_dRatio * nAvailable);
        int nWidth = nShare > nFloor ? nShare : nFloor;
        if (bFit) {
            int nRoom = nAvailable - nUsed - (nCount - i - 1) * m_nMinimumWidth;
            nWidth = std::max(m_nMinimumWidth, std::min(nWidth, nRoom));
        }
        column.m_nWidth = nWidth;
        nUsed += nWidth;
    }
    const PropertyGridColumn& last = m_Columns.back();
    int nFloor = bFit ? m_nMinimumWidth : last.m_nPreferredWidth;
    int nRest = nAvailable - nUsed;
    int nLastWidth = nRest > nFloor ? nRest : nFloor;
    // The last column always takes the rest, so there is always something to lay out again.
    FlushLastColumn(&nLastWidth);
    SetHorizontalExtent();
    InvalidateGrid(TRUE);
    return true;
}

void CZNPropertyGrid::OnSize(UINT nType, int cx, int cy)
{
    DeactivateProperty();
    RecreateSurface(cx, cy);
    bool bLaidOut = UsesRelativeWidths(m_dwExtStyle) && UpdateRelativePosition();
    CListBox::OnSize(nType, cx, cy);
    if (!bLaidOut)
        InvalidateGrid(TRUE);
}
