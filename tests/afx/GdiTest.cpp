// GDI objects and device contexts: drawing read back pixel by pixel from a memory bitmap, the
// handle maps behind FromHandle and SelectObject, and the ownership of handles.
#include <afxwin.h>

#include <gtest/gtest.h>

// Failure messages show the values, not the bytes (found by argument-dependent lookup).
static void PrintTo(const CRect& rect, std::ostream* os)
{
    *os << "(" << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom << ")";
}

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kGreen = RGB(0, 255, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kBlack = RGB(0, 0, 0);

// A memory DC drawing into a 32-bit top-down DIB section whose pixels the test reads directly.
class MemoryCanvas : public ::testing::Test
{
protected:
    static constexpr int kWidth = 64;
    static constexpr int kHeight = 48;

    void SetUp() override
    {
        ASSERT_TRUE(m_dc.CreateCompatibleDC(nullptr));
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = kWidth;
        info.bmiHeader.biHeight = -kHeight;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* pBits = nullptr;
        HBITMAP hBitmap = ::CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, &pBits, nullptr, 0);
        ASSERT_TRUE(m_bitmap.Attach(hBitmap));
        m_pBits = static_cast<const DWORD*>(pBits);
        m_pOldBitmap = m_dc.SelectObject(&m_bitmap);
        m_dc.FillSolidRect(0, 0, kWidth, kHeight, kWhite);
    }

    void TearDown() override
    {
        m_dc.SelectObject(m_pOldBitmap);
        CGdiObject::DeleteTempMap();
        CDC::DeleteTempMap();
    }

    COLORREF Pixel(int x, int y) const
    {
        ::GdiFlush();
        DWORD bgr = m_pBits[y * kWidth + x];
        return RGB(GetBValue(bgr), GetGValue(bgr), GetRValue(bgr));
    }

    int CountPixels(const RECT& area, COLORREF color) const
    {
        int count = 0;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
                count += Pixel(x, y) == color ? 1 : 0;
        return count;
    }

    CDC m_dc;
    CBitmap m_bitmap;
    CBitmap* m_pOldBitmap = nullptr;
    const DWORD* m_pBits = nullptr;
};

const CRect kCanvas(0, 0, 64, 48);

} // namespace

TEST_F(MemoryCanvas, FillSolidRectCoversExactlyTheRectangle)
{
    m_dc.FillSolidRect(CRect(10, 5, 20, 15), kRed);
    EXPECT_EQ(100, CountPixels(kCanvas, kRed));
    EXPECT_EQ(100, CountPixels(CRect(10, 5, 20, 15), kRed));
    EXPECT_EQ(kWhite, Pixel(20, 10));
    EXPECT_EQ(kWhite, Pixel(15, 15));

    m_dc.FillSolidRect(30, 20, 4, 3, kBlue);
    EXPECT_EQ(12, CountPixels(CRect(30, 20, 34, 23), kBlue));
    // The background colour stays set to the fill colour, as MFC code relies on.
    EXPECT_EQ(kBlue, m_dc.GetBkColor());
}

TEST_F(MemoryCanvas, RectangleOutlinesWithThePenAndFillsWithTheBrush)
{
    CPen pen(PS_SOLID, 1, kRed);
    CBrush brush(kGreen);
    CPen* pOldPen = m_dc.SelectObject(&pen);
    CBrush* pOldBrush = m_dc.SelectObject(&brush);
    m_dc.Rectangle(CRect(10, 10, 20, 30));
    m_dc.SelectObject(pOldBrush);
    m_dc.SelectObject(pOldPen);

    // The outline lies inside the rectangle: its right and bottom edges are not drawn on.
    EXPECT_EQ(kRed, Pixel(10, 10));
    EXPECT_EQ(kRed, Pixel(19, 29));
    EXPECT_EQ(kWhite, Pixel(20, 15));
    EXPECT_EQ(kWhite, Pixel(15, 30));
    EXPECT_EQ(8 * 18, CountPixels(CRect(11, 11, 19, 29), kGreen));
    EXPECT_EQ(2 * 10 + 2 * 18, CountPixels(kCanvas, kRed));
}

