// Colours, the status font, the flat frame and visual-styles drawing shared by the grid, its
// categories, its properties and their lists.
#pragma once

#include <afxwin.h>

// Raises each of red, green and blue by amount/255 of the way to 255.
COLORREF LightenColor(int nAmount, COLORREF crColor);
// Lowers each of red, green and blue by amount/255 of the way to 0.
COLORREF DarkenColor(int nAmount, COLORREF crColor);
// The gutter and the grid lines: a light shade of the highlight colour, from which category
// rows and pressed buttons take their own shades.
COLORREF GridLineColor();

// The system's status-bar font, in which the grid and its lists write.
LOGFONTW GetStatusFont();

// Trades a window's 3-D edge for the flat one-pixel border that the window paints itself with
// DrawHighlightFrame.
void FlattenEdge(CWnd& wnd);
// Outlines a window rectangle (window DC coordinates) with one pixel of the highlight colour.
void DrawHighlightFrame(CDC& dc, const RECT& rcWindow);

// Draws a part of a visual-styles class for hWnd with the class's data in hData, which it opens
// when null and leaves open for the next part of the class; CloseThemedPart closes it when the
// styles change or the window goes. False when visual styles are off now (asked anew at every
// call, so a change shows at the next repaint; the data is closed then) or the library, a
// function or the class is missing.
bool DrawThemedPart(HANDLE& hData, HWND hWnd, HDC hDC, const wchar_t* pszClass, int nPart,
                    int nState, const RECT& rc);
// Closes what DrawThemedPart opened into hData, if anything, and sets it null.
void CloseThemedPart(HANDLE& hData);
