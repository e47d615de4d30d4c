#include "Input.h"
#include "PngWriter.h"
#include "WindowCapture.h"

#include <afxwin.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace {

using pgtest::Pixels;

struct Received
{
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// A plain Win32 window that records every message it gets; a handler can take messages over.
class TestWindow
{
public:
    using Handler = std::function<bool(HWND, UINT, WPARAM, LPARAM, LRESULT&)>;

    TestWindow(const wchar_t* className, DWORD style, const RECT& bounds, HWND parent = nullptr,
               Handler handler = nullptr)
        : m_handler(std::move(handler))
    {
        m_hWnd = CreateWindowExW(0, className, L"", style, bounds.left, bounds.top,
                                 bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
                                 nullptr, GetModuleHandleW(nullptr), this);
    }
    ~TestWindow()
    {
        if (IsWindow(m_hWnd)) {
            DestroyWindow(m_hWnd);
        }
    }
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    HWND hWnd() const { return m_hWnd; }

    // The messages in [first, last] received since the last call; the others are dropped.
    std::vector<Received> Take(UINT first, UINT last)
    {
        std::vector<Received> taken;
        for (const Received& r : m_received) {
            if (r.message >= first && r.message <= last) {
                taken.push_back(r);
            }
        }
        m_received.clear();
        return taken;
    }
    std::vector<Received> TakeMouseButtons() { return Take(WM_LBUTTONDOWN, WM_MBUTTONDBLCLK); }

    static void RegisterClasses()
    {
        static const bool registered = [] {
            WNDCLASSW wc{};
            wc.lpfnWndProc = &TestWindow::Procedure;
            wc.hInstance = GetModuleHandleW(nullptr);
            wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
            wc.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
            wc.lpszClassName = kPlainClass;
            RegisterClassW(&wc);
            wc.style = CS_DBLCLKS;
            wc.lpszClassName = kDoubleClickClass;
            RegisterClassW(&wc);
            return true;
        }();
        (void)registered;
    }

    static constexpr const wchar_t* kPlainClass = L"PgTestPlainWindow";
    static constexpr const wchar_t* kDoubleClickClass = L"PgTestDoubleClickWindow";

private:
    static LRESULT CALLBACK Procedure(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_NCCREATE) {
            auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
            SetWindowLongPtrW(hWnd, GWLP_USERDATA,
                              reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        }
        auto* self = reinterpret_cast<TestWindow*>(GetWindowLongPtrW(hWnd, GWLP_USERDATA));
        if (self == nullptr) {
            return DefWindowProcW(hWnd, message, wParam, lParam);
        }
        self->m_received.push_back({message, wParam, lParam});
        LRESULT result = 0;
        if (self->m_handler && self->m_handler(hWnd, message, wParam, lParam, result)) {
            return result;
        }
        return DefWindowProcW(hWnd, message, wParam, lParam);
    }

    HWND m_hWnd = nullptr;
    Handler m_handler;
    std::vector<Received> m_received;
};

class CaptureAndInput : public ::testing::Test
{
protected:
    void SetUp() override { TestWindow::RegisterClasses(); }
    void TearDown() override { pgtest::PumpMessages(); }
};

//---------------------------------------------------------------------------------------------
// Window capture

// A popup whose non-client frame is unequal on every side, so that any offset mistake between
// window and client coordinates shows.
constexpr RECT kFrame = {3, 5, 4, 2}; // left, top, right, bottom widths
constexpr COLORREF kFrameColor = RGB(200, 10, 30);

// Distinct in every pixel of the test windows, and not symmetric in red and blue.
COLORREF GradientAt(int x, int y)
{
    return RGB(x * 3, y * 5, 250 - x);
}

bool PaintFrameAndGradient(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case WM_NCCALCSIZE: {
        RECT* rect = wParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0]
                            : reinterpret_cast<RECT*>(lParam);
        rect->left += kFrame.left;
        rect->top += kFrame.top;
        rect->right -= kFrame.right;
        rect->bottom -= kFrame.bottom;
        result = 0;
        return true;
    }
    case WM_NCPAINT: {
        RECT window;
        GetWindowRect(hWnd, &window);
        HDC dc = GetWindowDC(hWnd);
        const int width = window.right - window.left;
        const int height = window.bottom - window.top;
        ExcludeClipRect(dc, kFrame.left, kFrame.top, width - kFrame.right, height - kFrame.bottom);
        HBRUSH brush = CreateSolidBrush(kFrameColor);
        const RECT all = {0, 0, width, height};
        FillRect(dc, &all, brush);
        DeleteObject(brush);
        ReleaseDC(hWnd, dc);
        return true;
    }
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hWnd, &ps);
        RECT client;
        GetClientRect(hWnd, &client);
        // SetPixelV with RGB() values, not a DIB: a red/blue swap in the capture's own DIB
        // handling must not be cancelled out by the same swap here.
        for (int y = 0; y < client.bottom; ++y) {
            for (int x = 0; x < client.right; ++x) {
                SetPixelV(dc, x, y, GradientAt(x, y));
            }
        }
        EndPaint(hWnd, &ps);
        return true;
    }
    default:
        return false;
    }
}

