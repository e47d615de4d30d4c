// A node of the grid's tree: sub-categories, properties and one text per value column.
#pragma once

#include <ZNPropertyGrid.h>

struct PropertyGridDrawContext;

class CZNPropertyGridCategory
{
public:
    CZNPropertyGridCategory(CZNPropertyGridCategory* pParent, const wchar_t* pszName,
                            const wchar_t* pszHelp, CZNPropertyGrid* pGrid);
    ~CZNPropertyGridCategory();
    CZNPropertyGridCategory(const CZNPropertyGridCategory&) = delete;
    CZNPropertyGridCategory& operator=(const CZNPropertyGridCategory&) = delete;

    // Tree building
    CZNPropertyGridCategory* AddCategory(const wchar_t* pszName, const wchar_t* pszHelp);
    bool RemoveCategory(CZNPropertyGridCategory* pCategory);
    // Makes the property and gives it a value column per column text; null for a type value
    // the factory has no class for.
    IZNPropertyGridProperty* AddProperty(const wchar_t* pszName, const wchar_t* pszHelp,
                                         unsigned nID, eZNPropertyGridType eType,
                                         const wchar_t* pszOptions);
    bool RemoveProperty(IZNPropertyGridProperty* pProperty);

    // Lookups among the category's own properties
    IZNPropertyGridProperty* GetPropertyFromID(unsigned nID) const;
    IZNPropertyGridProperty* GetPropertyFromIndex(unsigned nIndex) const;
    unsigned GetPropertyCount() const { return unsigned(m_Properties.size()); }

    // Value columns, recursively through the sub-tree
    int AddColumn(const wchar_t* pszText);
    bool RemoveColumn(int nIndex);
    bool SetColumnText(int nIndex, const wchar_t* pszText);
    bool GetColumnText(int nIndex, CString& strText) const;

    // Painting and input
    void DrawItem(PropertyGridDrawContext* pContext);
    eReturnEvent OnLButtonDown(UINT nFlags, CPoint point);
    eReturnEvent OnLButtonDblClk(UINT nFlags, CPoint point);
    bool GetToolTip(int nColumn, CString& strText) const;

    bool IsExpanded() const { return (m_dwFlags & 1) != 0; }
    // Ancestors, the root included: 1 for a category directly under the root.
    int GetDepth() const;

    DWORD m_dwFlags;                                    // bit 0: expanded
    CString m_strName;                                  // shown in the name column
    CString m_strHelp;                                  // for the help pane, breaks as <BR>
    CZNPropertyGrid* m_pGrid;                           // the grid the tree belongs to
    CZNPropertyGridCategory* m_pParent;                 // null for the root
    std::vector<CZNPropertyGridCategory*> m_Categories; // sub-categories; owned
    std::vector<IZNPropertyGridProperty*> m_Properties; // owned
    std::vector<CString> m_ColumnTexts;                 // per value column: the row's text
    RECT m_rcGlyph; // the expand glyph's box as last painted, in client coordinates

private:
    void DrawGlyph(HANDLE& hTheme, HWND hWnd, HDC hDC, const RECT& rcArea);
};
