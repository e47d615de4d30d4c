// What the grid hands a category or property to paint one row.
#pragma once

#include <ZNPropertyGrid.h>

struct PropertyGridDrawContext
{
    DRAWITEMSTRUCT* pDIS;                      // the row: rcItem, itemState, hwndItem, hDC
    DWORD dwStyle;                             // the grid's extended style
    CFont* pNameFont;                          // property rows; may be null
    CFont* pCategoryFont;                      // category rows
    std::vector<PropertyGridColumn>* pColumns; // widths of the grid's columns
    CDibSurface* pBuffer;                      // the grid's back buffer
    HDC hDC;                                   // where to paint
    CString* pBasePath;                        // base of relative paths
    int nSelectedColumn;                       // grid column of the current cell
    int nTextInset;                            // pixels before a cell's text
    int nGutterWidth;                          // pixels of the gutter left of column 0
    HANDLE* phGlyphTheme;                      // the grid's visual-styles data of the glyphs
    HANDLE* phCheckBoxTheme;                   // and of the check boxes

    // Grid column c of the row: false when c is not a column.
    bool GetCellRect(int c, RECT* pRect) const;
    // The cell with its right edge limited to the list box's client area (in DC coordinates).
    bool GetVisibleCellRect(int c, RECT* pRect) const;
    // The cell intersected with the list box's client area (in DC coordinates).
    bool GetClippedCellRect(int c, RECT* pRect) const;
};