TEST_F(CaptureAndInput, ClientCaptureHoldsEveryPaintedPixel)
{
    TestWindow window(TestWindow::kPlainClass, WS_POPUP | WS_VISIBLE, {40, 50, 107, 91}, nullptr,
                      PaintFrameAndGradient);
    const Pixels pixels = pgtest::CaptureClient(window.hWnd());
    const int clientWidth = 67 - kFrame.left - kFrame.right;
    const int clientHeight = 41 - kFrame.top - kFrame.bottom;
    ASSERT_EQ(pixels.width, clientWidth);
    ASSERT_EQ(pixels.height, clientHeight);
    ASSERT_EQ(pixels.colors.size(), static_cast<std::size_t>(clientWidth * clientHeight));
    int wrong = 0;
    for (int y = 0; y < clientHeight; ++y) {
        for (int x = 0; x < clientWidth; ++x) {
            wrong += pixels.At(x, y) != GradientAt(x, y);
        }
    }
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(pixels.At(clientWidth - 1, clientHeight - 1),
              GradientAt(clientWidth - 1, clientHeight - 1));
}

TEST_F(CaptureAndInput, WindowCaptureShowsFrameAroundClientAtItsOffset)
{
    TestWindow window(TestWindow::kPlainClass, WS_POPUP | WS_VISIBLE, {40, 50, 107, 91}, nullptr,
                      PaintFrameAndGradient);
    const Pixels pixels = pgtest::CaptureWindow(window.hWnd());
    ASSERT_EQ(pixels.width, 67);
    ASSERT_EQ(pixels.height, 41);
    int wrongFrame = 0;
    int wrongClient = 0;
    for (int y = 0; y < pixels.height; ++y) {
        for (int x = 0; x < pixels.width; ++x) {
            const bool inClient = x >= kFrame.left && x < pixels.width - kFrame.right &&
                                  y >= kFrame.top && y < pixels.height - kFrame.bottom;
            if (inClient) {
                wrongClient += pixels.At(x, y) != GradientAt(x - kFrame.left, y - kFrame.top);
            } else {
                wrongFrame += pixels.At(x, y) != kFrameColor;
            }
        }
    }
    EXPECT_EQ(wrongClient, 0);
    EXPECT_EQ(wrongFrame, 0);
}

TEST_F(CaptureAndInput, CaptureShowsChildWindowsAndPendingPaints)
{
    COLORREF parentColor = RGB(10, 120, 240);
    auto paintSolid = [&parentColor](HWND hWnd, UINT message, WPARAM, LPARAM, LRESULT&) {
        if (message != WM_PAINT) {
            return false;
        }
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hWnd, &ps);
        HBRUSH brush = CreateSolidBrush(parentColor);
        FillRect(dc, &ps.rcPaint, brush);
        DeleteObject(brush);
        EndPaint(hWnd, &ps);
        return true;
    };
    TestWindow parent(TestWindow::kPlainClass, WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN,
                      {200, 50, 280, 110}, nullptr, paintSolid);
    TestWindow child(TestWindow::kPlainClass, WS_CHILD | WS_VISIBLE, {20, 10, 50, 30},
                     parent.hWnd(), PaintFrameAndGradient);

    Pixels pixels = pgtest::CaptureClient(parent.hWnd());
    ASSERT_EQ(pixels.width, 80);
    ASSERT_EQ(pixels.height, 60);
    EXPECT_EQ(pixels.At(19, 10), parentColor);
    EXPECT_EQ(pixels.At(20, 10), kFrameColor);
    EXPECT_EQ(pixels.At(20 + kFrame.left, 10 + kFrame.top), GradientAt(0, 0));
    EXPECT_EQ(pixels.At(49, 29), kFrameColor);
    EXPECT_EQ(pixels.At(50, 30), parentColor);

    // Invalidated but not yet repainted: the capture must show the new state.
    parentColor = RGB(250, 250, 0);
    InvalidateRect(parent.hWnd(), nullptr, FALSE);
    pixels = pgtest::CaptureClient(parent.hWnd());
    EXPECT_EQ(pixels.At(0, 0), parentColor);
    EXPECT_EQ(pixels.At(79, 59), parentColor);
}

