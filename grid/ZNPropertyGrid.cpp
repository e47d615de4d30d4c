// The grid's lifecycle, its state words, building the tree and handing value calls to it.
#include <ZNPropertyGrid.h>

#include "grid/ZNPropertyGridItem.h"
#include "model/ZNPropertyGridCategory.h"
#include "model/ZNPropertyGridPaint.h"
#include "model/ZNPropertyGridProperty.h"
#include "resources/resource.h"

#include <algorithm>
#include <new>

IMPLEMENT_DYNAMIC(CZNPropertyGrid, CListBox)

BEGIN_MESSAGE_MAP(CZNPropertyGrid, CListBox)
    ON_MESSAGE(PGM_PROPERTYCHANGE, &CZNPropertyGrid::OnPropertyChange)
    ON_MESSAGE(PGM_PROPERTYCHECK, &CZNPropertyGrid::OnPropertyCheck)
    ON_WM_NCPAINT()
    ON_WM_NCCALCSIZE()
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_SETCURSOR()
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
    ON_CONTROL_REFLECT(LBN_SELCHANGE, &CZNPropertyGrid::OnLbnSelchange)
    ON_WM_MOUSEWHEEL()
    ON_MESSAGE(PGM_REQUESTREPAINT, &CZNPropertyGrid::OnRequestRepaint)
    ON_WM_DESTROY()
    ON_MESSAGE(PGM_PROPERTYDEACTIVATE, &CZNPropertyGrid::OnPropertyDeactivate)
    ON_COMMAND(ID_EDIT_CUT, &CZNPropertyGrid::OnCut)
    ON_UPDATE_COMMAND_UI(ID_EDIT_CUT, &CZNPropertyGrid::OnUpdateCut)
    ON_COMMAND(ID_EDIT_COPY, &CZNPropertyGrid::OnCopy)
    ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, &CZNPropertyGrid::OnUpdateCopy)
    ON_COMMAND(ID_EDIT_PASTE, &CZNPropertyGrid::OnPaste)
    ON_UPDATE_COMMAND_UI(ID_EDIT_PASTE, &CZNPropertyGrid::OnUpdatePaste)
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_KEYDOWN()
    ON_WM_GETDLGCODE()
    ON_MESSAGE(PGM_RESUMEREDRAW, &CZNPropertyGrid::OnResumeRedraw)
    ON_MESSAGE(PGM_NAVIGATETOBLANK, &CZNPropertyGrid::OnNavigateToBlank)
    ON_MESSAGE(WM_THEMECHANGED, &CZNPropertyGrid::OnThemeChanged)
END_MESSAGE_MAP()

namespace {

constexpr int kGutterWidth = 18;
constexpr int kTextInset = 2;
constexpr int kMinimumWidth = 25;
constexpr int kNameColumnWidth = 100;

bool HasProperty(const CZNPropertyGridCategory* pCategory, const IZNPropertyGridProperty* pProperty)
{
    // From the end: a host mostly removes what it added last.
    const auto& properties = pCategory->m_Properties;
    return std::find(properties.rbegin(), properties.rend(), pProperty) != properties.rend();
}

bool HasSubCategory(const CZNPropertyGridCategory* pParent,
                    const CZNPropertyGridCategory* pCategory)
{
    const auto& categories = pParent->m_Categories;
    return std::find(categories.begin(), categories.end(), pCategory) != categories.end();
}

} // namespace

CZNPropertyGrid::CZNPropertyGrid()
    : m_dwFlags(0), m_dwExtStyle(0), m_pRootCategory(nullptr), m_nTextInset(4),
      m_nGutterWidth(kGutterWidth), m_rcWindow{0, 0, 0, 0}, m_ptOrigin{0, 0}, m_nDragColumn(-1),
      m_nDragLeft(0), m_nMinimumWidth(0), m_nSavedLastWidth(0), m_pActiveProperty(nullptr),
      m_nCurrentColumn(1), m_pCaptureProperty(nullptr), m_pHtmlHelp(nullptr),
      m_pMessageWindow(nullptr), m_bRedrawSuspended(false), m_bResumePosted(false),
      m_bOneCallBatch(false), m_bInRowChange(false), m_nRowChanges(0), m_nBusyDepth(0),
      m_bDestroyPosted(false)
{
    LoadHTMLTemplate(IDR_PROPERTYGRID_HELP, m_strHtmlTemplate);
    ReplaceUserValues(m_strHtmlTemplate);
}

