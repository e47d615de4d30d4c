// What the colour tests share: the chooser's controls, its palette's geometry, and the module's
// resources made current around a chooser, as its callers do.
#pragma once

#include <afxwin.h>

#include "Input.h"
#include "ModalTestSupport.h"

#include <string>

namespace colortest {

// Controls of the chooser: the system dialog's fields and button, and the module's own.
constexpr int kRedField = 706;
constexpr int kGreenField = 707;
constexpr int kBlueField = 708;
constexpr int kAddToCustomColors = 712;
constexpr int kAlphaField = 1006;
constexpr int kPalette = 9039;
constexpr int kDescription = 9040;
constexpr int kSaveButton = 9005;
constexpr int kLoadButton = 9003;

// A byte as the colour property reads it.
constexpr float kByteToUnit = 0.003921569f;

// The middle of palette entry nIndex, in the palette's client coordinates: 20 x 17 swatches on
// a 25 x 22 pitch, 8 in a row, 3 pixels in from the edge.
inline CPoint EntryCenter(int nIndex)
{
    return CPoint((nIndex % 8) * 25 + 3 + 10, (nIndex / 8) * 22 + 3 + 8);
}

inline bool ClickEntry(HWND hChooser, int nIndex)
{
    return pgtest::Click(::GetDlgItem(hChooser, kPalette), EntryCenter(nIndex));
}

// Ctrl+click: selects the entry without making it the chooser's colour.
inline bool CtrlClickEntry(HWND hChooser, int nIndex)
{
    return pgtest::KeyDown(VK_CONTROL) && ClickEntry(hChooser, nIndex) && pgtest::KeyUp(VK_CONTROL);
}

// Types red, green, blue and alpha into the chooser's fields.
inline bool TypeColor(HWND hChooser, const wchar_t* pszRed, const wchar_t* pszGreen,
                      const wchar_t* pszBlue, const wchar_t* pszAlpha)
{
    return pgtest::TypeIntoDlgItem(hChooser, kRedField, pszRed) &&
           pgtest::TypeIntoDlgItem(hChooser, kGreenField, pszGreen) &&
           pgtest::TypeIntoDlgItem(hChooser, kBlueField, pszBlue) &&
           pgtest::TypeIntoDlgItem(hChooser, kAlphaField, pszAlpha);
}

// The chooser's red, green, blue and alpha fields as one text.
inline std::wstring ShownColor(HWND hChooser)
{
    std::wstring text;
    for (int nID : {kRedField, kGreenField, kBlueField, kAlphaField}) {
        wchar_t szValue[16] = L"";
        ::GetDlgItemTextW(hChooser, nID, szValue, 16);
        text += (text.empty() ? L"" : L", ") + std::wstring(szValue);
    }
    return text;
}

// The module's resources are the current ones while the object lives.
class ModuleResources
{
public:
    ModuleResources() : m_hPrevious(AfxGetResourceHandle())
    {
        AfxSetResourceHandle(::GetModuleHandleW(L"Tarvex.PropertyGrid.dll"));
    }
    ~ModuleResources() { AfxSetResourceHandle(m_hPrevious); }
    ModuleResources(const ModuleResources&) = delete;
    ModuleResources& operator=(const ModuleResources&) = delete;

private:
    HINSTANCE m_hPrevious; // current before
};

} // namespace colortest