TEST_F(CaptureAndInput, NothingToCaptureGivesAnEmptyImage)
{
    EXPECT_TRUE(pgtest::CaptureClient(nullptr).IsEmpty());
    EXPECT_TRUE(pgtest::CaptureWindow(nullptr).IsEmpty());
    TestWindow empty(TestWindow::kPlainClass, WS_POPUP | WS_VISIBLE, {300, 300, 300, 300});
    const Pixels pixels = pgtest::CaptureClient(empty.hWnd());
    EXPECT_TRUE(pixels.IsEmpty());
    EXPECT_FALSE(pgtest::SavePng(pixels, L"never-written.png"));
}

//---------------------------------------------------------------------------------------------
// PNG files

std::uint32_t ReadBigEndian32(const std::vector<std::uint8_t>& bytes, std::size_t at)
{
    return (std::uint32_t(bytes[at]) << 24) | (std::uint32_t(bytes[at + 1]) << 16) |
           (std::uint32_t(bytes[at + 2]) << 8) | std::uint32_t(bytes[at + 3]);
}

struct DecodedPng
{
    std::string error; // empty when the file was read completely
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;
    std::vector<std::string> chunkTypes;
    int deflateBlocks = 0;
};

// Reads back exactly what a PNG of stored deflate blocks may contain, checking every length
// and checksum on the way.
DecodedPng DecodeStoredPng(const std::vector<std::uint8_t>& png)
{
    DecodedPng decoded;
    const std::uint8_t signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (png.size() < 8 || !std::equal(signature, signature + 8, png.begin())) {
        decoded.error = "signature";
        return decoded;
    }
    std::vector<std::uint8_t> zlib;
    std::size_t at = 8;
    while (at + 12 <= png.size()) {
        const std::uint32_t length = ReadBigEndian32(png, at);
        if (at + 12 + length > png.size()) {
            decoded.error = "chunk length";
            return decoded;
        }
        const std::string type(png.begin() + at + 4, png.begin() + at + 8);
        const std::uint8_t* data = png.data() + at + 8;
        if (pgtest::Crc32(png.data() + at + 4, length + 4) !=
            ReadBigEndian32(png, at + 8 + length)) {
            decoded.error = "CRC of " + type;
            return decoded;
        }
        decoded.chunkTypes.push_back(type);
        if (type == "IHDR") {
            const std::uint8_t expectedTail[] = {8, 2, 0, 0, 0};
            if (length != 13 || !std::equal(expectedTail, expectedTail + 5, data + 8)) {
                decoded.error = "IHDR fields";
                return decoded;
            }
            decoded.width = int(ReadBigEndian32(png, at + 8));
            decoded.height = int(ReadBigEndian32(png, at + 12));
        } else if (type == "IDAT") {
            zlib.insert(zlib.end(), data, data + length);
        }
        at += 12 + length;
    }
    if (at != png.size() || decoded.chunkTypes.empty() || decoded.chunkTypes.back() != "IEND") {
        decoded.error = "file does not end with IEND";
        return decoded;
    }
    if (zlib.size() < 6 || (zlib[0] & 0x0F) != 8 || (zlib[0] * 256 + zlib[1]) % 31 != 0 ||
        (zlib[1] & 0x20) != 0) {
        decoded.error = "zlib header";
        return decoded;
    }
    std::vector<std::uint8_t> inflated;
    std::size_t pos = 2;
    bool final = false;
    while (!final) {
        if (pos + 5 > zlib.size() || (zlib[pos] & 0x06) != 0) {
            decoded.error = "not a stored block";
            return decoded;
        }
        final = (zlib[pos] & 1) != 0;
        const unsigned len = zlib[pos + 1] | (zlib[pos + 2] << 8);
        const unsigned nlen = zlib[pos + 3] | (zlib[pos + 4] << 8);
        if ((len ^ 0xFFFF) != nlen || pos + 5 + len > zlib.size()) {
            decoded.error = "stored block length";
            return decoded;
        }
        inflated.insert(inflated.end(), zlib.begin() + pos + 5, zlib.begin() + pos + 5 + len);
        pos += 5 + len;
        ++decoded.deflateBlocks;
    }
    if (pos + 4 != zlib.size() ||
        ReadBigEndian32(zlib, pos) != pgtest::Adler32(inflated.data(), inflated.size())) {
        decoded.error = "Adler-32";
        return decoded;
    }
    const std::size_t rowBytes = std::size_t(decoded.width) * 3;
    if (inflated.size() != (rowBytes + 1) * std::size_t(decoded.height)) {
        decoded.error = "image data size";
        return decoded;
    }
    for (std::size_t row = 0; row < std::size_t(decoded.height); ++row) {
        const auto start = inflated.begin() + row * (rowBytes + 1);
        if (*start != 0) {
            decoded.error = "row filter";
            return decoded;
        }
        decoded.rgb.insert(decoded.rgb.end(), start + 1, start + 1 + rowBytes);
    }
    return decoded;
}

