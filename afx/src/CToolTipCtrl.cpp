#include <afxcmn.h>

IMPLEMENT_DYNAMIC(CToolTipCtrl, CWnd)

BOOL CToolTipCtrl::Create(CWnd* pParentWnd, DWORD dwStyle)
{
    BOOL bResult = CWnd::CreateEx(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | dwStyle,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                  pParentWnd->GetSafeHwnd(), nullptr);
    if (bResult)
        SetOwner(pParentWnd);
    return bResult;
}

void CToolTipCtrl::FillInToolInfo(TOOLINFO& ti, CWnd* pWnd, UINT_PTR nIDTool) const
{
    ti = {};
    ti.cbSize = TTTOOLINFOW_V2_SIZE;
    ti.hwnd = pWnd->GetSafeHwnd();
    if (nIDTool == 0) {
        // Without an id the tool is the whole window.
        ti.hwnd = ::GetParent(pWnd->GetSafeHwnd());
        ti.uFlags = TTF_IDISHWND;
        ti.uId = reinterpret_cast<UINT_PTR>(pWnd->GetSafeHwnd());
    } else {
        ti.uId = nIDTool;
    }
}

// The tool's window does not pass its mouse messages on by itself: whoever adds a tool relays
// them with RelayEvent (from PreTranslateMessage), as with MFC.
BOOL CToolTipCtrl::AddTool(CWnd* pWnd, LPCTSTR lpszText, LPCRECT lpRectTool, UINT_PTR nIDTool)
{
    TOOLINFO ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    if (lpRectTool != nullptr)
        ti.rect = *lpRectTool;
    ti.lpszText = const_cast<LPTSTR>(lpszText);
    return BOOL(SendMessage(TTM_ADDTOOL, 0, reinterpret_cast<LPARAM>(&ti)));
}

void CToolTipCtrl::DelTool(CWnd* pWnd, UINT_PTR nIDTool)
{
    TOOLINFO ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    SendMessage(TTM_DELTOOL, 0, reinterpret_cast<LPARAM>(&ti));
}

void CToolTipCtrl::UpdateTipText(LPCTSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool)
{
    TOOLINFO ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    ti.lpszText = const_cast<LPTSTR>(lpszText);
    SendMessage(TTM_UPDATETIPTEXT, 0, reinterpret_cast<LPARAM>(&ti));
}

void CToolTipCtrl::GetText(CString& str, CWnd* pWnd, UINT_PTR nIDTool) const
{
    // The control copies at most 80 characters unless asked with TTM_GETTEXT's length form.
    TOOLINFO ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    constexpr int kMaxText = 1024;
    ti.lpszText = str.GetBuffer(kMaxText);
    SendMessage(TTM_GETTEXT, kMaxText + 1, reinterpret_cast<LPARAM>(&ti));
    str.ReleaseBuffer();
}
