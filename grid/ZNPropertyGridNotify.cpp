// Between the grid's editors and properties and its host: the notifications passed on to the
// host's message window, the host's Edit commands passed on to the open editor, and the tool
// tip of every cell.
#include <ZNPropertyGrid.h>

#include "grid/ZNPropertyGridItem.h"
#include "model/ZNPropertyGridCategory.h"
#include "model/ZNPropertyGridProperty.h"

#include <afxcmn.h>
#include <afxstat_.h>

#include <cstdlib>
#include <cwchar>

namespace {

// Long enough to read a long value: the tip stays half a minute unless the mouse moves on.
constexpr int kToolTipShowTime = 30528;

// The framework frees a tip's text with free() once its tool-tip control has a copy.
wchar_t* DuplicateForToolTip(const CString& strText)
{
    size_t nLength = size_t(strText.GetLength()) + 1;
    auto* pszCopy = static_cast<wchar_t*>(std::malloc(nLength * sizeof(wchar_t)));
    if (pszCopy != nullptr)
        std::wmemcpy(pszCopy, strText, nLength);
    return pszCopy;
}

} // namespace

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
    return ::SendMessageW(hHost, PGM_PROPERTYCHANGE,
                          PackNotifyParam(LOWORD(wParam) - 1, HIWORD(wParam)), lParam);
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

//---------------------------------------------------------------------------------------------
// The host's Edit commands: the open editor's, disabled while none is open

void CZNPropertyGrid::OnCut()
{
    if (m_pActiveProperty != nullptr)
        m_pActiveProperty->OnCut();
}

void CZNPropertyGrid::OnUpdateCut(CCmdUI* pCmdUI)
{
    if (m_pActiveProperty != nullptr)
        m_pActiveProperty->OnUpdateCut(pCmdUI);
    else
        pCmdUI->Enable(FALSE);
}

void CZNPropertyGrid::OnCopy()
{
    if (m_pActiveProperty != nullptr)
        m_pActiveProperty->OnCopy();
}

void CZNPropertyGrid::OnUpdateCopy(CCmdUI* pCmdUI)
{
    if (m_pActiveProperty != nullptr)
        m_pActiveProperty->OnUpdateCopy(pCmdUI);
    else
        pCmdUI->Enable(FALSE);
}

void CZNPropertyGrid::OnPaste()
{
    if (m_pActiveProperty != nullptr)
        m_pActiveProperty->OnPaste();
}

void CZNPropertyGrid::OnUpdatePaste(CCmdUI* pCmdUI)
{
    if (m_pActiveProperty != nullptr)
        m_pActiveProperty->OnUpdatePaste(pCmdUI);
    else
        pCmdUI->Enable(FALSE);
}

void CZNPropertyGrid::ForwardCommandMessage(UINT nID)
{
    switch (nID) {
    case ID_EDIT_COPY:
        OnCopy();
        break;
    case ID_EDIT_CUT:
        OnCut();
        break;
    case ID_EDIT_PASTE:
        OnPaste();
        break;
    default:
        break;
    }
}

void CZNPropertyGrid::ForwardUpdateMessage(CCmdUI* pCmdUI)
{
    if (pCmdUI == nullptr)
        return;
    switch (pCmdUI->m_nID) {
    case ID_EDIT_COPY:
        OnUpdateCopy(pCmdUI);
        break;
    case ID_EDIT_CUT:
        OnUpdateCut(pCmdUI);
        break;
    case ID_EDIT_PASTE:
        OnUpdatePaste(pCmdUI);
        break;
    default:
        break;
    }
}

//---------------------------------------------------------------------------------------------
// Tool tips

INT_PTR CZNPropertyGrid::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    int nRow = RowFromPoint(point);
    int nColumn = nRow >= 0 ? ColumnFromPoint(point) : -1;
    // Outside the cells there is no tool; 0 would be the first row's name cell, which the
    // framework would then take for the tool it already has.
    if (nColumn < 0)
        return -1;
    GetClientRect(&pTI->rect);
    pTI->hwnd = m_hWnd;
    // Another cell is another tool, so that the framework replaces the tip on the way.
    UINT nToolId = UINT((int(m_Columns.size()) * nRow + nColumn) * 2);
    if (GetRowItem(nRow) != nullptr)
        pTI->lpszText = DuplicateForToolTip(CellToolTip(nRow, nColumn, point, nToolId));
    pTI->uId = nToolId;
    if (CToolTipCtrl* pToolTip = AfxGetModuleThreadState()->m_pToolTip)
        pToolTip->SetDelayTime(TTDT_AUTOPOP, kToolTipShowTime);
    return INT_PTR(pTI->uId);
}

// Whether or not the row has a tip of its own for the cell, the text is the tip: an empty one
// shows nothing. A property may move the tool on to its check box's id.
CString CZNPropertyGrid::CellToolTip(int nRow, int nColumn, CPoint point, UINT& nToolId) const
{
    CString strText;
    const CZNPropertyGridItem* pItem = GetRowItem(nRow);
    if (const CZNPropertyGridCategory* pCategory = CategoryOf(pItem)) {
        pCategory->GetToolTip(nColumn, strText);
    } else if (IZNPropertyGridProperty* pProperty = PropertyOf(pItem)) {
        CRect rcCell;
        ColumnRect(nRow, nColumn, &rcCell);
        pProperty->GetToolTip(nColumn, &rcCell, &point, &nToolId, &strText);
    }
    return strText;
}
