// Tarvex.PropertyGrid: the property-grid control for MFC applications.
//
// A host calls InitPropertyGridCtrl() once, then subclasses an owner-drawn, variable-height
// list box without strings (LBS_OWNERDRAWVARIABLE | LBS_NOTIFY) onto a CZNPropertyGrid, calls
// Initialize, adds its value columns, the root category, categories and properties, and points
// every value cell at its own storage with SetPropertyValue.
#pragma once

#include <afxwin.h>

#include "DibSurface.h"

#include <vector>

// Puts the module into the host's resource chain; call once before creating grids.
extern "C" AFX_EXT_API void InitPropertyGridCtrl();

class CZNPropertyGridCategory;
class IZNPropertyGridProperty;
class CZNPropertyGridHtmlCtrl;
struct CZNPropertyGridItem;

enum eZNPropertyGridType
{
    PGT_TEXT = 0,
    PGT_INTEGER = 1,
    PGT_FLOAT = 2,
    PGT_FILE = 3,
    PGT_ENUM = 4,
    PGT_VECTOR3 = 5,
    PGT_VECTOR4 = 6,
    PGT_COLORVECTOR4 = 7,
    PGT_MEMO = 8,
};

// What a category or property asks of the grid after a mouse event.
enum eReturnEvent
{
    RE_NONE = 0,
    RE_TOGGLE = 1,     // toggle the row's category
    RE_HANDLED = 2,    // the property consumed the event
    RE_DEACTIVATE = 3, // from the wheel: close the editor, then scroll
};

// Messages of the grid. The host receives PGM_PROPERTYCHANGE and PGM_PROPERTYCHECK in its
// message window with wParam = MAKELONG(value index, property ID) and lParam = the cell's user
// data; PGM_PROPERTYEXECUTE goes to the grid's parent.
#define PGM_REQUESTREPAINT 0x464
#define PGM_NAVIGATETOBLANK 0x465
#define PGM_PROPERTYDEACTIVATE 0x4C8
#define PGM_PROPERTYCHANGE 0x590
#define PGM_PROPERTYCHECK 0x591
#define PGM_PROPERTYEXECUTE 0x592

// Check-box states of a value cell (SetPropertyCheckBoxState, GetPropertyCheckBoxState), in the
// top four bits; the other bits of a state passed in are ignored. The mouse moves a box through
// hot and pressed looks of its own between these.
#define PGCB_NONE 0x00000000u // no check box in the cell
#define PGCB_UNCHECKED 0x10000000u
#define PGCB_UNCHECKEDDISABLED 0x40000000u // shown unchecked; the user cannot change it
#define PGCB_CHECKED 0x50000000u
#define PGCB_CHECKEDDISABLED 0x80000000u
#define PGCB_MIXED 0x90000000u // neither: IsPropertyCheckBoxChecked answers false
#define PGCB_MIXEDDISABLED 0xC0000000u
#define PGCB_MASK 0xF0000000u

// State flags (SetFlag, ClearFlag, ToggleFlag, TestFlag).
#define PGF_INITIALIZED 0x1
#define PGF_COLUMNDRAG 0x2

// Extended styles (Initialize, SetExtendedPropertyGridStyle).
#define PGS_PROPORTIONALCOLUMNS 0x1 // value columns keep their share of the width
#define PGS_FITCOLUMNS 0x2          // columns always fit the client width
#define PGS_HIGHLIGHTCELL 0x8       // the current cell of the selected row is highlighted

// One column: 0 is the name column, 1..N the value columns.
struct PropertyGridColumn
{
    CString m_strTitle;
    int m_nWidth;
    int m_nPreferredWidth;
    double m_dRatio;
};

class AFX_EXT_CLASS CZNPropertyGrid : public CListBox
{
    DECLARE_DYNAMIC(CZNPropertyGrid)
public:
    CZNPropertyGrid();
    ~CZNPropertyGrid() override;

    // Lifecycle
    bool Initialize(DWORD dwExtStyle);
    bool Uninitialize();