CZNPropertyGrid::~CZNPropertyGrid()
{
    Uninitialize();
    // What waited for the host's message loop goes with the grid.
    DestroyDeferred();
    m_Surface.ReleaseSurface();
}

bool CZNPropertyGrid::Initialize(DWORD dwExtStyle)
{
    // The grid draws a flat one-pixel frame of its own instead of a 3-D edge.
    FlattenEdge(*this);
    ModifyStyle(0, WS_CLIPSIBLINGS | WS_CLIPCHILDREN);

    m_dwExtStyle = dwExtStyle;
    Invalidate(TRUE);

    const LOGFONTW lfStatus = GetStatusFont();
    m_NameFont.DeleteObject();
    m_BoldFont.DeleteObject();
    m_NameFont.CreateFontIndirect(&lfStatus);
    LOGFONTW lfBold = lfStatus;
    lfBold.lfWeight = FW_BOLD;
    m_BoldFont.CreateFontIndirect(&lfBold);

    m_nGutterWidth = kGutterWidth;
    m_nTextInset = kTextInset;
    m_nMinimumWidth = kMinimumWidth;
    m_Columns.push_back({L"[Property]", kNameColumnWidth, kNameColumnWidth, 0.0});

    CRect rcClient(0, 0, 0, 0);
    GetClientRect(&rcClient);
    RecreateSurface(rcClient.Width(), rcClient.Height());
    EnableToolTips(TRUE);

    SetFlag(PGF_INITIALIZED);
    return true;
}

bool CZNPropertyGrid::Uninitialize()
{
    ClearFlag(PGF_INITIALIZED);
    m_NameFont.DeleteObject();
    m_BoldFont.DeleteObject();
    m_Columns.clear();
    DestroyRootCategory();
    CloseThemes();
    return true;
}

void CZNPropertyGrid::DestroyRootCategory()
{
    CZNPropertyGridCategory* pRoot = m_pRootCategory;
    if (pRoot == nullptr)
        return;
    // Rows of properties that sit directly in the root have no category row to collapse; the
    // whole list goes at once, and with the root already detached the teardown of the tree
    // finds no rows left to delete.
    m_pRootCategory = nullptr;
    m_pActiveProperty = nullptr;
    if (m_pCaptureProperty != nullptr)
        ReleaseCaptureProperty();
    if (::IsWindow(m_hWnd))
        ResetContent();
    DestroyCategory(pRoot);
}

void CZNPropertyGrid::OnDestroy()
{
    Uninitialize();
    // With no other message under way (the window closes with its dialog, not from inside a
    // notification) the tree goes now, as the window will see no message loop again.
    if (m_nBusyDepth == 1)
        DestroyDeferred();
    CListBox::OnDestroy();
}

void CZNPropertyGrid::SetExtendedPropertyGridStyle(DWORD dwExtStyle)
{
    m_dwExtStyle = dwExtStyle;
    InvalidateGrid(TRUE);
}

//---------------------------------------------------------------------------------------------
// Tree building

CZNPropertyGridCategory* CZNPropertyGrid::AddCategory(CZNPropertyGridCategory* pParent,
                                                      const wchar_t* pszName,
                                                      const wchar_t* pszHelp)
{
    if (pParent == nullptr) {
        if (m_pRootCategory != nullptr)
            return nullptr;
        m_pRootCategory =
            new (std::nothrow) CZNPropertyGridCategory(nullptr, pszName, pszHelp, this);
        // The root too holds a text per value column, so that its own properties get their
        // value slots and the root answers for every column the grid removes.
        if (m_pRootCategory != nullptr)
            AddColumnTexts(m_pRootCategory);
        return m_pRootCategory;
    }
    if (m_pRootCategory == nullptr)
        return nullptr;

    CZNPropertyGridCategory* pCategory = pParent->AddCategory(pszName, pszHelp);
    if (pCategory == nullptr)
        return nullptr;
    AddColumnTexts(pCategory);

    int nRow = RowOfNewChild(pParent, pCategory);
    if (nRow >= 0) {
        DeferRedraw();
        InsertRow(nRow, ITEM_CATEGORY, pCategory);
    }
    return pCategory;
}

