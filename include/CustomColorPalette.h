// The strip of 24 named custom colours in the colour chooser (CZNColorDialog).
#pragma once

#include <afxwin.h>

#include "DibSurface.h"

// What the palette tells its parent, sent as it happens.
#define CPM_APPLYCOLOR 0x464  // lParam: the selected entry's RGBA value; make it the current colour
#define CPM_SELCHANGE 0x465   // wParam: the newly selected entry
#define CPM_FOCUSCHANGE 0x466 // wParam: the entry the keyboard moved to
#define CPM_CLEARCOLOR 0x467  // wParam: the entry reset to opaque white

// The palette keeps 24 RGBA colours (red in the low byte, then green, blue, alpha) in three rows
// of bevelled swatches: a click selects an entry and makes it the chooser's colour (Ctrl+click
// only selects it), the arrow keys move the keyboard's entry, Space selects it and Delete resets
// it. It lives on an owner-drawn static control of the chooser, and reads and writes its colours
// in palette files (".ccp") and in the application's profile.
class AFX_EXT_CLASS CCustomColorPalette : public CStatic
{
    DECLARE_DYNAMIC(CCustomColorPalette)
public:
    CCustomColorPalette();

    // The selected entry takes the colour.
    void SetSelectedColor(DWORD dwColor);

    // Section "Colors" of a palette file, keys EntryKey(0) to EntryKey(23), each "%3d, %3d, %3d,
    // %3d" (red, green, blue, alpha). Loading reads missing keys and numbers as 255, then makes
    // the selected entry the chooser's colour. FALSE when a key could not be written.
    BOOL SaveToFile(LPCTSTR lpszPath);
    void LoadFromFile(LPCTSTR lpszPath);
    // The same in the application profile's section "Custom Colors"; nothing without an
    // application object.
    void SaveToProfile();
    void LoadFromProfile();

    // "Color00" to "Color23": the key of an entry in files and the profile.
    static CString EntryKey(int nIndex);
    // The application profile's section of the colours, shared with the chooser's descriptions.
    static constexpr const wchar_t* kProfileSection = L"Custom Colors";

protected:
    void PreSubclassWindow() override;

    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);

    DECLARE_MESSAGE_MAP()

private:
    CRect EntryRect(int nIndex) const;
    // The entry under a client point; -1 between and around the swatches.
    int EntryFromPoint(CPoint point) const;
    void DrawEntry(CDC& dc, int nIndex);
    void Notify(UINT nMessage, int nIndex);
    // The selected entry becomes the chooser's colour.
    void ApplySelected();
    void MoveFocus(int nIndex);
    // Reads an entry's text ("%d, %d, %d, %d", missing numbers 255) into m_Colors.
    void ReadEntry(int nIndex, const CString& strValue);
    CString EntryText(int nIndex) const;

    CPen m_ShadowPen;      // COLOR_BTNSHADOW: outer top and left edge
    CPen m_DarkShadowPen;  // COLOR_3DDKSHADOW: inner top and left edge
    CPen m_HighlightPen;   // COLOR_3DHILIGHT: outer bottom and right edge
    CPen m_LightPen;       // COLOR_3DLIGHT: inner bottom and right edge
    CDibSurface m_Surface; // the strip is painted here, then copied to the window
    int m_nCount;          // entries: 24
    int m_nColumns;        // entries in a row: 8
    DWORD m_Colors[24];    // RGBA per entry
    int m_nSelected;       // the entry the chooser works on
    int m_nFocus;          // the entry the keyboard is on
};