    // State and style
    void SetFlag(DWORD dwMask) { m_dwFlags |= dwMask; }
    void ClearFlag(DWORD dwMask) { m_dwFlags &= ~dwMask; }
    void ToggleFlag(DWORD dwMask) { m_dwFlags ^= dwMask; }
    DWORD TestFlag(DWORD dwMask) const { return m_dwFlags & dwMask; }
    DWORD GetExtendedPropertyGridStyle() const { return m_dwExtStyle; }
    void SetExtendedPropertyGridStyle(DWORD dwExtStyle);
    void SetMinimumWidth(int nWidth) { m_nMinimumWidth = nWidth < 0 ? 0 : nWidth; }
    int GetMinimumWidth() const { return m_nMinimumWidth; }
    void SetBasePath(const wchar_t* pszBasePath) { m_strBasePath = pszBasePath; }
    const wchar_t* GetBasePath() const { return m_strBasePath; }
    void SetMessageWindow(CWnd* pWnd) { m_pMessageWindow = pWnd; }
    CWnd* GetMessageWindow() const { return m_pMessageWindow; }

    // Tree building
    CZNPropertyGridCategory* AddCategory(CZNPropertyGridCategory* pParent, const wchar_t* pszName,
                                         const wchar_t* pszHelp);
    bool RemoveCategory(CZNPropertyGridCategory* pParent, CZNPropertyGridCategory* pCategory);
    IZNPropertyGridProperty* AddProperty(CZNPropertyGridCategory* pCategory, const wchar_t* pszName,
                                         const wchar_t* pszHelp, unsigned nID,
                                         eZNPropertyGridType eType, const wchar_t* pszOptions);
    bool RemoveProperty(CZNPropertyGridCategory* pCategory, IZNPropertyGridProperty* pProperty);

    // Value cells; col is the value index (0 = the first value column)
    bool SetPropertyValue(CZNPropertyGridCategory* pCategory, IZNPropertyGridProperty* pProperty,
                          int col, void* pValue);
    bool GetPropertyValue(CZNPropertyGridCategory* pCategory, IZNPropertyGridProperty* pProperty,
                          int col, void** ppValue);
    bool GetPropertyValueAsString(CZNPropertyGridCategory* pCategory,
                                  IZNPropertyGridProperty* pProperty, int col, CString& strText);
    bool SetPropertyUserData(CZNPropertyGridCategory* pCategory, IZNPropertyGridProperty* pProperty,
                             int col, void* pData);
    void* GetPropertyUserData(CZNPropertyGridCategory* pCategory,
                              IZNPropertyGridProperty* pProperty, int col);
    bool GetPropertyType(CZNPropertyGridCategory* pCategory, IZNPropertyGridProperty* pProperty,
                         eZNPropertyGridType& eType);
    bool SetPropertyCheckBoxState(CZNPropertyGridCategory* pCategory,
                                  IZNPropertyGridProperty* pProperty, int col, unsigned nState);
    bool GetPropertyCheckBoxState(CZNPropertyGridCategory* pCategory,
                                  IZNPropertyGridProperty* pProperty, int col, unsigned& nState);
    bool SetPropertyCheckBoxTooltip(CZNPropertyGridCategory* pCategory,
                                    IZNPropertyGridProperty* pProperty, int col,
                                    const wchar_t* pszText);
    bool IsPropertyCheckBoxChecked(CZNPropertyGridCategory* pCategory,
                                   IZNPropertyGridProperty* pProperty, int col);
    void EnableProperty(CZNPropertyGridCategory* pCategory, IZNPropertyGridProperty* pProperty,
                        int col, bool bEnable);

    // Lookups (the category's own properties only)
    IZNPropertyGridProperty* GetPropertyFromID(CZNPropertyGridCategory* pCategory, unsigned nID);
    IZNPropertyGridProperty* GetPropertyFromIndex(CZNPropertyGridCategory* pCategory,
                                                  unsigned nIndex);
    unsigned GetPropertyCount(CZNPropertyGridCategory* pCategory);
    // The category's text in a value column (the column's title until set).
    bool SetCategoryValue(CZNPropertyGridCategory* pCategory, int col, const wchar_t* pszText);
    bool GetCategoryValue(CZNPropertyGridCategory* pCategory, int col, CString& strText);

    // Rows
    int ComputeListIndex(CZNPropertyGridCategory* pCategory, void* pTarget, int& nCounter);
    int ComputeListIndex(CZNPropertyGridCategory* pCategory);
    int ComputeListIndex(IZNPropertyGridProperty* pProperty);
    bool ToggleExpand(CZNPropertyGridCategory* pCategory);

