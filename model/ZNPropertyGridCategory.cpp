// A node of the grid's tree: its children, its column texts, its row and its expand glyph.
#include "model/ZNPropertyGridCategory.h"

#include "model/HelpText.h"
#include "model/PropertyGridDrawContext.h"
#include "model/ZNPropertyGridPaint.h"
#include "model/ZNPropertyGridProperty.h"
#include "properties/ZNPropertyGridPropertyFactory.h"

#include <algorithm>
#include <iterator>
#include <new>

namespace {

constexpr UINT kTextFormat = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS;
constexpr int kGlyphSize = 9;
// Part and states of the tree-view expand glyph in the visual styles.
constexpr int kTreeGlyphPart = 2;
constexpr int kTreeGlyphCollapsed = 1;
constexpr int kTreeGlyphExpanded = 2;

bool IsGridWindow(const CZNPropertyGrid* pGrid)
{
    return pGrid != nullptr && ::IsWindow(pGrid->GetSafeHwnd());
}

// Each level of nesting lightens the row a little more, so the tree's depth shows at a glance.
COLORREF CategoryBackground(int nDepth)
{
    return LightenColor(10 * nDepth, GridLineColor());
}

} // namespace

CZNPropertyGridCategory::CZNPropertyGridCategory(CZNPropertyGridCategory* pParent,
                                                 const wchar_t* pszName, const wchar_t* pszHelp,
                                                 CZNPropertyGrid* pGrid)
    : m_dwFlags(1), m_strName(pszName), m_strHelp(HelpTextToHtml(pszHelp)), m_pGrid(pGrid),
      m_pParent(pParent), m_rcGlyph{0, 0, 0, 0}
{
}

CZNPropertyGridCategory::~CZNPropertyGridCategory()
{
    // Collapsing first removes the rows of the whole sub-tree while every object is still alive.
    if (IsGridWindow(m_pGrid) && IsExpanded())
        m_pGrid->ToggleExpand(this);
    // Each child stays in its list while it is destroyed, so that the grid can still find its
    // row from the root.
    while (!m_Categories.empty()) {
        delete m_Categories.back();
        m_Categories.pop_back();
    }
    while (!m_Properties.empty()) {
        delete m_Properties.back();
        m_Properties.pop_back();
    }
    if (IsGridWindow(m_pGrid)) {
        int nRow = m_pGrid->ComputeListIndex(this);
        if (nRow >= 0)
            m_pGrid->DeleteString(UINT(nRow));
    }
}

CZNPropertyGridCategory* CZNPropertyGridCategory::AddCategory(const wchar_t* pszName,
                                                              const wchar_t* pszHelp)
{
    auto* pCategory = new (std::nothrow) CZNPropertyGridCategory(this, pszName, pszHelp, m_pGrid);
    if (pCategory != nullptr)
        m_Categories.push_back(pCategory);
    return pCategory;
}

bool CZNPropertyGridCategory::RemoveCategory(CZNPropertyGridCategory* pCategory)
{
    auto it = std::find(m_Categories.begin(), m_Categories.end(), pCategory);
    if (pCategory == nullptr || it == m_Categories.end())
        return false;
    m_Categories.erase(it);
    m_pGrid->DestroyCategory(pCategory);
    return true;
}

IZNPropertyGridProperty* CZNPropertyGridCategory::AddProperty(const wchar_t* pszName,
                                                              const wchar_t* pszHelp, unsigned nID,
                                                              eZNPropertyGridType eType,
                                                              const wchar_t* pszOptions)
{
    IZNPropertyGridProperty* pProperty =
        CZNPropertyGridPropertyFactory::Create(this, pszName, pszHelp, nID, eType, pszOptions);
    if (pProperty == nullptr)
        return nullptr;
    pProperty->ReserveColumns(m_ColumnTexts.size());
    for (size_t i = 0; i < m_ColumnTexts.size(); ++i)
        pProperty->AddColumn();
    m_Properties.push_back(pProperty);
    return pProperty;
}

bool CZNPropertyGridCategory::RemoveProperty(IZNPropertyGridProperty* pProperty)
{
    // From the end, as the grid looks for the property: a host mostly removes what it added
    // last, and removing a long list from its end stays linear.
    auto it = std::find(m_Properties.rbegin(), m_Properties.rend(), pProperty);
    if (pProperty == nullptr || it == m_Properties.rend())
        return false;
    m_Properties.erase(std::next(it).base());
    m_pGrid->DestroyProperty(pProperty);
    return true;
}

IZNPropertyGridProperty* CZNPropertyGridCategory::GetPropertyFromID(unsigned nID) const
{
    for (IZNPropertyGridProperty* pProperty : m_Properties) {
        if (pProperty->GetID() == nID)
            return pProperty;
    }
    return nullptr;
}

IZNPropertyGridProperty* CZNPropertyGridCategory::GetPropertyFromIndex(unsigned nIndex) const
{
    return nIndex < m_Properties.size() ? m_Properties[nIndex] : nullptr;
}

int CZNPropertyGridCategory::AddColumn(const wchar_t* pszText)
{
    m_ColumnTexts.emplace_back(pszText);
    for (CZNPropertyGridCategory* pCategory : m_Categories)
        pCategory->AddColumn(pszText);
    for (IZNPropertyGridProperty* pProperty : m_Properties)
        pProperty->AddColumn();
    return int(m_ColumnTexts.size()) - 1;
}

