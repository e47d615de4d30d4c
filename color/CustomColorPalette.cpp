#include <CustomColorPalette.h>

#include <algorithm>
#include <iterator>
#include <stdio.h>

namespace {

constexpr DWORD kWhite = 0xFFFFFFFF;
// Swatches of 20 x 17 pixels on a pitch of 25 x 22, three pixels in from the control's edge.
constexpr int kPitchX = 25;
constexpr int kPitchY = 22;
constexpr int kSwatchWidth = 20;
constexpr int kSwatchHeight = 17;
constexpr int kMargin = 3;

constexpr wchar_t kFileSection[] = L"Colors";
constexpr wchar_t kEntryFormat[] = L"%3d, %3d, %3d, %3d";
// What a missing key reads as, and the longest entry text read.
constexpr wchar_t kMissingEntry[] = L"255, 255, 255, 255";
constexpr DWORD kLongestEntry = 127;

bool IsCtrlDown()
{
    return (::GetAsyncKeyState(VK_CONTROL) & 0x8000) != 0;
}

} // namespace

IMPLEMENT_DYNAMIC(CCustomColorPalette, CStatic)

BEGIN_MESSAGE_MAP(CCustomColorPalette, CStatic)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_WM_LBUTTONDOWN()
    ON_WM_KEYDOWN()
END_MESSAGE_MAP()

CCustomColorPalette::CCustomColorPalette()
    : m_ShadowPen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNSHADOW)),
      m_DarkShadowPen(PS_SOLID, 1, ::GetSysColor(COLOR_3DDKSHADOW)),
      m_HighlightPen(PS_SOLID, 1, ::GetSysColor(COLOR_3DHILIGHT)),
      m_LightPen(PS_SOLID, 1, ::GetSysColor(COLOR_3DLIGHT)), m_nCount(24), m_nColumns(8),
      m_nSelected(0), m_nFocus(0)
{
    std::fill(std::begin(m_Colors), std::end(m_Colors), kWhite);
}

void CCustomColorPalette::PreSubclassWindow()
{
    CStatic::PreSubclassWindow();
    CRect rcClient;
    GetClientRect(&rcClient);
    m_Surface.CreateSurface(rcClient.Width(), rcClient.Height(), 32);
}

CString CCustomColorPalette::EntryKey(int nIndex)
{
    CString strKey;
    strKey.Format(L"Color%.2d", nIndex);
    return strKey;
}

//---------------------------------------------------------------------------------------------
// Files and profile

CString CCustomColorPalette::EntryText(int nIndex) const
{
    DWORD dwColor = m_Colors[nIndex];
    CString strText;
    strText.Format(kEntryFormat, int(dwColor & 0xFF), int((dwColor >> 8) & 0xFF),
                   int((dwColor >> 16) & 0xFF), int(dwColor >> 24));
    return strText;
}

void CCustomColorPalette::ReadEntry(int nIndex, const CString& strValue)
{
    int channels[4] = {255, 255, 255, 255};
    __ms_swscanf(strValue, L"%d, %d, %d, %d", &channels[0], &channels[1], &channels[2],
                 &channels[3]);
    m_Colors[nIndex] = DWORD(channels[0] & 0xFF) | DWORD(channels[1] & 0xFF) << 8 |
                       DWORD(channels[2] & 0xFF) << 16 | DWORD(channels[3] & 0xFF) << 24;
}

BOOL CCustomColorPalette::SaveToFile(LPCTSTR lpszPath)
{
    BOOL bWritten = TRUE;
    for (int i = 0; i < m_nCount; ++i)
        bWritten &= ::WritePrivateProfileStringW(kFileSection, EntryKey(i), EntryText(i), lpszPath);
    return bWritten;
}

void CCustomColorPalette::LoadFromFile(LPCTSTR lpszPath)
{
    for (int i = 0; i < m_nCount; ++i) {
        wchar_t szValue[kLongestEntry + 1] = L"";
        ::GetPrivateProfileStringW(kFileSection, EntryKey(i), kMissingEntry, szValue,
                                   kLongestEntry + 1, lpszPath);
        ReadEntry(i, szValue);
    }
    Invalidate(FALSE);
    ApplySelected();
}