TEST_F(MemoryCanvas, PixelsAndThreeDimensionalFrames)
{
    EXPECT_TRUE(m_dc.SetPixelV(CPoint(3, 4), kBlue));
    EXPECT_EQ(kBlue, Pixel(3, 4));
    EXPECT_EQ(kBlue, m_dc.GetPixel(3, 4));
    EXPECT_EQ(kRed, m_dc.SetPixel(5, 6, kRed));

    m_dc.Draw3dRect(CRect(10, 10, 20, 16), kRed, kBlue);
    EXPECT_EQ(kRed, Pixel(10, 10));
    EXPECT_EQ(kRed, Pixel(18, 10));
    EXPECT_EQ(kRed, Pixel(10, 14));
    // The corners opposite the top left belong to the bottom-right colour.
    EXPECT_EQ(kBlue, Pixel(19, 10));
    EXPECT_EQ(kBlue, Pixel(10, 15));
    EXPECT_EQ(kBlue, Pixel(19, 15));
    EXPECT_EQ(kWhite, Pixel(11, 11));
    EXPECT_EQ(kWhite, Pixel(20, 12));
    EXPECT_EQ(9 + 5 - 1, CountPixels(CRect(10, 10, 20, 16), kRed));
    EXPECT_EQ(10 + 6 - 1, CountPixels(CRect(10, 10, 20, 16), kBlue));
}

TEST_F(MemoryCanvas, DrawTextStaysInsideItsRectangleUnlessToldNotTo)
{
    m_dc.SetTextColor(kBlack);
    m_dc.SetBkMode(TRANSPARENT);
    const CString text(L"WWWWWWWWWWWW");
    const CRect beyond(12, 0, kWidth, kHeight);

    CRect clipped(0, 0, 12, 20);
    EXPECT_GT(m_dc.DrawText(text, clipped, DT_SINGLELINE | DT_LEFT | DT_TOP), 0);
    EXPECT_GT(CountPixels(clipped, kBlack), 0);
    EXPECT_EQ(0, CountPixels(beyond, kBlack));

    CRect unclipped(0, 24, 12, 44);
    m_dc.DrawText(text, text.GetLength(), unclipped, DT_SINGLELINE | DT_NOCLIP);
    EXPECT_GT(CountPixels(CRect(12, 24, kWidth, 44), kBlack), 0);
}

TEST_F(MemoryCanvas, ClippingLimitsDrawing)
{
    CRgn region;
    ASSERT_TRUE(region.CreateRectRgn(10, 10, 20, 20));
    EXPECT_EQ(SIMPLEREGION, m_dc.SelectClipRgn(&region));
    EXPECT_EQ(COMPLEXREGION, m_dc.ExcludeClipRect(CRect(10, 10, 12, 12)));

    CRect box;
    EXPECT_EQ(COMPLEXREGION, m_dc.GetClipBox(box));
    EXPECT_EQ(CRect(10, 10, 20, 20), box);

    m_dc.FillSolidRect(kCanvas, kRed);
    EXPECT_EQ(100 - 4, CountPixels(kCanvas, kRed));
    EXPECT_EQ(kWhite, Pixel(11, 11));

    EXPECT_EQ(SIMPLEREGION, m_dc.SelectClipRgn(nullptr));
    m_dc.FillSolidRect(kCanvas, kBlue);
    EXPECT_EQ(kWidth * kHeight, CountPixels(kCanvas, kBlue));
}

TEST_F(MemoryCanvas, WindowOriginShiftsLogicalCoordinates)
{
    EXPECT_EQ(CPoint(0, 0), m_dc.SetWindowOrg(10, 20));
    EXPECT_EQ(CPoint(10, 20), m_dc.OffsetWindowOrg(-5, 0));
    EXPECT_EQ(CPoint(5, 20), m_dc.GetWindowOrg());

    m_dc.SetPixelV(5, 20, kRed);
    EXPECT_EQ(kRed, Pixel(0, 0));

    CPoint point(0, 0);
    m_dc.DPtoLP(&point);
    EXPECT_EQ(CPoint(5, 20), point);
    CRect rect(5, 20, 6, 21);
    m_dc.LPtoDP(rect);
    EXPECT_EQ(CRect(0, 0, 1, 1), rect);
}

