#include "WindowCapture.h"

#include "PngWriter.h"

#include <cstdint>

namespace pgtest {
namespace {

// Copies width x height pixels from the top left of a window's device context. (PrintWindow
// would be the other way to ask a window for its image, but under Wine it gives only the
// background; the window DC holds what was really painted.) A 32-bit top-down DIB section gives
// the pixels in memory in reading order, whatever the screen's format.
Pixels CopyFromDc(HDC source, int width, int height)
{
    Pixels pixels;
    if (source == nullptr || width <= 0 || height <= 0) {
        return pixels;
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // negative height: top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC memory = CreateCompatibleDC(source);
    if (dib == nullptr || memory == nullptr) {
        if (memory != nullptr) {
            DeleteDC(memory);
        }
        if (dib != nullptr) {
            DeleteObject(dib);
        }
        return pixels;
    }
    HGDIOBJ previous = SelectObject(memory, dib);
    const bool copied = BitBlt(memory, 0, 0, width, height, source, 0, 0, SRCCOPY) != FALSE;
    GdiFlush(); // the DIB's memory is read directly below
    if (copied) {
        // Each DIB pixel is a DWORD 0x00RRGGBB; COLORREF has red and blue the other way round.
        const auto* dibPixels = static_cast<const std::uint32_t*>(bits);
        const std::size_t count =
            static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
        pixels.width = width;
        pixels.height = height;
        pixels.colors.reserve(count);
        for (std::size_t i = 0; i < count; ++i) {
            const std::uint32_t value = dibPixels[i];
            pixels.colors.push_back(RGB((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF));
        }
    }
    SelectObject(memory, previous);
    DeleteDC(memory);
    DeleteObject(dib);
    return pixels;
}

// Paints that are due but not yet carried out would leave the image behind the window's state.
void FinishPendingPaints(HWND hWnd)
{
    RedrawWindow(hWnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

bool WriteWholeFile(const std::wstring& path, const std::vector<std::uint8_t>& bytes)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    DWORD written = 0;
    const BOOL ok =
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    const BOOL closed = CloseHandle(file);
    return ok && closed && written == bytes.size();
}

} // namespace

Pixels CaptureClient(HWND hWnd)
{
    RECT client{};
    if (!IsWindow(hWnd) || !GetClientRect(hWnd, &client)) {
        return {};
    }
    FinishPendingPaints(hWnd);
    HDC dc = GetDC(hWnd);
    Pixels pixels = CopyFromDc(dc, client.right - client.left, client.bottom - client.top);
    if (dc != nullptr) {
        ReleaseDC(hWnd, dc);
    }
    return pixels;
}

Pixels CaptureWindow(HWND hWnd)
{
    RECT bounds{};
    if (!IsWindow(hWnd) || !GetWindowRect(hWnd, &bounds)) {
        return {};
    }
    FinishPendingPaints(hWnd);
    HDC dc = GetWindowDC(hWnd);
    Pixels pixels = CopyFromDc(dc, bounds.right - bounds.left, bounds.bottom - bounds.top);
    if (dc != nullptr) {
        ReleaseDC(hWnd, dc);
    }
    return pixels;
}

bool SavePng(const Pixels& pixels, const std::wstring& path)
{
    std::vector<std::uint8_t> rgb;
    rgb.reserve(pixels.colors.size() * 3);
    for (COLORREF color : pixels.colors) {
        rgb.push_back(GetRValue(color));
        rgb.push_back(GetGValue(color));
        rgb.push_back(GetBValue(color));
    }
    const std::vector<std::uint8_t> png = EncodeRgbPng(pixels.width, pixels.height, rgb);
    return !png.empty() && WriteWholeFile(path, png);
}

} // namespace pgtest
