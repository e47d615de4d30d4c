// The off-screen surface the grid paints its rows into.
#include <DibSurface.h>

#include <cstring>

namespace {

bool IsSupportedDepth(int nBitsPerPixel)
{
    return nBitsPerPixel == 16 || nBitsPerPixel == 24 || nBitsPerPixel == 32;
}

} // namespace

CDibSurface::CDibSurface()
    : bitmap(nullptr), previous(nullptr), bits(nullptr), dc(nullptr), stride(0)
{
    std::memset(&info, 0, sizeof(info));
    std::memset(&header, 0, sizeof(header));
}

CDibSurface::~CDibSurface()
{
    ReleaseSurface();
}

bool CDibSurface::CreateSurface(int width, int height, int bitsPerPixel)
{
    ReleaseSurface();
    if (!IsSupportedDepth(bitsPerPixel))
        return false;

    // DIB rows are padded to whole 32-bit words.
    stride = ((bitsPerPixel / 8) * width + 3) & ~3;
    std::memset(&header, 0, sizeof(header));
    header.bmiHeader.biSize = sizeof(BITMAPINFO);
    header.bmiHeader.biWidth = width;
    header.bmiHeader.biHeight = height;
    header.bmiHeader.biPlanes = 1;
    header.bmiHeader.biBitCount = WORD(bitsPerPixel);
    header.bmiHeader.biCompression = BI_RGB;
    header.bmiHeader.biSizeImage = DWORD(stride) * DWORD(height);

    HDC hScreen = ::GetDC(nullptr);
    bitmap = ::CreateDIBSection(hScreen, &header, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap == nullptr) {
        ::ReleaseDC(nullptr, hScreen);
        bits = nullptr;
        return false;
    }
    ::GetObjectW(bitmap, sizeof(info), &info);
    dc = ::CreateCompatibleDC(hScreen);
    ::ReleaseDC(nullptr, hScreen);
    if (dc == nullptr) {
        ReleaseSurface();
        return false;
    }
    previous = ::SelectObject(dc, bitmap);
    return true;
}

void CDibSurface::ReleaseSurface()
{
    if (dc != nullptr) {
        ::SelectObject(dc, previous);
        ::DeleteDC(dc);
        dc = nullptr;
        previous = nullptr;
    }
    if (bitmap != nullptr) {
        ::DeleteObject(bitmap);
        bitmap = nullptr;
        bits = nullptr;
    }
}
