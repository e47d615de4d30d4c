// What every property type shares: per-column host data, flags and check boxes, the common
// parts of a row's painting, and the check box's mouse tracking.
#include "model/ZNPropertyGridProperty.h"

#include "model/HelpText.h"
#include "model/PropertyGridDrawContext.h"
#include "model/ZNPropertyGridCategory.h"
#include "model/ZNPropertyGridPaint.h"

namespace {

constexpr UINT kTextFormat = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS;

template <typename TList> bool IsSlot(const TList& list, int nIndex)
{
    return nIndex >= 0 && size_t(nIndex) < list.size();
}

} // namespace

IZNPropertyGridProperty::IZNPropertyGridProperty(CZNPropertyGridCategory* pCategory,
                                                 const wchar_t* pszName, const wchar_t* pszHelp,
                                                 unsigned nID, eZNPropertyGridType eType)
    : m_pCategory(pCategory), m_strName(pszName), m_strHelp(HelpTextToHtml(pszHelp)), m_nID(nID),
      m_nActiveColumn(-1), m_eType(eType), m_nItemHeight(-1)
{
}

// The grid's pointers to the property go with it, wherever its destruction came from.
IZNPropertyGridProperty::~IZNPropertyGridProperty()
{
    if (CZNPropertyGrid* pGrid = GetGrid())
        pGrid->ForgetProperty(this);
}

void IZNPropertyGridProperty::SetName(const wchar_t* pszName)
{
    m_strName = pszName;
}

const wchar_t* IZNPropertyGridProperty::GetName()
{
    return m_strName;
}

void IZNPropertyGridProperty::SetHelp(const wchar_t* pszHelp)
{
    m_strHelp = pszHelp;
}

const wchar_t* IZNPropertyGridProperty::GetHelp()
{
    return m_strHelp;
}

unsigned IZNPropertyGridProperty::GetID()
{
    return m_nID;
}

int IZNPropertyGridProperty::GetActiveColumn()
{
    return m_nActiveColumn;
}

bool IZNPropertyGridProperty::SetCheckBoxState(int nIndex, unsigned nState)
{
    if (!IsSlot(m_ColumnStates, nIndex))
        return false;
    bool bWasChecked = IsCheckBoxChecked(nIndex);
    unsigned& nFlags = m_ColumnStates[nIndex].nFlags;
    nFlags = (nFlags & ~PGCB_MASK) | (nState & PGCB_MASK);
    // Only a change between checked and not checked is news to the host; hot and pressed
    // are the mouse's business.
    CZNPropertyGrid* pGrid = GetGrid();
    if (IsCheckBoxChecked(nIndex) != bWasChecked && pGrid != nullptr) {
        pGrid->SendMessage(PGM_PROPERTYCHECK, PackNotifyParam(nIndex, GetID()),
                           reinterpret_cast<LPARAM>(GetUserData(nIndex)));
    }
    return true;
}

bool IZNPropertyGridProperty::GetCheckBoxState(int nIndex, unsigned& nState)
{
    if (!IsSlot(m_ColumnStates, nIndex))
        return false;
    nState = m_ColumnStates[nIndex].nFlags & PGCB_MASK;
    return true;
}

bool IZNPropertyGridProperty::SetCheckBoxTooltip(int nIndex, const wchar_t* pszText)
{
    if (!IsSlot(m_ColumnStates, nIndex))
        return false;
    m_ColumnStates[nIndex].strCheckBoxTip = pszText;
    return true;
}

bool IZNPropertyGridProperty::IsCheckBoxChecked(int nIndex)
{
    return IsSlot(m_ColumnStates, nIndex) &&
           CZNPropertyGridCheckBox::IsChecked(m_ColumnStates[nIndex].nFlags);
}

bool IZNPropertyGridProperty::SetUserData(int nIndex, void* pData)
{
    if (!IsSlot(m_ColumnStates, nIndex))
        return false;
    m_ColumnStates[nIndex].pUserData = pData;
    return true;
}

void* IZNPropertyGridProperty::GetUserData(int nIndex)
{
    return IsSlot(m_ColumnStates, nIndex) ? m_ColumnStates[nIndex].pUserData : nullptr;
}

void IZNPropertyGridProperty::SetFlag(int nIndex, unsigned nMask)
{
    if (IsSlot(m_ColumnStates, nIndex))
        m_ColumnStates[nIndex].nFlags |= nMask;
}

void IZNPropertyGridProperty::ClearFlag(int nIndex, unsigned nMask)
{
    if (IsSlot(m_ColumnStates, nIndex))
        m_ColumnStates[nIndex].nFlags &= ~nMask;
}

unsigned IZNPropertyGridProperty::TestFlag(int nIndex, unsigned nMask)
{
    return IsSlot(m_ColumnStates, nIndex) ? m_ColumnStates[nIndex].nFlags & nMask : 0;
}

void IZNPropertyGridProperty::ReserveColumns(size_t nColumns)
{
    m_ColumnStates.reserve(nColumns);
}

