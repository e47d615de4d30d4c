// Colour arithmetic, the status font, the flat frame, and visual-styles drawing for rows, glyphs
// and check boxes.
#include "model/ZNPropertyGridPaint.h"

namespace {

// The visual-styles functions used here, declared by hand: the library is only ever reached at
// run time, so the module runs (and draws classically) where it is missing.
using IsAppThemedFunc = BOOL(WINAPI*)();
using OpenThemeDataFunc = HANDLE(WINAPI*)(HWND, LPCWSTR);
using CloseThemeDataFunc = HRESULT(WINAPI*)(HANDLE);
using DrawThemeBackgroundFunc = HRESULT(WINAPI*)(HANDLE, HDC, int, int, const RECT*, const RECT*);

// The size Windows XP gave NONCLIENTMETRICS, which every later system still accepts.
constexpr UINT kNonClientMetricsSize = 500;
constexpr DWORD kEdgeStyles = WS_EX_WINDOWEDGE | WS_EX_CLIENTEDGE | WS_EX_STATICEDGE;

struct ThemeFunctions
{
    IsAppThemedFunc pIsAppThemed;                 // null where any of the four is missing
    OpenThemeDataFunc pOpenThemeData;             // as above
    CloseThemeDataFunc pCloseThemeData;           // as above
    DrawThemeBackgroundFunc pDrawThemeBackground; // as above
};

template <typename Func> Func LookUp(HMODULE hModule, const char* pszName)
{
    // Through a generic function pointer type, which converts to any other without complaint.
    return reinterpret_cast<Func>(reinterpret_cast<void (*)()>(::GetProcAddress(hModule, pszName)));
}

ThemeFunctions LoadThemeFunctions()
{
    ThemeFunctions functions = {};
    HMODULE hTheme = ::LoadLibraryW(L"uxtheme.dll");
    if (hTheme == nullptr)
        return functions;
    functions = {LookUp<IsAppThemedFunc>(hTheme, "IsAppThemed"),
                 LookUp<OpenThemeDataFunc>(hTheme, "OpenThemeData"),
                 LookUp<CloseThemeDataFunc>(hTheme, "CloseThemeData"),
                 LookUp<DrawThemeBackgroundFunc>(hTheme, "DrawThemeBackground")};
    if (functions.pIsAppThemed == nullptr || functions.pOpenThemeData == nullptr ||
        functions.pCloseThemeData == nullptr || functions.pDrawThemeBackground == nullptr) {
        ::FreeLibrary(hTheme);
        return {};
    }
    return functions;
}

// The library is loaded at the first glyph or check box and stays for the life of the process:
// every cell painted asks for it, and loading it each time cost two library loads per cell.
const ThemeFunctions& Theme()
{
    static const ThemeFunctions s_Functions = LoadThemeFunctions();
    return s_Functions;
}

// Asked anew for every part drawn, so that a change of visual styles shows at the next repaint.
bool IsAppThemedNow()
{
    return Theme().pIsAppThemed != nullptr && Theme().pIsAppThemed() == 1;
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

COLORREF GridLineColor()
{
    return LightenColor(150, ::GetSysColor(COLOR_HIGHLIGHT));
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

bool DrawThemedPart(HANDLE& hData, HWND hWnd, HDC hDC, const wchar_t* pszClass, int nPart,
                    int nState, const RECT& rc)
{
    if (!IsAppThemedNow()) {
        CloseThemedPart(hData);
        return false;
    }
    const ThemeFunctions& theme = Theme();
    // Opening the data asks the window server for the window's theme properties, a few round
    // trips that every glyph of every painted row would otherwise pay.
    if (hData == nullptr)
        hData = theme.pOpenThemeData(hWnd, pszClass);
    if (hData == nullptr)
        return false;
    theme.pDrawThemeBackground(hData, hDC, nPart, nState, &rc, nullptr);
    return true;
}

void CloseThemedPart(HANDLE& hData)
{
    if (hData != nullptr)
        Theme().pCloseThemeData(hData);
    hData = nullptr;
}