void CCustomColorPalette::SaveToProfile()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
        return;
    for (int i = 0; i < m_nCount; ++i)
        pApp->WriteProfileString(kProfileSection, EntryKey(i), EntryText(i));
}

void CCustomColorPalette::LoadFromProfile()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
        return;
    for (int i = 0; i < m_nCount; ++i)
        ReadEntry(i, pApp->GetProfileString(kProfileSection, EntryKey(i), kMissingEntry));
    if (m_hWnd != nullptr)
        Invalidate(FALSE);
}

//---------------------------------------------------------------------------------------------
// Painting

CRect CCustomColorPalette::EntryRect(int nIndex) const
{
    int nLeft = (nIndex % m_nColumns) * kPitchX + kMargin;
    int nTop = (nIndex / m_nColumns) * kPitchY + kMargin;
    return CRect(nLeft, nTop, nLeft + kSwatchWidth, nTop + kSwatchHeight);
}

int CCustomColorPalette::EntryFromPoint(CPoint point) const
{
    for (int i = 0; i < m_nCount; ++i) {
        if (EntryRect(i).PtInRect(point))
            return i;
    }
    return -1;
}

BOOL CCustomColorPalette::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CCustomColorPalette::OnPaint()
{
    CPaintDC dc(this);
    CDC* pSurface = CDC::FromHandle(m_Surface.dc);
    if (m_Surface.dc == nullptr)
        return;
    CRect rcSurface(0, 0, m_Surface.info.bmWidth, m_Surface.info.bmHeight);
    ::FillRect(m_Surface.dc, &rcSurface, ::GetSysColorBrush(COLOR_BTNFACE));
    for (int i = 0; i < m_nCount; ++i)
        DrawEntry(*pSurface, i);
    dc.BitBlt(0, 0, rcSurface.Width(), rcSurface.Height(), pSurface, 0, 0, SRCCOPY);
}

// A sunken bevel of two pixels around the colour (alpha does not show), a black frame around
// the selected entry and a focus rectangle around the keyboard's.
void CCustomColorPalette::DrawEntry(CDC& dc, int nIndex)
{
    CRect rc = EntryRect(nIndex);
    CPen* pOldPen = dc.SelectObject(&m_ShadowPen);
    dc.MoveTo(rc.left, rc.top);
    dc.LineTo(rc.right - 1, rc.top);
    dc.MoveTo(rc.left, rc.top);
    dc.LineTo(rc.left, rc.bottom - 1);
    dc.SelectObject(&m_DarkShadowPen);
    dc.MoveTo(rc.left + 1, rc.top + 1);
    dc.LineTo(rc.right - 2, rc.top + 1);
    dc.MoveTo(rc.left + 1, rc.top + 1);
    dc.LineTo(rc.left + 1, rc.bottom - 2);
    dc.SelectObject(&m_HighlightPen);
    dc.MoveTo(rc.right - 1, rc.bottom - 1);
    dc.LineTo(rc.left - 1, rc.bottom - 1);
    dc.MoveTo(rc.right - 1, rc.bottom - 1);
    dc.LineTo(rc.right - 1, rc.top - 1);
    dc.SelectObject(&m_LightPen);
    dc.MoveTo(rc.right - 2, rc.bottom - 2);
    dc.LineTo(rc.left + 2, rc.bottom - 2);
    dc.MoveTo(rc.right - 2, rc.bottom - 2);
    dc.LineTo(rc.right - 2, rc.top + 2);

    CRect rcColor = rc;
    rcColor.DeflateRect(2, 2);
    CBrush brush(COLORREF(m_Colors[nIndex] & 0x00FFFFFF));
    dc.FillRect(&rcColor, &brush);

    if (nIndex == m_nSelected) {
        dc.SelectStockObject(BLACK_PEN);
        CGdiObject* pOldBrush = dc.SelectStockObject(HOLLOW_BRUSH);
        dc.Rectangle(rc.left - 1, rc.top - 1, rc.right + 1, rc.bottom + 1);
        dc.SelectObject(pOldBrush);
    }
    dc.SelectObject(pOldPen);
    if (nIndex == m_nFocus && ::GetFocus() == m_hWnd) {
        CRect rcFocus = rc;
        rcFocus.InflateRect(3, 3);
        dc.DrawFocusRect(&rcFocus);
    }
}