    // Columns. Both take and give grid column indexes (1 = the first value column).
    int AddColumn(int nWidth, const wchar_t* pszTitle);
    bool RemoveColumn(int nIndex);
    void SetHorizontalExtent();

    // Editing
    void DeactivateProperty();

    // The Edit commands for hosts whose command routing does not reach the grid's OnCmdMsg:
    // ID_EDIT_CUT, ID_EDIT_COPY and ID_EDIT_PASTE go to the open editor, other ids are ignored.
    void ForwardCommandMessage(UINT nID);
    void ForwardUpdateMessage(CCmdUI* pCmdUI);

    // Help pane: the view shows the selected row's name and help; null detaches it. The grid
    // never destroys the view.
    void AttachHTMLHelp(CZNPropertyGridHtmlCtrl* pView);

    // Used by categories and properties
    bool ColumnRect(int nRow, int nColumn, RECT* pRect) const;
    int ColumnFromPoint(CPoint point) const;
    bool SetCaptureProperty(IZNPropertyGridProperty* pProperty);
    bool ReleaseCaptureProperty();
    // Destroy a removed category or property: at once, or, while a message of the grid or of
    // one of its editors is under way, once the last of them has returned.
    void DestroyCategory(CZNPropertyGridCategory* pCategory);
    void DestroyProperty(IZNPropertyGridProperty* pProperty);
    // A property being destroyed is no longer the active or the capture property.
    void ForgetProperty(IZNPropertyGridProperty* pProperty);

    // Every cell is a tool of its own, (column count x row + column) x 2; a check box is the
    // tool after its cell's. -1 outside the cells.
    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override;
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;
    void DeleteItem(LPDELETEITEMSTRUCT lpDeleteItemStruct) override;

