// Colours and visual-styles drawing shared by the grid, its categories and its properties.
#pragma once

#include <afxwin.h>

// Raises each of red, green and blue by amount/255 of the way to 255.
COLORREF LightenColor(int nAmount, COLORREF crColor);
// Lowers each of red, green and blue by amount/255 of the way to 0.
COLORREF DarkenColor(int nAmount, COLORREF crColor);

// Whether visual styles are active now; asked anew for every glyph and check box painted, so a
// change of styles shows at the next repaint.
bool IsAppThemedNow();

// Draws a part of a visual-styles class for hWnd, loading the visual-styles library for just
// this call. False when styles are off or the library, a function or the class is missing.
bool DrawThemedPart(HWND hWnd, HDC hDC, const wchar_t* pszClass, int nPart, int nState,
                    const RECT& rc);
