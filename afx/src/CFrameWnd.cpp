#include "AfxState.h"

IMPLEMENT_DYNAMIC(CFrameWnd, CWnd)

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
    ON_WM_INITMENUPOPUP()
END_MESSAGE_MAP()

const CRect CFrameWnd::rectDefault(CW_USEDEFAULT, CW_USEDEFAULT, 0, 0);

CFrameWnd::CFrameWnd() : m_bAutoMenuEnable(TRUE), m_hAccelTable(nullptr) {}

CFrameWnd::~CFrameWnd()
{
    if (m_hAccelTable != nullptr)
        ::DestroyAcceleratorTable(m_hAccelTable);
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == nullptr)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorW(nullptr, IDC_ARROW),
                                           reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    return TRUE;
}

BOOL CFrameWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                       const RECT& rect, CWnd* pParentWnd, LPCTSTR lpszMenuName, DWORD dwExStyle,
                       CCreateContext* pContext)
{
    HMENU hMenu = nullptr;
    if (lpszMenuName != nullptr) {
        hMenu = ::LoadMenuW(AfxFindResourceHandle(lpszMenuName, RT_MENU), lpszMenuName);
        if (hMenu == nullptr) {
            PostNcDestroy();
            return FALSE;
        }
    }
    // A default rectangle leaves position and size to the system.
    int nWidth = rect.left == CW_USEDEFAULT ? CW_USEDEFAULT : rect.right - rect.left;
    int nHeight = rect.left == CW_USEDEFAULT ? CW_USEDEFAULT : rect.bottom - rect.top;
    if (!CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top, nWidth,
                  nHeight, pParentWnd->GetSafeHwnd(), hMenu, pContext)) {
        if (hMenu != nullptr)
            ::DestroyMenu(hMenu);
        return FALSE;
    }
    return TRUE;
}

BOOL CFrameWnd::LoadAccelTable(LPCTSTR lpszResourceName)
{
    if (m_hAccelTable != nullptr)
        return FALSE; // the frame keeps the table it has
    m_hAccelTable = ::LoadAcceleratorsW(AfxFindResourceHandle(lpszResourceName, RT_ACCELERATOR),
                                        lpszResourceName);
    return m_hAccelTable != nullptr;
}

BOOL CFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;
    if (pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST)
        return FALSE;
    HACCEL hAccel = GetDefaultAccelerator();
    return hAccel != nullptr && ::TranslateAcceleratorW(m_hWnd, hAccel, pMsg);
}

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    CFrameWnd*& pRoutingFrame = afx_internal::Routing().pRoutingFrame;
    CFrameWnd* pOuterFrame = pRoutingFrame;
    pRoutingFrame = this;
    CWinApp* pApp = AfxGetApp();
    BOOL bHandled = CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo) ||
                    (pApp != nullptr && pApp->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo));
    pRoutingFrame = pOuterFrame;
    return bHandled;
}

// Every item of an opening popup asks its update handler; an item that opens a popup of its
// own asks for the first item of that popup and is never disabled automatically.
void CFrameWnd::OnInitMenuPopup(CMenu* pPopupMenu, UINT, BOOL bSysMenu)
{
    if (bSysMenu)
        return;
    CCmdUI state;
    state.m_pMenu = pPopupMenu;
    state.m_pParentMenu = GetMenu();
    state.m_nIndexMax = pPopupMenu->GetMenuItemCount();
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex) {
        state.m_nID = pPopupMenu->GetMenuItemID(int(state.m_nIndex));
        if (state.m_nID == 0)
            continue; // a separator
        if (state.m_nID == UINT(-1)) {
            state.m_pSubMenu = pPopupMenu->GetSubMenu(int(state.m_nIndex));
            if (state.m_pSubMenu == nullptr)
                continue;
            state.m_nID = state.m_pSubMenu->GetMenuItemID(0);
            if (state.m_nID == 0 || state.m_nID == UINT(-1))
                continue;
            state.DoUpdate(this, FALSE);
        } else {
            state.m_pSubMenu = nullptr;
            state.DoUpdate(this, m_bAutoMenuEnable && state.m_nID < 0xF000);
        }
        // An update handler may have removed or added items.
        UINT nCount = pPopupMenu->GetMenuItemCount();
        if (nCount < state.m_nIndexMax) {
            state.m_nIndex -= state.m_nIndexMax - nCount;
            while (state.m_nIndex < nCount &&
                   pPopupMenu->GetMenuItemID(int(state.m_nIndex)) == state.m_nID)
                ++state.m_nIndex;
        }
        state.m_nIndexMax = nCount;
    }
}

void CFrameWnd::PostNcDestroy()
{
    delete this;
}
