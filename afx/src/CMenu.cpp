#include "AfxState.h"

using afx_internal::MenuMap;

IMPLEMENT_DYNAMIC(CMenu, CObject)

CMenu::~CMenu()
{
    DestroyMenu();
}

CMenu* PASCAL CMenu::FromHandle(HMENU hMenu)
{
    return MenuMap().FromHandle(hMenu);
}

BOOL CMenu::Attach(HMENU hMenu)
{
    if (hMenu == nullptr || m_hMenu != nullptr)
        return FALSE;
    m_hMenu = hMenu;
    if (MenuMap().LookupPermanent(hMenu) == nullptr)
        MenuMap().SetPermanent(hMenu, this);
    return TRUE;
}

HMENU CMenu::Detach()
{
    HMENU hMenu = m_hMenu;
    if (hMenu != nullptr && MenuMap().LookupPermanent(hMenu) == this)
        MenuMap().RemoveHandle(hMenu);
    m_hMenu = nullptr;
    return hMenu;
}

BOOL CMenu::LoadMenu(UINT nIDResource)
{
    LPCTSTR lpszName = MAKEINTRESOURCEW(nIDResource);
    return Attach(::LoadMenuW(AfxFindResourceHandle(lpszName, RT_MENU), lpszName));
}

BOOL CMenu::DestroyMenu()
{
    if (m_hMenu == nullptr)
        return FALSE;
    return ::DestroyMenu(Detach());
}

BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect)
{
    return ::TrackPopupMenu(m_hMenu, nFlags, x, y, 0, pWnd->GetSafeHwnd(), lpRect);
}

BOOL CMenu::TrackPopupMenuEx(UINT fuFlags, int x, int y, CWnd* pWnd, LPTPMPARAMS lptpm)
{
    return ::TrackPopupMenuEx(m_hMenu, fuFlags, x, y, pWnd->GetSafeHwnd(), lptpm);
}