TEST(PngChecksums, MatchPublishedCheckValuesAndLongRuns)
{
    const std::string digits = "123456789";
    const auto* digitBytes = reinterpret_cast<const std::uint8_t*>(digits.data());
    EXPECT_EQ(pgtest::Crc32(digitBytes, digits.size()), 0xCBF43926u);
    const std::uint8_t iend[] = {'I', 'E', 'N', 'D'};
    EXPECT_EQ(pgtest::Crc32(iend, 4), 0xAE426082u);
    const std::string word = "Wikipedia";
    EXPECT_EQ(pgtest::Adler32(reinterpret_cast<const std::uint8_t*>(word.data()), word.size()),
              0x11E60398u);
    EXPECT_EQ(pgtest::Adler32(nullptr, 0), 1u);

    // Long runs of large bytes are where deferred reduction can overflow.
    const std::vector<std::uint8_t> ones(200000, 0xFF);
    std::uint32_t a = 1;
    std::uint32_t b = 0;
    for (std::uint8_t byte : ones) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    EXPECT_EQ(pgtest::Adler32(ones.data(), ones.size()), (b << 16) | a);
}

TEST(PngFile, DecodesBackToTheImageAcrossBlockBoundaries)
{
    // Image data (3 bytes a pixel plus a filter byte a row) of one byte, over one stored block,
    // exactly one full block, and exactly two.
    const std::pair<int, int> sizes[] = {{1, 1}, {200, 120}, {1456, 15}, {1456, 30}};
    const int expectedBlocks[] = {1, 2, 1, 2};
    for (std::size_t i = 0; i < std::size(sizes); ++i) {
        const auto [width, height] = sizes[i];
        std::vector<std::uint8_t> rgb(std::size_t(width) * height * 3);
        for (std::size_t b = 0; b < rgb.size(); ++b) {
            rgb[b] = static_cast<std::uint8_t>(b * 7 + b / 251);
        }
        const DecodedPng decoded = DecodeStoredPng(pgtest::EncodeRgbPng(width, height, rgb));
        SCOPED_TRACE(std::to_string(width) + "x" + std::to_string(height));
        ASSERT_EQ(decoded.error, "");
        EXPECT_EQ(decoded.chunkTypes, (std::vector<std::string>{"IHDR", "IDAT", "IEND"}));
        EXPECT_EQ(decoded.width, width);
        EXPECT_EQ(decoded.height, height);
        EXPECT_EQ(decoded.deflateBlocks, expectedBlocks[i]);
        EXPECT_TRUE(decoded.rgb == rgb);
    }
}

TEST(PngFile, RefusesSizesThatDoNotFitTheData)
{
    EXPECT_TRUE(pgtest::EncodeRgbPng(0, 4, {}).empty());
    EXPECT_TRUE(pgtest::EncodeRgbPng(2, -1, {}).empty());
    EXPECT_TRUE(pgtest::EncodeRgbPng(2, 2, std::vector<std::uint8_t>(11)).empty());
    EXPECT_TRUE(pgtest::EncodeRgbPng(2, 2, std::vector<std::uint8_t>(13)).empty());
}