TEST_F(MemoryCanvas, SelectObjectHandsBackThePreviousObject)
{
    HGDIOBJ hDefaultPen = ::GetCurrentObject(m_dc, OBJ_PEN);
    CPen red(PS_SOLID, 1, kRed);
    CPen blue(PS_SOLID, 1, kBlue);

    CPen* pDefault = m_dc.SelectObject(&red);
    ASSERT_NE(nullptr, pDefault);
    EXPECT_EQ(hDefaultPen, pDefault->m_hObject);
    EXPECT_EQ(&red, m_dc.GetCurrentPen());

    // The program's own pen comes back as itself, not as a copy.
    EXPECT_EQ(&red, m_dc.SelectObject(&blue));
    EXPECT_EQ(&blue, m_dc.SelectObject(pDefault));
    EXPECT_EQ(hDefaultPen, ::GetCurrentObject(m_dc, OBJ_PEN));

    CFont* pOldFont = m_dc.SelectObject(CFont::FromHandle(HFONT(::GetStockObject(ANSI_VAR_FONT))));
    EXPECT_EQ(::GetStockObject(ANSI_VAR_FONT), m_dc.GetCurrentFont()->m_hObject);
    m_dc.SelectObject(pOldFont);
    EXPECT_EQ(pOldFont->m_hObject, ::GetCurrentObject(m_dc, OBJ_FONT));

    CGdiObject* pBrushBefore = m_dc.SelectStockObject(BLACK_BRUSH);
    EXPECT_EQ(::GetStockObject(BLACK_BRUSH), m_dc.GetCurrentBrush()->m_hObject);
    m_dc.SelectObject(pBrushBefore);
    EXPECT_EQ(pBrushBefore->m_hObject, ::GetCurrentObject(m_dc, OBJ_BRUSH));
}

TEST_F(MemoryCanvas, TextExtentFollowsTheSelectedFont)
{
    CFont small;
    CFont large;
    ASSERT_TRUE(small.CreatePointFont(80, L"Tahoma", &m_dc));
    ASSERT_TRUE(large.CreatePointFont(200, L"Tahoma", &m_dc));

    CFont* pOld = m_dc.SelectObject(&small);
    CSize smallExtent = m_dc.GetTextExtent(CString(L"Mm"));
    m_dc.SelectObject(&large);
    CSize largeExtent = m_dc.GetTextExtent(L"Mm", 2);
    EXPECT_EQ(largeExtent, m_dc.GetOutputTextExtent(CString(L"Mm")));
    TEXTMETRIC metrics = {};
    EXPECT_TRUE(m_dc.GetTextMetrics(&metrics));
    m_dc.SelectObject(pOld);

    EXPECT_GT(largeExtent.cx, smallExtent.cx);
    EXPECT_GT(largeExtent.cy, smallExtent.cy);
    EXPECT_EQ(metrics.tmHeight, largeExtent.cy);
}

TEST(GdiHandleMap, FromHandleReturnsTheOwnerOrOneTemporary)
{
    CBrush brush(kRed);
    HGDIOBJ hBrush = brush;
    EXPECT_EQ(&brush, CGdiObject::FromHandle(hBrush));
    EXPECT_EQ(&brush, CBrush::FromHandle(brush));

    HBRUSH hForeign = ::CreateSolidBrush(kBlue);
    CBrush* pTemp = CBrush::FromHandle(hForeign);
    ASSERT_NE(nullptr, pTemp);
    EXPECT_EQ(hForeign, pTemp->m_hObject);
    EXPECT_EQ(pTemp, CBrush::FromHandle(hForeign));
    EXPECT_EQ(nullptr, CGdiObject::FromHandle(nullptr));

    // Deleting temporaries leaves the handles they wrapped alive.
    CGdiObject::DeleteTempMap();
    EXPECT_EQ(DWORD(OBJ_BRUSH), ::GetObjectType(hForeign));
    ::DeleteObject(hForeign);

    // Once detached, the handle no longer leads to the object, and the object no longer frees it.
    HGDIOBJ hDetached = brush.Detach();
    EXPECT_NE(&brush, CGdiObject::FromHandle(hDetached));
    CGdiObject::DeleteTempMap();
    EXPECT_EQ(DWORD(OBJ_BRUSH), ::GetObjectType(hDetached));
    ::DeleteObject(hDetached);
}

