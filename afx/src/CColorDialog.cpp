#include "AfxState.h"

#include <afxdlgs.h>

#include <array>

IMPLEMENT_DYNAMIC(CColorDialog, CCommonDialog)

CColorDialog::CColorDialog(COLORREF clrInit, DWORD dwFlags, CWnd* pParentWnd)
    : CCommonDialog(pParentWnd), m_cc()
{
    m_cc.lStructSize = sizeof(m_cc);
    m_cc.lpCustColors = GetSavedCustomColors();
    m_cc.Flags = dwFlags | CC_ENABLEHOOK;
    m_cc.lpfnHook = &AfxCommDlgProc;
    m_cc.rgbResult = clrInit;
    if (clrInit != 0)
        m_cc.Flags |= CC_RGBINIT;
}

// The creation hook set by PreModal stays in place through ChooseColor: the dialog is the first
// window the system creates, and it becomes this object's from its first message.
INT_PTR CColorDialog::DoModal()
{
    m_cc.hwndOwner = PreModal();
    BOOL bResult = ::ChooseColorW(&m_cc);
    PostModal();
    return bResult ? IDOK : IDCANCEL;
}

void CColorDialog::SetCurrentColor(COLORREF clr)
{
    static const UINT nSetRGB = ::RegisterWindowMessageW(SETRGBSTRINGW);
    SendMessage(nSetRGB, 0, LPARAM(clr));
}

COLORREF* PASCAL CColorDialog::GetSavedCustomColors()
{
    static std::array<COLORREF, 16> s_Colors = [] {
        std::array<COLORREF, 16> colors;
        colors.fill(RGB(255, 255, 255));
        return colors;
    }();
    return s_Colors.data();
}

BOOL CColorDialog::OnColorOK()
{
    return FALSE;
}