std::vector<std::uint8_t> ReadWholeFile(const std::wstring& path)
{
    std::vector<std::uint8_t> bytes;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return bytes;
    }
    bytes.resize(GetFileSize(file, nullptr));
    DWORD read = 0;
    ReadFile(file, bytes.data(), DWORD(bytes.size()), &read, nullptr);
    CloseHandle(file);
    bytes.resize(read);
    return bytes;
}

TEST_F(CaptureAndInput, SavedScreenshotHoldsTheCapturedColours)
{
    TestWindow window(TestWindow::kPlainClass, WS_POPUP | WS_VISIBLE, {40, 150, 107, 191}, nullptr,
                      PaintFrameAndGradient);
    const Pixels pixels = pgtest::CaptureWindow(window.hWnd());
    wchar_t folder[MAX_PATH];
    ASSERT_NE(GetTempPathW(MAX_PATH, folder), 0u);
    const std::wstring path = std::wstring(folder) + L"pgtest-capture.png";
    ASSERT_TRUE(pgtest::SavePng(pixels, path));

    const DecodedPng decoded = DecodeStoredPng(ReadWholeFile(path));
    DeleteFileW(path.c_str());
    ASSERT_EQ(decoded.error, "");
    ASSERT_EQ(decoded.width, pixels.width);
    ASSERT_EQ(decoded.height, pixels.height);
    int wrong = 0;
    for (int y = 0; y < pixels.height; ++y) {
        for (int x = 0; x < pixels.width; ++x) {
            const std::uint8_t* rgb = &decoded.rgb[(std::size_t(y) * pixels.width + x) * 3];
            wrong += RGB(rgb[0], rgb[1], rgb[2]) != pixels.At(x, y);
        }
    }
    EXPECT_EQ(wrong, 0);
}

//---------------------------------------------------------------------------------------------
// Mouse input