void CCustomColorPalette::OnSetFocus(CWnd* pOldWnd)
{
    CStatic::OnSetFocus(pOldWnd);
    Invalidate(FALSE);
}

void CCustomColorPalette::OnKillFocus(CWnd* pNewWnd)
{
    CStatic::OnKillFocus(pNewWnd);
    Invalidate(FALSE);
}

//---------------------------------------------------------------------------------------------
// Selection, mouse and keys

void CCustomColorPalette::SetSelectedColor(DWORD dwColor)
{
    m_Colors[m_nSelected] = dwColor;
    Invalidate(FALSE);
}

void CCustomColorPalette::Notify(UINT nMessage, int nIndex)
{
    GetParent()->SendMessage(nMessage, WPARAM(nIndex));
}

void CCustomColorPalette::ApplySelected()
{
    GetParent()->SendMessage(CPM_APPLYCOLOR, 0, reinterpret_cast<LPARAM>(&m_Colors[m_nSelected]));
}

void CCustomColorPalette::MoveFocus(int nIndex)
{
    m_nFocus = nIndex;
    Notify(CPM_FOCUSCHANGE, m_nFocus);
    Invalidate(FALSE);
}

// Ctrl+click only selects: the entry is then, for instance, where "Add to Custom Colors" puts
// the chooser's colour.
void CCustomColorPalette::OnLButtonDown(UINT nFlags, CPoint point)
{
    int nEntry = EntryFromPoint(point);
    if (nEntry < 0) {
        CStatic::OnLButtonDown(nFlags, point);
        return;
    }
    SetFocus();
    bool bChanged = false;
    if (nEntry != m_nFocus) {
        m_nFocus = nEntry;
        Notify(CPM_FOCUSCHANGE, m_nFocus);
        bChanged = true;
    }
    if (nEntry != m_nSelected) {
        m_nSelected = nEntry;
        Notify(CPM_SELCHANGE, m_nSelected);
        bChanged = true;
    }
    if (!IsCtrlDown())
        ApplySelected();
    if (bChanged)
        Invalidate(FALSE);
}

void CCustomColorPalette::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    int nColumn = m_nFocus % m_nColumns;
    int nRow = m_nFocus / m_nColumns;
    switch (nChar) {
    case VK_LEFT:
        if (nColumn > 0)
            MoveFocus(m_nFocus - 1);
        break;
    case VK_RIGHT:
        if (nColumn + 1 < m_nColumns)
            MoveFocus(m_nFocus + 1);
        break;
    case VK_UP:
        if (nRow > 0)
            MoveFocus(m_nFocus - m_nColumns);
        break;
    case VK_DOWN:
        if (nRow + 1 < m_nCount / m_nColumns)
            MoveFocus(m_nFocus + m_nColumns);
        break;
    case VK_SPACE:
        if (m_nFocus != m_nSelected) {
            m_nSelected = m_nFocus;
            Notify(CPM_SELCHANGE, m_nSelected);
            Invalidate(FALSE);
            if (!IsCtrlDown())
                ApplySelected();
        }
        break;
    case VK_DELETE:
        m_Colors[m_nFocus] = kWhite;
        if (m_nFocus == m_nSelected)
            ApplySelected();
        Notify(CPM_CLEARCOLOR, m_nFocus);
        Invalidate(FALSE);
        break;
    default:
        break;
    }
    CStatic::OnKeyDown(nChar, nRepCnt, nFlags);
}