    afx_msg LRESULT OnPropertyChange(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnPropertyCheck(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnPropertyDeactivate(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnRequestRepaint(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnNavigateToBlank(WPARAM wParam, LPARAM lParam);

protected:
    void PopulateList(CZNPropertyGridCategory* pCategory, int& nIndex);
    void HandleReturnEvent(eReturnEvent eEvent, CZNPropertyGridItem* pItem);
    bool GetNextEnabledCell(int nRow, int nColumn, int& nOutRow, int& nOutColumn);
    bool GetPrevEnabledCell(int nRow, int nColumn, int& nOutRow, int& nOutColumn);
    void NormalizeColumns();
    bool UpdateSiblingColumns(int nColumn);
    bool FlushLastColumn(int* pWidth);
    void UpdateColumnPosition();
    bool UpdateRelativePosition();
    bool LoadHTMLTemplate(UINT nID, CString& strText);
    void ReplaceUserValues(CString& strText);
    void SetHelp(IZNPropertyGridProperty* pProperty);
    void SetHelp(CZNPropertyGridCategory* pCategory);

    afx_msg void OnNcPaint();
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnLbnSelchange();
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint point);
    afx_msg void OnDestroy();
    afx_msg void OnCut();
    afx_msg void OnUpdateCut(CCmdUI* pCmdUI);
    afx_msg void OnCopy();
    afx_msg void OnUpdateCopy(CCmdUI* pCmdUI);
    afx_msg void OnPaste();
    afx_msg void OnUpdatePaste(CCmdUI* pCmdUI);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg UINT OnGetDlgCode();

    DECLARE_MESSAGE_MAP()

    DWORD m_dwFlags;                            // PGF_ state bits
    DWORD m_dwExtStyle;                         // PGS_ extended style bits
    CZNPropertyGridCategory* m_pRootCategory;   // the invisible root of the tree; owned
    std::vector<PropertyGridColumn> m_Columns;  // 0 the name column, then the value columns
    CFont m_NameFont;                           // property rows: the system's status font
    CFont m_BoldFont;                           // category rows: the same, bold
    int m_nTextInset;                           // pixels before a cell's text
    int m_nGutterWidth;                         // pixels of the strip left of column 0
    RECT m_rcWindow;                            // window rectangle at (0, 0), for the frame
    POINT m_ptOrigin;                           // horizontal scroll: the row DCs' window origin
    CDibSurface m_Surface;                      // back buffer the rows are painted into
    int m_nDragColumn;                          // column whose right border is under the mouse; -1
    int m_nDragLeft;                            // left edge of that column, in content pixels
    int m_nMinimumWidth;                        // the narrowest a column may get
    int m_nSavedLastWidth;                      // proportional last column: its width before a drag
    IZNPropertyGridProperty* m_pActiveProperty; // property whose editor is open, or null
    int m_nCurrentColumn;                       // grid column of the current cell
    IZNPropertyGridProperty* m_pCaptureProperty; // property tracking the mouse, or null
    CZNPropertyGridHtmlCtrl* m_pHtmlHelp;        // the host's help view; not owned
    CString m_strHtmlTemplate;                   // page the help view shows, from the resources
    CString m_strBasePath;                       // file values below it show relative to it
    CWnd* m_pMessageWindow;                      // receives the notifications; null: the parent
    HANDLE m_hGlyphTheme = nullptr;    // visual-styles data of the expand glyphs, open from the
                                       // first painted until the styles change; null meanwhile
    HANDLE m_hCheckBoxTheme = nullptr; // likewise for the check boxes
    bool m_bInPaint = false;           // the list box paints its rows for OnPaint

private:
    friend class CZNPropertyGridBusyScope;

    // Posted to the grid itself to switch the list box's redraw back on once the host's
    // message loop runs again after a series of AddCategory/AddProperty calls.
    static constexpr UINT PGM_RESUMEREDRAW = WM_APP + 0x0464;
    // Posted to the grid itself when the last message under way returned with objects left
    // to destroy: they are destroyed when the host's message loop runs again.
    static constexpr UINT PGM_DESTROYDEFERRED = WM_APP + 0x0465;

    // Deferred destruction: the host may remove anything from inside a notification, while
    // the editor, the property or the row that sent it still has code to run.
    bool HasDeferred() const;
    void DestroyDeferred();
    void LeaveBusy();

    // Rows
    // False when the list box did not take the row.
    bool InsertRow(int nIndex, int eKind, void* pObject);
    void DeleteRow(int nIndex);
    // The row an object just appended to pOwner's own content takes; -1 without one.
    int RowOfNewChild(CZNPropertyGridCategory* pOwner, void* pChild);
    // The row after the property just appended to pCategory at nRow, kept for the next one.
    void NoteAppendedRow(CZNPropertyGridCategory* pCategory, int nRow);
    // The row of a property of pCategory; -1 without one.
    int RowOfProperty(CZNPropertyGridCategory* pCategory, IZNPropertyGridProperty* pProperty);
    CZNPropertyGridItem* GetRowItem(int nRow) const;
    // What a row record shows; null for a missing record or one of the other kind.
    static CZNPropertyGridCategory* CategoryOf(const CZNPropertyGridItem* pItem);
    static IZNPropertyGridProperty* PropertyOf(const CZNPropertyGridItem* pItem);
    int RowFromPoint(CPoint point) const;
    void DestroyRootCategory();
    void AddColumnTexts(CZNPropertyGridCategory* pCategory);

    // The scroll bars as shown: which of them and their ranges, pages and positions.
    struct ScrollBarsState
    {
        DWORD dwStyle;         // WS_VSCROLL and WS_HSCROLL as set
        SCROLLINFO vertical;   // range, page and position
        SCROLLINFO horizontal; // likewise
        bool operator==(const ScrollBarsState& other) const;
    };

    // Batches of row changes: the redraw off until the batch ends, and the list box's top row
    // moved next to the rows a batch changes far from it (ZNPropertyGridBatch.cpp).
    bool SuspendRedraw();
    void ResumeRedraw();
    void DeferRedraw();
    void InvalidateGrid(BOOL bErase);
    afx_msg LRESULT OnResumeRedraw(WPARAM wParam, LPARAM lParam);
    // Every message: the deferred destruction's count (ZNPropertyGridLifetime.cpp), and what
    // the grid knows of its list box.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void NoteListBoxMessage(UINT message);
    LRESULT SendToListBox(UINT message, WPARAM wParam, LPARAM lParam);
    int ListBoxFact(int& nFact, UINT message);
    int RowCount();
    int TopRow();
    CSize ClientSize();
    int ViewHeight();
    int HorizontalExtent();
    int ScrollBarWidth();
    void PrepareRowChange(int nRow);
    void MoveTopRowNear(int nRow, bool bDescending);
    void RestoreTopRow();
    void SetTopRow(int nTop);
    void ShowDrawing();
    ScrollBarsState ScrollBars() const;
    int RowFillingView(int nRow, int nStep);

    // Columns
    int AvailableWidth();
    int ColumnLeft(int nColumn) const;
    int TotalColumnWidth() const;
    void BeginColumnDrag();
    void EndColumnDrag();

    // Painting
    bool RecreateSurface(int nWidth, int nHeight);
    void CloseThemes();
    afx_msg LRESULT OnThemeChanged(WPARAM wParam, LPARAM lParam);

    // Mouse events that the capture property or the property under the mouse answers
    using PropertyMouseHandler = eReturnEvent (IZNPropertyGridProperty::*)(UINT nFlags,
                                                                           CPoint point);
    bool RouteToCaptureProperty(PropertyMouseHandler pHandler, UINT nFlags, CPoint point);
    void RouteToRow(PropertyMouseHandler pHandler, UINT nFlags, CPoint point);

    // Cells and keys
    void ActivateCell(int nRow, int nColumn, IZNPropertyGridProperty* pProperty);
    void SelectCell(int nRow, int nColumn);
    bool IsPropertyCellWithoutValue(int nRow, int nColumn) const;
    void MoveToNextCell(int nRow);
    void MoveToPrevCell(int nRow);
    void ToggleCheckBoxOfCurrentCell(IZNPropertyGridProperty* pProperty);

    // Notifications and tool tips
    HWND HostWindow() const;
    CString CellToolTip(int nRow, int nColumn, CPoint point, UINT& nToolId) const;

    // Help pane
    void ShowHelpPage(const wchar_t* pszName, const wchar_t* pszHelp);

    // What the grid last learned of its list box, so that a batch need not ask for every row;
    // -1 for what it does not know. Whatever reaches the list box besides the grid's own row
    // changes and plain reads makes the grid forget it.
    struct ListBoxFacts
    {
        int nRows = -1;             // rows in the list
        int nTopRow = -1;           // its top row
        CSize size{-1, -1};         // the client area's size
        int nHorizontalExtent = -1; // its horizontal extent
        int nScrollBarWidth = -1;   // the system's width of a vertical scroll bar
    };

    // A batch's move of the list box's top row away from where the row-by-row steps leave it.
    struct TopRowMove
    {
        int nRestore = -1;           // that top row while another shows; -1 while it shows
        int nShown = 0;              // the top row the list box shows meanwhile
        int nFirstHidden = 0;        // rows from here on are out of view below nShown
        int nLastChanged = -1;       // the row changed last: the batch's direction
        bool bDrawingHidden = false; // WS_VISIBLE is off for the move
        bool Serves(int nRow) const; // whether a change to nRow is out of view and near
    };

    bool m_bRedrawSuspended; // the list box's redraw is off for a batch of rows
    bool m_bResumePosted;    // PGM_RESUMEREDRAW waits in the queue
    bool m_bOneCallBatch;    // the batch ends before the call that began it returns
    bool m_bInRowChange;     // the grid's own row change or read is with the list box
    ListBoxFacts m_Facts;    // what the grid knows of its list box without asking
    TopRowMove m_TopRowMove; // the top row's move for the batch
    unsigned m_nRowChanges;  // rows inserted or deleted so far, by anyone
    // Where the next property appended to a category goes while no row has come or gone since
    // the last one: a host that adds its categories first and fills them afterwards would
    // otherwise walk the rows before them for every property.
    struct AppendPlace
    {
        const CZNPropertyGridCategory* pCategory = nullptr;
        int nRow = -1;
        unsigned nRowChanges = 0; // m_nRowChanges when it was noted
    };
    AppendPlace m_NextAppend;
    int m_nBusyDepth;      // messages of the grid and its editors under way
    bool m_bDestroyPosted; // PGM_DESTROYDEFERRED waits in the queue
    std::vector<IZNPropertyGridProperty*> m_DeferredProperties; // removed, destroyed first
    std::vector<CZNPropertyGridCategory*> m_DeferredCategories; // removed with their sub-trees
    std::vector<CZNPropertyGridItem*> m_DeferredRows;           // records of deleted rows
};