POINT ClientPointOf(LPARAM lParam)
{
    // Signed: points left of or above a window that holds the capture are negative.
    return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

void ExpectButtonMessages(const std::vector<Received>& received, std::vector<UINT> expected,
                          POINT point)
{
    ASSERT_EQ(received.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(received[i].message, expected[i]);
        EXPECT_EQ(ClientPointOf(received[i].lParam).x, point.x);
        EXPECT_EQ(ClientPointOf(received[i].lParam).y, point.y);
    }
}

// A frame offsets the client area from the window, but unlike a caption or sizing border it
// starts no modal move loop when a stray click lands on it.
constexpr DWORD kFramedStyle = WS_POPUP | WS_DLGFRAME | WS_VISIBLE;

TEST_F(CaptureAndInput, ClickLandsOnTheExactClientPoint)
{
    TestWindow window(TestWindow::kPlainClass, kFramedStyle, {120, 100, 420, 300});
    RECT client;
    GetClientRect(window.hWnd(), &client);
    const POINT points[] = {{0, 0}, {client.right - 1, client.bottom - 1}, {37, 21}, {150, 0}};
    for (const POINT& point : points) {
        SCOPED_TRACE(std::to_string(point.x) + "," + std::to_string(point.y));
        window.TakeMouseButtons();
        ASSERT_TRUE(pgtest::Click(window.hWnd(), point));
        POINT expectedCursor = point;
        ClientToScreen(window.hWnd(), &expectedCursor);
        POINT cursor;
        GetCursorPos(&cursor);
        EXPECT_EQ(cursor.x, expectedCursor.x);
        EXPECT_EQ(cursor.y, expectedCursor.y);
        const auto received = window.TakeMouseButtons();
        ExpectButtonMessages(received, {WM_LBUTTONDOWN, WM_LBUTTONUP}, point);
        ASSERT_EQ(received.size(), 2u);
        EXPECT_EQ(received[0].wParam & MK_LBUTTON, WPARAM(MK_LBUTTON));
        EXPECT_EQ(received[1].wParam & MK_LBUTTON, 0u);
    }
    EXPECT_EQ(GetForegroundWindow(), window.hWnd());
}

TEST_F(CaptureAndInput, PointsOffTheScreenAreRefused)
{
    TestWindow window(TestWindow::kPlainClass, kFramedStyle, {120, 100, 420, 300});
    EXPECT_FALSE(pgtest::Click(window.hWnd(), {-200, 10}));
    EXPECT_FALSE(pgtest::MoveMouse(window.hWnd(), {10, 2000}));
    EXPECT_TRUE(window.TakeMouseButtons().empty());
}

TEST_F(CaptureAndInput, DoubleClickGivesTheDoubleClickMessage)
{
    TestWindow window(TestWindow::kDoubleClickClass, kFramedStyle, {150, 120, 450, 320});
    const POINT point = {61, 44};
    ASSERT_TRUE(pgtest::DoubleClick(window.hWnd(), point));
    ExpectButtonMessages(window.TakeMouseButtons(),
                         {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}, point);
}

TEST_F(CaptureAndInput, RightClickAndWheelCarryTheirButtonAndDelta)
{
    TestWindow window(TestWindow::kPlainClass, kFramedStyle, {150, 120, 450, 320});
    const POINT point = {80, 33};
    ASSERT_TRUE(pgtest::RightClick(window.hWnd(), point));
    ExpectButtonMessages(window.TakeMouseButtons(), {WM_RBUTTONDOWN, WM_RBUTTONUP}, point);

    SetFocus(window.hWnd());
    ASSERT_TRUE(pgtest::Wheel(window.hWnd(), point, -2 * WHEEL_DELTA));
    const auto wheel = window.Take(WM_MOUSEWHEEL, WM_MOUSEWHEEL);
    ASSERT_EQ(wheel.size(), 1u);
    EXPECT_EQ(GET_WHEEL_DELTA_WPARAM(wheel[0].wParam), -2 * WHEEL_DELTA);
    POINT screen = point;
    ClientToScreen(window.hWnd(), &screen);
    EXPECT_EQ(ClientPointOf(wheel[0].lParam).x, screen.x); // wheel messages carry screen points
    EXPECT_EQ(ClientPointOf(wheel[0].lParam).y, screen.y);
}

TEST_F(CaptureAndInput, ReleaseGoesToTheWindowHoldingTheCapture)
{
    auto captureOnPress = [](HWND hWnd, UINT message, WPARAM, LPARAM, LRESULT&) {
        if (message == WM_LBUTTONDOWN) {
            SetCapture(hWnd);
        } else if (message == WM_LBUTTONUP) {
            ReleaseCapture();
        }
        return false;
    };
    TestWindow source(TestWindow::kPlainClass, kFramedStyle, {100, 400, 300, 550}, nullptr,
                      captureOnPress);
    TestWindow target(TestWindow::kPlainClass, kFramedStyle, {500, 400, 700, 550});
    ASSERT_TRUE(pgtest::MouseDown(source.hWnd(), {20, 30}));
    EXPECT_EQ(GetCapture(), source.hWnd());
    const POINT overTarget = {40, 50};
    ASSERT_TRUE(pgtest::MouseUp(target.hWnd(), overTarget));

    EXPECT_TRUE(target.TakeMouseButtons().empty());
    POINT inSource = overTarget;
    MapWindowPoints(target.hWnd(), source.hWnd(), &inSource, 1);
    const auto received = source.TakeMouseButtons();
    ASSERT_EQ(received.size(), 2u);
    EXPECT_EQ(received[1].message, UINT(WM_LBUTTONUP));
    EXPECT_EQ(ClientPointOf(received[1].lParam).x, inSource.x);
    EXPECT_EQ(ClientPointOf(received[1].lParam).y, inSource.y);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(GetForegroundWindow(), source.hWnd()); // a drag activates nothing
}

TEST_F(CaptureAndInput, ClickInADroppedDownListPicksTheItem)
{
    TestWindow host(TestWindow::kPlainClass, kFramedStyle, {150, 120, 450, 320});
    HWND combo =
        CreateWindowExW(0, L"COMBOBOX", L"", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, 10, 10, 200,
                        150, host.hWnd(), nullptr, GetModuleHandleW(nullptr), nullptr);
    for (const wchar_t* item : {L"alpha", L"beta", L"gamma"}) {
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    }
    ASSERT_TRUE(pgtest::Click(combo, {20, 5}));
    ASSERT_TRUE(SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0));

    // The list is a popup window of its own, outside the host window.
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(GetComboBoxInfo(combo, &info));
    const int itemHeight = int(SendMessageW(info.hwndList, LB_GETITEMHEIGHT, 0, 0));
    ASSERT_TRUE(pgtest::Click(info.hwndList, {20, 2 * itemHeight + itemHeight / 2}));
    EXPECT_FALSE(SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0));
    EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(GetForegroundWindow(), host.hWnd());
}

