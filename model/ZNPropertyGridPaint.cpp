// Colour arithmetic, the status font, the flat frame, and visual-styles drawing for rows, glyphs
// and check boxes.
#include "ZNPropertyGridPaint.h"

namespace {

// The visual-styles functions used here, declared by hand: the library is only ever reached at
// run time, so the module runs (and draws classically) where it is missing.
using IsAppThemedFunc = BOOL(WINAPI*)();
using OpenThemeDataFunc = HANDLE(WINAPI*)(HWND, LPCWSTR);
using CloseThemeDataFunc = HRESULT(WINAPI*)(HANDLE);
using DrawThemeBackgroundFunc = HRESULT(WINAPI*)(HANDLE, HDC, int, int, const RECT*, const RECT*);

constexpr wchar_t kThemeLibrary[] = L"uxtheme.dll";
// The size Windows XP gave NONCLIENTMETRICS, which every later system still accepts.
constexpr UINT kNonClientMetricsSize = 500;
constexpr DWORD kEdgeStyles = WS_EX_WINDOWEDGE | WS_EX_CLIENTEDGE | WS_EX_STATICEDGE;

template <typename Func> Func LookUp(HMODULE hModule, const char* pszName)
{
    // Through a generic function pointer type, which converts to any other without complaint.
    return reinterpret_cast<Func>(reinterpret_cast<void (*)()>(::GetProcAddress(hModule, pszName)));
}

BYTE Lighten(BYTE b, int nAmount)
{
    return BYTE((b + ::MulDiv(255 - b, nAmount, 255)) & 0xFF);
}

BYTE Darken(BYTE b, int nAmount)
{
    return BYTE(::MulDiv(b, 255 - nAmount, 255));
}

} // namespace

COLORREF LightenColor(int nAmount, COLORREF crColor)
{
    return RGB(Lighten(GetRValue(crColor), nAmount), Lighten(GetGValue(crColor), nAmount),
               Lighten(GetBValue(crColor), nAmount));
}

COLORREF DarkenColor(int nAmount, COLORREF crColor)
{
    return RGB(Darken(GetRValue(crColor), nAmount), Darken(GetGValue(crColor), nAmount),
               Darken(GetBValue(crColor), nAmount));
}

LOGFONTW GetStatusFont()
{
    NONCLIENTMETRICSW metrics = {};
    metrics.cbSize = kNonClientMetricsSize;
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, kNonClientMetricsSize, &metrics, 0);
    return metrics.lfStatusFont;
}

void FlattenEdge(CWnd& wnd)
{
    if ((wnd.GetExStyle() & kEdgeStyles) != 0)
        wnd.ModifyStyle(0, WS_BORDER, SWP_FRAMECHANGED);
    wnd.ModifyStyleEx(kEdgeStyles, 0, SWP_FRAMECHANGED);
}

void DrawHighlightFrame(CDC& dc, const RECT& rcWindow)
{
    CPen pen(PS_SOLID, 1, ::GetSysColor(COLOR_HIGHLIGHT));
    CPen* pOldPen = dc.SelectObject(&pen);
    CGdiObject* pOldBrush = dc.SelectStockObject(NULL_BRUSH);
    dc.Rectangle(&rcWindow);
    dc.SelectObject(pOldBrush);
    dc.SelectObject(pOldPen);
}

bool IsAppThemedNow()
{
    HMODULE hTheme = ::LoadLibraryW(kThemeLibrary);
    if (hTheme == nullptr)
        return false;
    auto pIsAppThemed = LookUp<IsAppThemedFunc>(hTheme, "IsAppThemed");
    bool bThemed = pIsAppThemed != nullptr && pIsAppThemed() == 1;
    ::FreeLibrary(hTheme);
    return bThemed;
}

bool DrawThemedPart(HWND hWnd, HDC hDC, const wchar_t* pszClass, int nPart, int nState,
                    const RECT& rc)
{
    if (!IsAppThemedNow())
        return false;
    HMODULE hTheme = ::LoadLibraryW(kThemeLibrary);
    if (hTheme == nullptr)
        return false;
    auto pOpen = LookUp<OpenThemeDataFunc>(hTheme, "OpenThemeData");
    auto pClose = LookUp<CloseThemeDataFunc>(hTheme, "CloseThemeData");
    auto pDraw = LookUp<DrawThemeBackgroundFunc>(hTheme, "DrawThemeBackground");
    HANDLE hData = nullptr;
    if (pOpen != nullptr && pClose != nullptr && pDraw != nullptr)
        hData = pOpen(hWnd, pszClass);
    if (hData != nullptr) {
        pDraw(hData, hDC, nPart, nState, &rc, nullptr);
        pClose(hData);
    }
    ::FreeLibrary(hTheme);
    return hData != nullptr;
}