TEST(GdiHandleMap, DeviceContextsAreMappedLikeObjects)
{
    HDC hForeign = ::CreateCompatibleDC(nullptr);
    CDC* pTemp = CDC::FromHandle(hForeign);
    ASSERT_NE(nullptr, pTemp);
    EXPECT_EQ(hForeign, pTemp->GetSafeHdc());
    EXPECT_EQ(hForeign, pTemp->m_hAttribDC);
    CDC::DeleteTempMap();
    EXPECT_EQ(DWORD(OBJ_MEMDC), ::GetObjectType(hForeign));

    CDC dc;
    ASSERT_TRUE(dc.Attach(hForeign));
    EXPECT_EQ(&dc, CDC::FromHandle(hForeign));
    EXPECT_TRUE(dc.DeleteDC());
    EXPECT_EQ(0u, ::GetObjectType(hForeign));
    CDC::DeleteTempMap();
}

TEST(GdiOwnership, DestructorsFreeTheirHandles)
{
    HGDIOBJ hPen = nullptr;
    HGDIOBJ hBrush = nullptr;
    HGDIOBJ hFont = nullptr;
    HGDIOBJ hBitmap = nullptr;
    HGDIOBJ hRegion = nullptr;
    HDC hDC = nullptr;
    {
        CPen pen(PS_DASH, 1, kBlue);
        CBrush brush;
        ASSERT_TRUE(brush.CreateHatchBrush(HS_CROSS, kRed));
        CFont font;
        ASSERT_TRUE(font.CreatePointFont(90, L"Tahoma"));
        CBitmap bitmap;
        ASSERT_TRUE(bitmap.CreateBitmap(4, 4, 1, 1, nullptr));
        CRgn region;
        ASSERT_TRUE(region.CreateRectRgn(0, 0, 5, 5));
        CDC dc;
        ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
        hPen = pen;
        hBrush = brush;
        hFont = font;
        hBitmap = bitmap;
        hRegion = region;
        hDC = dc;
        EXPECT_EQ(DWORD(OBJ_PEN), ::GetObjectType(hPen));
        EXPECT_EQ(DWORD(OBJ_BRUSH), ::GetObjectType(hBrush));
        EXPECT_EQ(DWORD(OBJ_FONT), ::GetObjectType(hFont));
        EXPECT_EQ(DWORD(OBJ_BITMAP), ::GetObjectType(hBitmap));
        EXPECT_EQ(DWORD(OBJ_REGION), ::GetObjectType(hRegion));
        EXPECT_EQ(DWORD(OBJ_MEMDC), ::GetObjectType(hDC));
    }
    EXPECT_EQ(0u, ::GetObjectType(hPen));
    EXPECT_EQ(0u, ::GetObjectType(hBrush));
    EXPECT_EQ(0u, ::GetObjectType(hFont));
    EXPECT_EQ(0u, ::GetObjectType(hBitmap));
    EXPECT_EQ(0u, ::GetObjectType(hRegion));
    EXPECT_EQ(0u, ::GetObjectType(hDC));
}

TEST(GdiOwnership, CreatingIntoAFullObjectFailsAndKeepsTheFirstHandle)
{
    CPen pen(PS_SOLID, 1, kRed);
    HGDIOBJ hFirst = pen;
    EXPECT_FALSE(pen.CreatePen(PS_SOLID, 2, kBlue));
    EXPECT_EQ(hFirst, pen.m_hObject);
    LOGPEN logPen = {};
    ASSERT_EQ(int(sizeof(LOGPEN)), pen.GetLogPen(&logPen));
    EXPECT_EQ(kRed, logPen.lopnColor);
    EXPECT_FALSE(pen.Attach(::GetStockObject(BLACK_PEN)));
}

