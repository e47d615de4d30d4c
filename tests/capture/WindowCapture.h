// Reads back what a window shows, for tests that check pixels or keep screenshots.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace pgtest {

// A captured image. Colours are COLORREF values (0x00BBGGRR, as RGB() builds them), so they
// compare directly with the colours a painting routine used.
struct Pixels
{
    int width = 0;
    int height = 0;
    std::vector<COLORREF> colors; // row-major, top row first

    bool IsEmpty() const { return colors.empty(); }
    COLORREF At(int x, int y) const
    {
        return colors[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                      static_cast<std::size_t>(x)];
    }
};

// The client area as painted, (0, 0) being the client origin. Pending paints of the window and
// its children are carried out first, so the image shows the window's current state. Empty for
// an invalid window or an empty client area.
Pixels CaptureClient(HWND hWnd);

// The whole window, non-client area included, (0, 0) being the window rectangle's top left.
Pixels CaptureWindow(HWND hWnd);

// Writes the image as an 8-bit RGB PNG file. False when the image is empty or the file cannot
// be written.
bool SavePng(const Pixels& pixels, const std::wstring& path);

} // namespace pgtest
