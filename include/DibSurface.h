// Off-screen drawing for the grid's rows and the colour palette.
#pragma once

#include <afxwin.h>

// An off-screen 32-bit drawing surface with its memory DC.
class AFX_EXT_CLASS CDibSurface
{
public:
    CDibSurface();
    ~CDibSurface();
    CDibSurface(const CDibSurface&) = delete;
    CDibSurface& operator=(const CDibSurface&) = delete;

    // Replaces the surface; false (and an empty surface) for depths other than 16, 24 and 32
    // or when the section or its DC cannot be made.
    bool CreateSurface(int width, int height, int bitsPerPixel);
    void ReleaseSurface();

    HBITMAP bitmap;    // the DIB section; null while there is no surface
    HGDIOBJ previous;  // the bitmap the DC held before the section was selected into it
    void* bits;        // the section's pixels, bottom row first
    BITMAP info;       // the section's size and depth as GDI reports them
    BITMAPINFO header; // how the section was asked for
    HDC dc;            // memory DC with the section selected; draw here
    int stride;        // bytes per row of pixels, padded to whole 32-bit words
};