TEST_F(CaptureAndInput, PopupOfTheActiveWindowDecidesItsOwnActivation)
{
    TestWindow owner(TestWindow::kPlainClass, kFramedStyle, {150, 120, 450, 320});
    auto refuseActivation = [](HWND, UINT message, WPARAM, LPARAM, LRESULT& result) {
        result = MA_NOACTIVATE;
        return message == WM_MOUSEACTIVATE;
    };
    TestWindow popup(TestWindow::kPlainClass, WS_POPUP | WS_BORDER | WS_VISIBLE,
                     {200, 330, 400, 400}, owner.hWnd(), refuseActivation);
    ASSERT_TRUE(pgtest::Click(owner.hWnd(), {5, 5}));
    ASSERT_EQ(GetForegroundWindow(), owner.hWnd());

    ASSERT_TRUE(pgtest::Click(popup.hWnd(), {30, 20}));
    ExpectButtonMessages(popup.TakeMouseButtons(), {WM_LBUTTONDOWN, WM_LBUTTONUP}, {30, 20});
    EXPECT_EQ(GetForegroundWindow(), owner.hWnd());
}

TEST_F(CaptureAndInput, MessagesPostedWhileHandlingInputAreHandledBeforeReturn)
{
    constexpr UINT kFollowUp = WM_APP + 7;
    int followUpsLeft = 3;
    auto postChain = [&followUpsLeft](HWND hWnd, UINT message, WPARAM, LPARAM, LRESULT&) {
        if (message == WM_LBUTTONUP || (message == kFollowUp && --followUpsLeft > 0)) {
            PostMessageW(hWnd, kFollowUp, 0, 0);
        }
        return false;
    };
    TestWindow window(TestWindow::kPlainClass, kFramedStyle, {150, 120, 450, 320}, nullptr,
                      postChain);
    ASSERT_TRUE(pgtest::Click(window.hWnd(), {10, 10}));
    EXPECT_EQ(window.Take(kFollowUp, kFollowUp).size(), 3u);
}

TEST_F(CaptureAndInput, PumpLeavesQuitForTheLoopThatOwnsIt)
{
    PostQuitMessage(42);
    pgtest::PumpMessages();
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, WPARAM(42));
}

//---------------------------------------------------------------------------------------------
// Keyboard input

// The edit control's own procedure, with the key messages that reach it recorded on the way.
std::vector<Received> g_editKeys;
WNDPROC g_editProcedure = nullptr;

LRESULT CALLBACK RecordingEditProcedure(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message >= WM_KEYFIRST && message <= WM_KEYLAST) {
        g_editKeys.push_back({message, wParam, lParam});
    }
    return CallWindowProcW(g_editProcedure, hWnd, message, wParam, lParam);
}

class KeyboardInput : public CaptureAndInput
{
protected:
    void CreateEdit(DWORD extraStyle)
    {
        m_host = std::make_unique<TestWindow>(TestWindow::kPlainClass, kFramedStyle,
                                              RECT{200, 200, 600, 400});
        m_edit =
            CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_BORDER | extraStyle, 10, 10,
                            300, 100, m_host->hWnd(), nullptr, GetModuleHandleW(nullptr), nullptr);
        g_editProcedure = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
            m_edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RecordingEditProcedure)));
        g_editKeys.clear();
    }
    void TearDown() override
    {
        m_host.reset();
        CaptureAndInput::TearDown();
    }

    std::wstring EditText() const
    {
        wchar_t text[256] = {};
        GetWindowTextW(m_edit, text, 256);
        return text;
    }

    std::unique_ptr<TestWindow> m_host;
    HWND m_edit = nullptr;
};