int IZNPropertyGridProperty::AddColumn()
{
    m_ColumnStates.emplace_back();
    return int(m_ColumnStates.size()) - 1;
}

bool IZNPropertyGridProperty::RemoveColumn(int nIndex)
{
    if (!IsSlot(m_ColumnStates, nIndex))
        return false;
    m_ColumnStates.erase(m_ColumnStates.begin() + nIndex);
    return true;
}

void IZNPropertyGridProperty::DrawItem(PropertyGridDrawContext* pContext)
{
    DrawGridLines(pContext);
    DrawName(pContext);
}

void IZNPropertyGridProperty::DrawValue(PropertyGridDrawContext* pContext, int nColumn, RECT* pCell)
{
    CDC* pDC = CDC::FromHandle(pContext->hDC);
    int nIndex = nColumn - 1;
    bool bEnabled = TestFlag(nIndex, PGP_ENABLED) != 0;
    pDC->SetTextColor(::GetSysColor(bEnabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));

    COLORREF crBackground = ::GetSysColor(COLOR_WINDOW);
    bool bSelected = (pContext->pDIS->itemState & ODS_SELECTED) != 0;
    if (!HasValue(nColumn)) {
        crBackground = DarkenColor(20, ::GetSysColor(COLOR_WINDOW));
    } else if ((pContext->dwStyle & PGS_HIGHLIGHTCELL) != 0 && bSelected &&
               nColumn == pContext->nSelectedColumn) {
        crBackground = ::GetSysColor(COLOR_HIGHLIGHT);
        if (bEnabled)
            pDC->SetTextColor(::GetSysColor(COLOR_HIGHLIGHTTEXT));
    }
    CBrush brush(crBackground);
    pDC->FillRect(pCell, &brush);

    unsigned nState = CZNPropertyGridCheckBox::StateOf(TestFlag(nIndex, PGCB_MASK));
    if (nState != 0) {
        CZNPropertyGridCheckBox::Draw(*pContext->phCheckBoxTheme, pContext->pDIS->hwndItem,
                                      pContext->hDC, nState,
                                      CZNPropertyGridCheckBox::BoxRect(*pCell));
        CZNPropertyGridCheckBox::SkipBox(*pCell);
    }
}

void IZNPropertyGridProperty::MeasureItem(MEASUREITEMSTRUCT* pMIS)
{
    if (m_nItemHeight == -1)
        m_nItemHeight = int(pMIS->itemHeight);
}

void IZNPropertyGridProperty::DrawGridLines(PropertyGridDrawContext* pContext)
{
    CDC* pDC = CDC::FromHandle(pContext->hDC);
    const RECT& rcItem = pContext->pDIS->rcItem;
    CPen pen(PS_SOLID, 1, GridLineColor());
    CPen* pOldPen = pDC->SelectObject(&pen);

    int x = rcItem.left + pContext->nGutterWidth;
    pDC->MoveTo(x, rcItem.bottom - 1);
    pDC->LineTo(rcItem.right, rcItem.bottom - 1);
    for (const PropertyGridColumn& column : *pContext->pColumns) {
        x += column.m_nWidth;
        pDC->MoveTo(x - 1, rcItem.top);
        pDC->LineTo(x - 1, rcItem.bottom - 1);
    }
    pDC->SelectObject(pOldPen);
}

