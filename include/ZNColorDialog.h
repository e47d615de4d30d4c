// The colour chooser: the system's colour dialog with alpha and a strip of named custom colours.
#pragma once

#include <afxdlgs.h>

#include "CustomColorPalette.h"

// A flag of CZNColorDialog's own beside the CC_ flags: the caller edits alpha. Without it the
// chooser starts with alpha 255 whatever the initial colour says.
#define ZNCC_EDITALPHA 0x80000000u

// The system's colour dialog shown with the module's template: an alpha field, 24 custom
// colours with a description each, kept in the application profile (section "Custom Colors",
// saved when the user presses OK) and in palette files (".ccp") the user loads and saves. Colours
// are RGBA: red in the low byte, then green, blue, alpha in the high byte. Only one chooser is
// open at a time in a process.
//
// The caller makes the module's resources the current ones (AfxSetResourceHandle) around the
// construction and DoModal, so that the template and its icons are found.
class AFX_EXT_CLASS CZNColorDialog : public CColorDialog
{
    DECLARE_DYNAMIC(CZNColorDialog)
public:
    CZNColorDialog(DWORD dwColor, DWORD dwFlags, CWnd* pParentWnd = nullptr);

    // IDOK when the user confirmed (m_clrResult holds the colour), otherwise IDCANCEL. While
    // another chooser is open this one does not open: it answers IDCANCEL and brings the open
    // one to the front.
    INT_PTR DoModal() override;

    // The palette's colours and descriptions from and to the application profile, and from and
    // to a palette file the user chooses.
    virtual void LoadProfileColors();
    virtual void SaveProfileColors();
    virtual void LoadPaletteFile();
    virtual void SavePaletteFile();

    CCustomColorPalette m_Palette; // the strip, on control IDC_COLORDIALOG_PALETTE
    CString m_Descriptions[24];    // one per palette entry
    int m_nCurrentIndex;           // the entry whose description shows
    DWORD m_clrResult;             // the initial colour, then the chosen one

private:
    static UINT_PTR CALLBACK HookProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK MessageHookProc(int nCode, WPARAM wParam, LPARAM lParam);

    void OnInitChooser(HWND hDlg);
    void OnCommand(UINT nID, UINT nCode);
    void OnDestroyChooser();
    void OnApplyColor(const DWORD* pColor);
    void OnSelectEntry(int nIndex);
    void OnClearEntry(int nIndex);
    // OK pressed: the chosen colour from the fields, and the palette into the profile.
    void OnColorAccepted();
    HBRUSH OnDescriptionColor(HDC hDC);

    void ShowDescription();
    void StoreDescription();
    void ClampAlpha();
    void AddToPalette();
    int FieldValue(int nID) const;
    void SetFieldValue(int nID, int nValue);
};