TEST_F(KeyboardInput, KeysReachTheFocusedEditAsTranslatedMessages)
{
    CreateEdit(ES_AUTOHSCROLL);
    ASSERT_TRUE(pgtest::Click(m_edit, {5, 5})); // focus as a user gives it
    ASSERT_EQ(GetFocus(), m_edit);
    g_editKeys.clear();

    ASSERT_TRUE(pgtest::PressKey('K'));
    ASSERT_EQ(g_editKeys.size(), 3u);
    EXPECT_EQ(g_editKeys[0].message, UINT(WM_KEYDOWN));
    EXPECT_EQ(g_editKeys[0].wParam, WPARAM('K'));
    EXPECT_EQ(g_editKeys[1].message, UINT(WM_CHAR));
    EXPECT_EQ(g_editKeys[1].wParam, WPARAM(L'k'));
    EXPECT_EQ(g_editKeys[2].message, UINT(WM_KEYUP));
    EXPECT_EQ(g_editKeys[0].lParam & 0xFFFF, 1); // repeat count
    EXPECT_EQ(HIWORD(g_editKeys[0].lParam) & KF_EXTENDED, 0);
    EXPECT_NE(HIWORD(g_editKeys[2].lParam) & KF_UP, 0);
    EXPECT_EQ(EditText(), L"k");

    g_editKeys.clear();
    ASSERT_TRUE(pgtest::PressKey(VK_LEFT));
    ASSERT_FALSE(g_editKeys.empty());
    EXPECT_NE(HIWORD(g_editKeys[0].lParam) & KF_EXTENDED, 0); // not the keypad's 4
}

TEST_F(KeyboardInput, TypedTextAndEditingKeysChangeTheText)
{
    CreateEdit(ES_AUTOHSCROLL);
    ASSERT_TRUE(pgtest::Click(m_edit, {5, 5}));
    ASSERT_TRUE(pgtest::TypeText(L"Grüße, 3 × 4 = 12"));
    EXPECT_EQ(EditText(), L"Grüße, 3 × 4 = 12");

    ASSERT_TRUE(pgtest::PressKey(VK_HOME));
    ASSERT_TRUE(pgtest::PressKey(VK_DELETE));
    EXPECT_EQ(EditText(), L"rüße, 3 × 4 = 12");

    // Shift+End selects to the end; typing replaces the selection.
    ASSERT_TRUE(pgtest::PressKey(VK_RIGHT));
    ASSERT_TRUE(pgtest::PressKeyWith(VK_SHIFT, VK_END));
    ASSERT_TRUE(pgtest::TypeText(L"x"));
    EXPECT_EQ(EditText(), L"rx");
    EXPECT_GE(GetKeyState(VK_SHIFT), 0); // the modifier was released
}

TEST_F(KeyboardInput, LineBreaksArePressedAsEnter)
{
    CreateEdit(ES_MULTILINE | ES_WANTRETURN);
    ASSERT_TRUE(pgtest::Click(m_edit, {5, 5}));
    ASSERT_TRUE(pgtest::TypeText(L"one\r\ntwo\nthree"));
    EXPECT_EQ(EditText(), L"one\r\ntwo\r\nthree");
    int returns = 0;
    for (const Received& key : g_editKeys) {
        returns += key.message == WM_KEYDOWN && key.wParam == VK_RETURN;
    }
    EXPECT_EQ(returns, 2);
}

// A framework window in the chain above the focus window sees its keys before they are
// dispatched, as in an MFC message loop.
class KeyFilter : public CWnd
{
public:
    int swallowed = 0;

    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_F8) {
            ++swallowed;
            return TRUE;
        }
        return CWnd::PreTranslateMessage(pMsg);
    }
};

TEST_F(KeyboardInput, FrameworkWindowsPreTranslateTheKeysOfTheirChildren)
{
    CreateEdit(ES_AUTOHSCROLL);
    KeyFilter filter;
    ASSERT_TRUE(filter.SubclassWindow(m_host->hWnd()));
    ASSERT_TRUE(pgtest::Click(m_edit, {5, 5}));
    g_editKeys.clear();

    ASSERT_TRUE(pgtest::PressKey(VK_F8));
    ASSERT_TRUE(pgtest::PressKey('Q'));
    EXPECT_EQ(filter.swallowed, 1);
    std::vector<WPARAM> keysDown;
    for (const Received& key : g_editKeys) {
        if (key.message == WM_KEYDOWN) {
            keysDown.push_back(key.wParam);
        }
    }
    EXPECT_EQ(keysDown, std::vector<WPARAM>{'Q'});
    EXPECT_EQ(EditText(), L"q");
    filter.UnsubclassWindow();
}

} // namespace