void IZNPropertyGridProperty::DrawName(PropertyGridDrawContext* pContext)
{
    CRect rcCell;
    if (!pContext->GetCellRect(0, &rcCell))
        return;
    rcCell.right -= 1;
    rcCell.bottom -= 1;

    CDC* pDC = CDC::FromHandle(pContext->hDC);
    bool bSelected = (pContext->pDIS->itemState & ODS_SELECTED) != 0;
    CBrush brush(::GetSysColor(bSelected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    pDC->FillRect(&rcCell, &brush);
    pDC->SetTextColor(::GetSysColor(bSelected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    pDC->SetBkMode(TRANSPARENT);

    CRect rcText;
    pContext->GetVisibleCellRect(0, &rcText);
    rcText.left += pContext->nTextInset;
    // A taller row keeps its name in its first line.
    if (m_nItemHeight >= 0)
        rcText.bottom = rcText.top + m_nItemHeight;

    CFont* pOldFont = nullptr;
    if (pContext->pNameFont != nullptr)
        pOldFont = pDC->SelectObject(pContext->pNameFont);
    pDC->DrawText(m_strName, &rcText, kTextFormat);
    if (pOldFont != nullptr)
        pDC->SelectObject(pOldFont);
    pDC->SetTextColor(::GetSysColor(COLOR_WINDOWTEXT));
}

bool IZNPropertyGridProperty::GetToolTip(int nColumn, RECT* pCell, POINT* pPoint, UINT* pToolId,
                                         CString* pText)
{
    if (pText == nullptr)
        return false;
    if (nColumn == 0) {
        *pText = m_strName;
        return true;
    }
    int nIndex = nColumn - 1;
    if (pCell == nullptr || pPoint == nullptr || pToolId == nullptr ||
        TestFlag(nIndex, PGCB_MASK) == 0 ||
        !CZNPropertyGridCheckBox::BoxRect(*pCell).PtInRect(*pPoint))
        return false;
    *pText = m_ColumnStates[nIndex].strCheckBoxTip;
    // Cells are tools with even ids; the box is a tool of its own beside its cell.
    ++*pToolId;
    return true;
}

eReturnEvent IZNPropertyGridProperty::OnLButtonDown(UINT nFlags, CPoint point)
{
    return m_CheckBox.OnLButtonDown(this, point);
}

eReturnEvent IZNPropertyGridProperty::OnLButtonUp(UINT nFlags, CPoint point)
{
    return m_CheckBox.OnLButtonUp(this, point);
}

eReturnEvent IZNPropertyGridProperty::OnMouseMove(UINT nFlags, CPoint point)
{
    return m_CheckBox.OnMouseMove(this, point);
}

eReturnEvent IZNPropertyGridProperty::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    return RE_TOGGLE;
}

eReturnEvent IZNPropertyGridProperty::OnMouseWheel(UINT nFlags, short zDelta, CPoint point)
{
    return RE_DEACTIVATE;
}

void IZNPropertyGridProperty::OnCut() {}

void IZNPropertyGridProperty::OnUpdateCut(CCmdUI* pCmdUI)
{
    if (pCmdUI != nullptr)
        pCmdUI->Enable(FALSE);
}

void IZNPropertyGridProperty::OnCopy() {}

void IZNPropertyGridProperty::OnUpdateCopy(CCmdUI* pCmdUI)
{
    if (pCmdUI != nullptr)
        pCmdUI->Enable(FALSE);
}

void IZNPropertyGridProperty::OnPaste() {}

void IZNPropertyGridProperty::OnUpdatePaste(CCmdUI* pCmdUI)
{
    if (pCmdUI != nullptr)
        pCmdUI->Enable(FALSE);
}

bool IZNPropertyGridProperty::SetActiveColumn(int nColumn, RECT* pCell)
{
    m_nActiveColumn = nColumn;
    return true;
}

CZNPropertyGrid* IZNPropertyGridProperty::GetGrid() const
{
    return m_pCategory != nullptr ? m_pCategory->m_pGrid : nullptr;
}

bool CZNPropertyGridValueProperty::SetValue(int nIndex, void* pValue)
{
    if (!IsValueColumn(nIndex))
        return false;
    m_ColumnStates[nIndex].pValue = pValue;
    return true;
}

bool CZNPropertyGridValueProperty::GetValue(int nIndex, void** ppValue)
{
    if (ppValue == nullptr || !IsValueColumn(nIndex))
        return false;
    *ppValue = ValueOf(nIndex);
    return true;
}

bool CZNPropertyGridValueProperty::HasValue(int nColumn)
{
    return ValueOf(nColumn - 1) != nullptr;
}

bool CZNPropertyGridValueProperty::IsValueColumn(int nIndex) const
{
    return IsSlot(m_ColumnStates, nIndex);
}

void* CZNPropertyGridValueProperty::ValueOf(int nIndex) const
{
    return IsValueColumn(nIndex) ? m_ColumnStates[nIndex].pValue : nullptr;
}

void CZNPropertyGridValueProperty::DrawItem(PropertyGridDrawContext* pContext)
{
    IZNPropertyGridProperty::DrawItem(pContext);
    CDC* pDC = CDC::FromHandle(pContext->hDC);
    CFont* pOldFont = nullptr;
    if (pContext->pNameFont != nullptr)
        pOldFont = pDC->SelectObject(pContext->pNameFont);
    int nColumns = int(pContext->pColumns->size());
    for (int nColumn = 1; nColumn < nColumns; ++nColumn) {
        CRect rcCell;
        pContext->GetCellRect(nColumn, &rcCell);
        rcCell.right -= 1;
        rcCell.bottom -= 1;
        // A type's own painting reads its slot unchecked; a column the property has no slot
        // for is painted as a cell without a value.
        if (IsValueColumn(nColumn - 1))
            DrawValue(pContext, nColumn, &rcCell);
        else
            IZNPropertyGridProperty::DrawValue(pContext, nColumn, &rcCell);
    }
    if (pOldFont != nullptr)
        pDC->SelectObject(pOldFont);
}

bool CZNPropertyGridValueProperty::DrawValueBase(PropertyGridDrawContext* pContext, int nColumn,
                                                 const RECT& rcCell, CRect& rcText)
{
    // The base paints the background and the check box and tells how far the box pushed the
    // text to the right.
    RECT rcRest = rcCell;
    IZNPropertyGridProperty::DrawValue(pContext, nColumn, &rcRest);
    int nIndex = nColumn - 1;
    if (ValueOf(nIndex) == nullptr || !pContext->GetVisibleCellRect(nColumn, &rcText))
        return false;
    rcText.left += pContext->nTextInset + (rcRest.left - rcCell.left);
    rcText.right -= 1;
    return true;
}