void CZNPropertyGrid::AddColumnTexts(CZNPropertyGridCategory* pCategory)
{
    for (size_t i = 1; i < m_Columns.size(); ++i)
        pCategory->AddColumn(m_Columns[i].m_strTitle);
}

bool CZNPropertyGrid::RemoveCategory(CZNPropertyGridCategory* pParent,
                                     CZNPropertyGridCategory* pCategory)
{
    if (pCategory == nullptr)
        return false;
    DeactivateProperty();

    if (pParent == nullptr) {
        if (pCategory != m_pRootCategory)
            return false;
        DestroyRootCategory();
        return true;
    }
    // Checked before any row goes, so that a wrong parent leaves rows and tree in step.
    if (!HasSubCategory(pParent, pCategory))
        return false;
    // A property that tracks the mouse may be one of those about to go.
    if (m_pCaptureProperty != nullptr)
        ReleaseCaptureProperty();
    // A host removes one call at a time, as it adds: the rows that go join one batch. The
    // category's own row stays where it is while its content goes.
    int nRow = ComputeListIndex(pCategory);
    if (nRow >= 0)
        DeferRedraw();
    if (pCategory->IsExpanded())
        ToggleExpand(pCategory);
    if (nRow >= 0)
        DeleteRow(nRow);
    return pParent->RemoveCategory(pCategory);
}

IZNPropertyGridProperty* CZNPropertyGrid::AddProperty(CZNPropertyGridCategory* pCategory,
                                                      const wchar_t* pszName,
                                                      const wchar_t* pszHelp, unsigned nID,
                                                      eZNPropertyGridType eType,
                                                      const wchar_t* pszOptions)
{
    if (pCategory == nullptr)
        return nullptr;
    IZNPropertyGridProperty* pProperty =
        pCategory->AddProperty(pszName, pszHelp, nID, eType, pszOptions);
    if (pProperty == nullptr)
        return nullptr;

    if (m_pRootCategory != nullptr) {
        int nRow = RowOfNewChild(pCategory, pProperty);
        // A property without a row joins the batch too, so that the relayout below waits for
        // the batch's one repaint.
        DeferRedraw();
        if (nRow >= 0 && InsertRow(nRow, ITEM_PROPERTY, pProperty))
            NoteAppendedRow(pCategory, nRow);
    }
    UpdateRelativePosition();
    return pProperty;
}

bool CZNPropertyGrid::RemoveProperty(CZNPropertyGridCategory* pCategory,
                                     IZNPropertyGridProperty* pProperty)
{
    if (pCategory == nullptr)
        return false;
    DeactivateProperty();
    if (!HasProperty(pCategory, pProperty))
        return false;
    if (pProperty == m_pCaptureProperty)
        ReleaseCaptureProperty();
    if (m_pRootCategory != nullptr) {
        int nRow = RowOfProperty(pCategory, pProperty);
        // Joins a batch, as the removal of a category does.
        if (nRow >= 0) {
            DeferRedraw();
            DeleteRow(nRow);
        }
    }
    return pCategory->RemoveProperty(pProperty);
}

//---------------------------------------------------------------------------------------------
// Value cells: the category hands each call to its property

bool CZNPropertyGrid::SetPropertyValue(CZNPropertyGridCategory* pCategory,
                                       IZNPropertyGridProperty* pProperty, int col, void* pValue)
{
    return pCategory != nullptr && pProperty != nullptr && pProperty->SetValue(col, pValue);
}

bool CZNPropertyGrid::GetPropertyValue(CZNPropertyGridCategory* pCategory,
                                       IZNPropertyGridProperty* pProperty, int col, void** ppValue)
{
    return pCategory != nullptr && pProperty != nullptr && pProperty->GetValue(col, ppValue);
}