bool CZNPropertyGridCategory::RemoveColumn(int nIndex)
{
    // The whole sub-tree is asked even for an index this category does not have, so that its
    // children's lists stay aligned with the grid's columns.
    for (CZNPropertyGridCategory* pCategory : m_Categories)
        pCategory->RemoveColumn(nIndex);
    for (IZNPropertyGridProperty* pProperty : m_Properties)
        pProperty->RemoveColumn(nIndex);
    if (nIndex < 0 || size_t(nIndex) >= m_ColumnTexts.size())
        return false;
    m_ColumnTexts.erase(m_ColumnTexts.begin() + nIndex);
    return true;
}

bool CZNPropertyGridCategory::SetColumnText(int nIndex, const wchar_t* pszText)
{
    if (nIndex < 0 || size_t(nIndex) >= m_ColumnTexts.size())
        return false;
    m_ColumnTexts[nIndex] = pszText;
    return true;
}

bool CZNPropertyGridCategory::GetColumnText(int nIndex, CString& strText) const
{
    if (nIndex < 0 || size_t(nIndex) >= m_ColumnTexts.size())
        return false;
    strText = m_ColumnTexts[nIndex];
    return true;
}

void CZNPropertyGridCategory::DrawItem(PropertyGridDrawContext* pContext)
{
    const DRAWITEMSTRUCT* pDIS = pContext->pDIS;
    const RECT& rcItem = pDIS->rcItem;
    CDC* pDC = CDC::FromHandle(pContext->hDC);

    RECT rcGlyphArea = {rcItem.left + 1, rcItem.top + 1, rcItem.left + pContext->nGutterWidth,
                        rcItem.bottom};
    DrawGlyph(*pContext->phGlyphTheme, pDIS->hwndItem, pContext->hDC, rcGlyphArea);

    bool bSelected = (pDIS->itemState & ODS_SELECTED) != 0;
    CBrush brush(bSelected ? ::GetSysColor(COLOR_HIGHLIGHT) : CategoryBackground(GetDepth()));
    RECT rcBackground = {rcItem.left + pContext->nGutterWidth, rcItem.top, rcItem.right,
                         rcItem.bottom};
    pDC->FillRect(&rcBackground, &brush);
    pDC->SetTextColor(::GetSysColor(bSelected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    pDC->SetBkMode(TRANSPARENT);

    CFont* pOldFont = nullptr;
    if (pContext->pCategoryFont != nullptr)
        pOldFont = pDC->SelectObject(pContext->pCategoryFont);
    RECT rcText;
    if (pContext->GetVisibleCellRect(0, &rcText)) {
        rcText.left += pContext->nTextInset;
        pDC->DrawText(m_strName, &rcText, kTextFormat);
    }
    for (size_t i = 0; i < m_ColumnTexts.size(); ++i) {
        if (!pContext->GetVisibleCellRect(int(i) + 1, &rcText))
            break;
        rcText.left += pContext->nTextInset;
        pDC->DrawText(m_ColumnTexts[i], &rcText, kTextFormat);
    }
    if (pOldFont != nullptr)
        pDC->SelectObject(pOldFont);
}

void CZNPropertyGridCategory::DrawGlyph(HANDLE& hTheme, HWND hWnd, HDC hDC, const RECT& rcArea)
{
    int nLeft = rcArea.left + (rcArea.right - rcArea.left - kGlyphSize) / 2;
    int nTop = rcArea.top + (rcArea.bottom - rcArea.top - kGlyphSize) / 2;
    // Kept in client coordinates, which the mouse uses: the DC's own include the horizontal
    // scroll.
    m_rcGlyph = {nLeft, nTop, nLeft + kGlyphSize, nTop + kGlyphSize};
    ::LPtoDP(hDC, reinterpret_cast<POINT*>(&m_rcGlyph), 2);

    int nState = IsExpanded() ? kTreeGlyphExpanded : kTreeGlyphCollapsed;
    if (DrawThemedPart(hTheme, hWnd, hDC, L"TREEVIEW", kTreeGlyphPart, nState, rcArea))
        return;

    CDC* pDC = CDC::FromHandle(hDC);
    CPen penBox(PS_SOLID, 1, ::GetSysColor(COLOR_GRAYTEXT));
    CPen penSign(PS_SOLID, 1, ::GetSysColor(COLOR_WINDOWTEXT));
    CPen* pOldPen = pDC->SelectObject(&penBox);
    CGdiObject* pOldBrush = pDC->SelectStockObject(NULL_BRUSH);
    pDC->Rectangle(nLeft, nTop, nLeft + kGlyphSize, nTop + kGlyphSize);
    pDC->SelectObject(&penSign);
    pDC->MoveTo(nLeft + 2, nTop + 4);
    pDC->LineTo(nLeft + 7, nTop + 4);
    if (!IsExpanded()) {
        pDC->MoveTo(nLeft + 4, nTop + 2);
        pDC->LineTo(nLeft + 4, nTop + 7);
    }
    pDC->SelectObject(pOldPen);
    pDC->SelectObject(pOldBrush);
}

eReturnEvent CZNPropertyGridCategory::OnLButtonDown(UINT nFlags, CPoint point)
{
    return ::PtInRect(&m_rcGlyph, point) ? RE_TOGGLE : RE_NONE;
}

eReturnEvent CZNPropertyGridCategory::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    return RE_TOGGLE;
}

bool CZNPropertyGridCategory::GetToolTip(int nColumn, CString& strText) const
{
    if (nColumn < 0 || size_t(nColumn) > m_ColumnTexts.size())
        return false;
    strText = nColumn == 0 ? m_strName : m_ColumnTexts[nColumn - 1];
    return true;
}

int CZNPropertyGridCategory::GetDepth() const
{
    int nDepth = 0;
    for (const CZNPropertyGridCategory* pAncestor = m_pParent; pAncestor != nullptr;
         pAncestor = pAncestor->m_pParent)
        ++nDepth;
    return nDepth;
}
