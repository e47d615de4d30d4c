// Colours and visual-styles drawing shared by the grid, its categories and its properties.
#pragma once

#include <afxwin.h>

// Raises each of red, green and blue by amount/255 of the way to 255.
COLORREF LightenColor(int nAmount, COLORREF crColor);
// Lowers each of red, green and blue by amount/255 of the way to 0.
COLORREF DarkenColor(int nAmount, COLORREF crColor);
// The gutter and the grid lines: a light shade of the highlight colour, from which category
// rows and pressed buttons take their own shades.
COLORREF GridLineColor();

// Draws a part of a visual-styles class for hWnd. False when visual styles are off now (asked
// anew at every call, so a change shows at the next repaint) or the library, a function or the
// class is missing.
bool DrawThemedPart(HWND hWnd, HDC hDC, const wchar_t* pszClass, int nPart, int nState,
                    const RECT& rc);