TEST(GdiOwnership, SharedSystemObjectsSurviveTheirOwners)
{
    HBRUSH hSystem = ::GetSysColorBrush(COLOR_WINDOW);
    {
        CBrush first;
        CBrush second;
        ASSERT_TRUE(first.CreateSysColorBrush(COLOR_WINDOW));
        ASSERT_TRUE(second.CreateSysColorBrush(COLOR_WINDOW));
        EXPECT_EQ(&first, CBrush::FromHandle(hSystem));
        LOGBRUSH logBrush = {};
        ASSERT_EQ(int(sizeof(LOGBRUSH)), second.GetLogBrush(&logBrush));
        EXPECT_EQ(::GetSysColor(COLOR_WINDOW), logBrush.lbColor);

        CGdiObject stock;
        ASSERT_TRUE(stock.CreateStockObject(WHITE_BRUSH));
        EXPECT_NE(&stock, CGdiObject::FromHandle(stock));
    }
    EXPECT_EQ(DWORD(OBJ_BRUSH), ::GetObjectType(hSystem));
    EXPECT_EQ(DWORD(OBJ_BRUSH), ::GetObjectType(::GetStockObject(WHITE_BRUSH)));
    CGdiObject::DeleteTempMap();
}

TEST(GdiFonts, PointSizesFollowTheContextsUnits)
{
    HDC hScreen = ::GetDC(nullptr);
    const int pixelsPerInch = ::GetDeviceCaps(hScreen, LOGPIXELSY);
    ::ReleaseDC(nullptr, hScreen);

    CFont font;
    ASSERT_TRUE(font.CreatePointFont(90, L"Tahoma"));
    LOGFONT logFont = {};
    ASSERT_EQ(int(sizeof(LOGFONT)), font.GetLogFont(&logFont));
    EXPECT_EQ(-::MulDiv(pixelsPerInch, 9, 72), logFont.lfHeight);
    EXPECT_STREQ(L"Tahoma", logFont.lfFaceName);

    // In twips (1/1440 inch, y growing upwards) nine points are 180 units, wherever the origin is.
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    ::SetMapMode(dc, MM_TWIPS);
    dc.SetWindowOrg(500, -700);
    CFont twips;
    ASSERT_TRUE(twips.CreatePointFont(90, L"Tahoma", &dc));
    ASSERT_EQ(int(sizeof(LOGFONT)), twips.GetLogFont(&logFont));
    EXPECT_NEAR(-180, logFont.lfHeight, 1440 / pixelsPerInch);
}

class WindowContexts : public ::testing::Test
{
protected:
    void SetUp() override
    {
        HWND hWnd = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 80, 60,
                                      nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(nullptr, hWnd);
        ASSERT_TRUE(m_wnd.Attach(hWnd));
    }

    void TearDown() override
    {
        ::DestroyWindow(m_wnd.Detach());
        CDC::DeleteTempMap();
    }

    CWnd m_wnd;
};

TEST_F(WindowContexts, ClientAndWindowContextsAreReleased)
{
    // A context that was released already cannot be released again; the test relies on that.
    HDC hRaw = ::GetDC(m_wnd.m_hWnd);
    EXPECT_EQ(1, ::ReleaseDC(m_wnd.m_hWnd, hRaw));
    EXPECT_EQ(0, ::ReleaseDC(m_wnd.m_hWnd, hRaw));

    HDC hClient = nullptr;
    {
        CClientDC dc(&m_wnd);
        hClient = dc;
        ASSERT_NE(nullptr, hClient);
        EXPECT_EQ(&dc, CDC::FromHandle(hClient));
    }
    EXPECT_EQ(0, ::ReleaseDC(m_wnd.m_hWnd, hClient));

    HDC hWindow = nullptr;
    {
        CWindowDC dc(&m_wnd);
        hWindow = dc;
        ASSERT_NE(nullptr, hWindow);
        EXPECT_EQ(&dc, CDC::FromHandle(hWindow));
    }
    EXPECT_EQ(0, ::ReleaseDC(m_wnd.m_hWnd, hWindow));
}

TEST_F(WindowContexts, PaintContextValidatesTheUpdateRegion)
{
    // A new window is invalid as a whole; only the part invalidated here is to be painted.
    ::ValidateRect(m_wnd.m_hWnd, nullptr);
    const CRect invalid(5, 5, 15, 15);
    ::InvalidateRect(m_wnd.m_hWnd, invalid, TRUE);
    {
        CPaintDC dc(&m_wnd);
        ASSERT_NE(nullptr, dc.GetSafeHdc());
        EXPECT_EQ(invalid, CRect(dc.m_ps.rcPaint));
    }
    EXPECT_FALSE(::GetUpdateRect(m_wnd.m_hWnd, nullptr, FALSE));
}