bool CZNPropertyGrid::GetPropertyValueAsString(CZNPropertyGridCategory* pCategory,
                                               IZNPropertyGridProperty* pProperty, int col,
                                               CString& strText)
{
    return pCategory != nullptr && pProperty != nullptr &&
           pProperty->GetValueAsString(col, strText);
}

bool CZNPropertyGrid::SetPropertyUserData(CZNPropertyGridCategory* pCategory,
                                          IZNPropertyGridProperty* pProperty, int col, void* pData)
{
    return pCategory != nullptr && pProperty != nullptr && pProperty->SetUserData(col, pData);
}

void* CZNPropertyGrid::GetPropertyUserData(CZNPropertyGridCategory* pCategory,
                                           IZNPropertyGridProperty* pProperty, int col)
{
    if (pCategory == nullptr || pProperty == nullptr)
        return nullptr;
    return pProperty->GetUserData(col);
}

bool CZNPropertyGrid::GetPropertyType(CZNPropertyGridCategory* pCategory,
                                      IZNPropertyGridProperty* pProperty,
                                      eZNPropertyGridType& eType)
{
    if (pCategory == nullptr || pProperty == nullptr)
        return false;
    eType = pProperty->GetType();
    return true;
}

bool CZNPropertyGrid::SetPropertyCheckBoxState(CZNPropertyGridCategory* pCategory,
                                               IZNPropertyGridProperty* pProperty, int col,
                                               unsigned nState)
{
    return pCategory != nullptr && pProperty != nullptr && pProperty->SetCheckBoxState(col, nState);
}

bool CZNPropertyGrid::GetPropertyCheckBoxState(CZNPropertyGridCategory* pCategory,
                                               IZNPropertyGridProperty* pProperty, int col,
                                               unsigned& nState)
{
    return pCategory != nullptr && pProperty != nullptr && pProperty->GetCheckBoxState(col, nState);
}

bool CZNPropertyGrid::SetPropertyCheckBoxTooltip(CZNPropertyGridCategory* pCategory,
                                                 IZNPropertyGridProperty* pProperty, int col,
                                                 const wchar_t* pszText)
{
    return pCategory != nullptr && pProperty != nullptr &&
           pProperty->SetCheckBoxTooltip(col, pszText);
}

bool CZNPropertyGrid::IsPropertyCheckBoxChecked(CZNPropertyGridCategory* pCategory,
                                                IZNPropertyGridProperty* pProperty, int col)
{
    return pCategory != nullptr && pProperty != nullptr && pProperty->IsCheckBoxChecked(col);
}

void CZNPropertyGrid::EnableProperty(CZNPropertyGridCategory* pCategory,
                                     IZNPropertyGridProperty* pProperty, int col, bool bEnable)
{
    if (pCategory == nullptr || pProperty == nullptr)
        return;
    if (bEnable)
        pProperty->SetFlag(col, PGP_ENABLED);
    else
        pProperty->ClearFlag(col, PGP_ENABLED);
}

//---------------------------------------------------------------------------------------------
// Lookups

IZNPropertyGridProperty* CZNPropertyGrid::GetPropertyFromID(CZNPropertyGridCategory* pCategory,
                                                            unsigned nID)
{
    return pCategory != nullptr ? pCategory->GetPropertyFromID(nID) : nullptr;
}

IZNPropertyGridProperty* CZNPropertyGrid::GetPropertyFromIndex(CZNPropertyGridCategory* pCategory,
                                                               unsigned nIndex)
{
    return pCategory != nullptr ? pCategory->GetPropertyFromIndex(nIndex) : nullptr;
}

unsigned CZNPropertyGrid::GetPropertyCount(CZNPropertyGridCategory* pCategory)
{
    return pCategory != nullptr ? pCategory->GetPropertyCount() : 0;
}

bool CZNPropertyGrid::SetCategoryValue(CZNPropertyGridCategory* pCategory, int col,
                                       const wchar_t* pszText)
{
    if (pCategory == nullptr || !pCategory->SetColumnText(col, pszText))
        return false;
    InvalidateGrid(FALSE);
    return true;
}

bool CZNPropertyGrid::GetCategoryValue(CZNPropertyGridCategory* pCategory, int col,
                                       CString& strText)
{
    return pCategory != nullptr && pCategory->GetColumnText(col, strText);
}
