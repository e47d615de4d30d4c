// Windows framework: command targets, windows, dialogs, controls, the application object and
// extension modules.
#pragma once

#include "afx.h"
#include "atltypes.h"
#include "afxgdi.h"
#include "afxmsg_.h"

class CWnd;
class CCmdUI;
class CMenu;
class CScrollBar;
class CWinThread;
class CWinApp;
class CListBox;
class CDataExchange;

// Standard command ids (afxres.h carries them for resource scripts as well).
#include "afxres.h"

//---------------------------------------------------------------------------------------------
// Command targets

// Filled by OnCmdMsg when it is only asked whether a handler exists.
struct AFX_CMDHANDLERINFO
{
    CCmdTarget* pTarget;
};

class AFX_CORE_API CCmdTarget : public CObject
{
    DECLARE_DYNAMIC(CCmdTarget)
public:
    CCmdTarget() = default;

    // Routes a command (nCode CN_COMMAND or a control notification, with the message number
    // in the high word for reflected ones) or an update query (CN_UPDATE_COMMAND_UI with a
    // CCmdUI* in pExtra) through this object's message map. With pHandlerInfo the handler is
    // only looked for, not called.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

protected:
    static const AFX_MSGMAP* PASCAL GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;

    static const AFX_MSGMAP_ENTRY* FindMessageEntry(const AFX_MSGMAP_ENTRY* lpEntry, UINT nMsg,
                                                    UINT nCode, UINT nID);
};

// The state of one user-interface element asked whether a command is available.
class AFX_CORE_API CCmdUI
{
public:
    CCmdUI();
    virtual ~CCmdUI() = default;

    UINT m_nID;
    UINT m_nIndex;        // position of the item in m_pMenu
    CMenu* m_pMenu;       // the menu that shows the command, if any
    CMenu* m_pSubMenu;    // the popup of the item, when the item opens one
    CMenu* m_pParentMenu; // the menu bar holding m_pMenu, if any
    CWnd* m_pOther;       // the control or window that shows the command, if any
    BOOL m_bEnableChanged;
    BOOL m_bContinueRouting;
    UINT m_nIndexMax; // number of items in m_pMenu

    virtual void Enable(BOOL bOn = TRUE);
    virtual void SetCheck(int nCheck = 1);
    virtual void SetText(LPCTSTR lpszText);
    void SetRadio(BOOL bOn = TRUE) { SetCheck(bOn ? 1 : 0); }
    void ContinueRouting() { m_bContinueRouting = TRUE; }

    // Asks pTarget's handlers; without one, the element is disabled when bDisableIfNoHndler.
    BOOL DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);

private:
    bool IsMenuItem() const;
};

//---------------------------------------------------------------------------------------------
// Menus

class AFX_CORE_API CMenu : public CObject
{
    DECLARE_DYNAMIC(CMenu)
public:
    CMenu() : m_hMenu(nullptr) {}
    ~CMenu() override;

    HMENU m_hMenu;

    operator HMENU() const { return m_hMenu; }
    HMENU GetSafeHmenu() const { return SafeHmenu(this); }
    static HMENU SafeHmenu(const CMenu* pMenu)
    {
        return pMenu == nullptr ? nullptr : pMenu->m_hMenu;
    }
    static CMenu* PASCAL FromHandle(HMENU hMenu);
    BOOL Attach(HMENU hMenu);
    HMENU Detach();

    BOOL CreateMenu() { return Attach(::CreateMenu()); }
    BOOL CreatePopupMenu() { return Attach(::CreatePopupMenu()); }
    BOOL LoadMenu(UINT nIDResource);
    BOOL DestroyMenu();

    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, LPCTSTR lpszNewItem = nullptr)
    {
        return ::AppendMenuW(m_hMenu, nFlags, nIDNewItem, lpszNewItem);
    }
    UINT EnableMenuItem(UINT nIDEnableItem, UINT nEnable)
    {
        return ::EnableMenuItem(m_hMenu, nIDEnableItem, nEnable);
    }
    DWORD CheckMenuItem(UINT nIDCheckItem, UINT nCheck)
    {
        return ::CheckMenuItem(m_hMenu, nIDCheckItem, nCheck);
    }
    UINT GetMenuState(UINT nID, UINT nFlags) const { return ::GetMenuState(m_hMenu, nID, nFlags); }
    UINT GetMenuItemCount() const { return UINT(::GetMenuItemCount(m_hMenu)); }
    UINT GetMenuItemID(int nPos) const { return ::GetMenuItemID(m_hMenu, nPos); }
    CMenu* GetSubMenu(int nPos) const { return FromHandle(::GetSubMenu(m_hMenu, nPos)); }
    BOOL ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem = 0,
                    LPCTSTR lpszNewItem = nullptr)
    {
        return ::ModifyMenuW(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
    }

    // Shows the menu at a screen point until the user chooses or cancels; the choice reaches
    // pWnd as WM_COMMAND, or is the result with TPM_RETURNCMD.
    BOOL TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect = nullptr);
    BOOL TrackPopupMenuEx(UINT fuFlags, int x, int y, CWnd* pWnd, LPTPMPARAMS lptpm);
};

//---------------------------------------------------------------------------------------------
// Windows

// CWnd::m_nFlags
#define WF_TOOLTIPS 0x0001      // the window shows tool tips (EnableToolTips)
#define WF_MODALLOOP 0x0008     // RunModalLoop is running for the window
#define WF_CONTINUEMODAL 0x0010 // the modal loop goes on until EndModalLoop

// RunModalLoop's flags
#define MLF_NOIDLEMSG 0x0001  // no WM_ENTERIDLE to the parent
#define MLF_NOKICKIDLE 0x0002 // no WM_KICKIDLE to the window
#define MLF_SHOWONIDLE 0x0004 // show the window when the queue first runs empty

// TOOLINFO flags that OnToolHitTest may set for the framework; the framework clears them
// before the tool reaches the tool-tip control.
#define TTF_NOTBUTTON 0x80000000L // the tool is no button
#define TTF_ALWAYSTIP 0x40000000L // show the tip even when the window's top-level is inactive

class AFX_CORE_API CWnd : public CCmdTarget
{
    DECLARE_DYNAMIC(CWnd)
public:
    CWnd();
    explicit CWnd(HWND hWnd); // only for the special insert-after windows below
    ~CWnd() override;

    HWND m_hWnd;
    UINT m_nFlags; // WF_ state bits

    static const CWnd wndTop;
    static const CWnd wndBottom;
    static const CWnd wndTopMost;
    static const CWnd wndNoTopMost;

    // MFC code asks null window pointers for their handle (pParent->GetSafeHwnd()); the build
    // keeps such checks with -fno-delete-null-pointer-checks.
    operator HWND() const { return GetSafeHwnd(); }
    HWND GetSafeHwnd() const { return SafeHwnd(this); }
    static HWND SafeHwnd(const CWnd* pWnd) { return pWnd == nullptr ? nullptr : pWnd->m_hWnd; }

    // Handle map
    static CWnd* PASCAL FromHandle(HWND hWnd);
    static CWnd* PASCAL FromHandlePermanent(HWND hWnd);
    static void PASCAL DeleteTempMap();
    BOOL Attach(HWND hWndNew);
    HWND Detach();
    BOOL SubclassWindow(HWND hWnd);
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
    HWND UnsubclassWindow();

    // Creation and destruction
    virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                        const RECT& rect, CWnd* pParentWnd, UINT nID, void* pContext = nullptr);
    virtual BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName,
                          DWORD dwStyle, int x, int y, int nWidth, int nHeight, HWND hWndParent,
                          HMENU nIDorHMenu, LPVOID lpParam = nullptr);
    BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                  const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam = nullptr);
    virtual BOOL DestroyWindow();

    // Message handling
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    virtual void PreSubclassWindow();
    virtual void PostNcDestroy();
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // Offers a WM_NOTIFY to the control that sent it (reflection), then to this window's
    // ON_NOTIFY entries.
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    LRESULT Default();
    static BOOL PASCAL WalkPreTranslateTree(HWND hWndStop, MSG* pMsg);
    static BOOL PASCAL ReflectLastMsg(HWND hWndChild, LRESULT* pResult = nullptr);
    BOOL SendChildNotifyLastMsg(LRESULT* pResult = nullptr);
    BOOL ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    BOOL PreTranslateInput(LPMSG lpMsg);
    BOOL IsDialogMessage(LPMSG lpMsg) { return ::IsDialogMessageW(m_hWnd, lpMsg); }

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendMessageW(m_hWnd, message, wParam, lParam);
    }
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::PostMessageW(m_hWnd, message, wParam, lParam);
    }

    // Styles
    DWORD GetStyle() const { return DWORD(::GetWindowLongPtrW(m_hWnd, GWL_STYLE)); }
    DWORD GetExStyle() const { return DWORD(::GetWindowLongPtrW(m_hWnd, GWL_EXSTYLE)); }
    BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    BOOL ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    static BOOL PASCAL ModifyStyle(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags);
    static BOOL PASCAL ModifyStyleEx(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags);

    // Relatives
    CWnd* GetParent() const { return FromHandle(::GetParent(m_hWnd)); }
    CWnd* SetParent(CWnd* pWndNewParent)
    {
        return FromHandle(::SetParent(m_hWnd, pWndNewParent->GetSafeHwnd()));
    }
    CWnd* GetOwner() const;
    void SetOwner(CWnd* pOwnerWnd) { m_hWndOwner = pOwnerWnd->GetSafeHwnd(); }
    CWnd* GetTopLevelParent() const;
    CWnd* GetDlgItem(int nID) const { return FromHandle(::GetDlgItem(m_hWnd, nID)); }
    int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
    int SetDlgCtrlID(int nID) { return int(::SetWindowLongPtrW(m_hWnd, GWLP_ID, nID)); }
    CWnd* GetDescendantWindow(int nID, BOOL bOnlyPerm = FALSE) const;
    CWnd* GetWindow(UINT nCmd) const { return FromHandle(::GetWindow(m_hWnd, nCmd)); }
    BOOL IsChild(const CWnd* pWnd) const { return ::IsChild(m_hWnd, pWnd->GetSafeHwnd()); }
    CWnd* GetLastActivePopup() const { return FromHandle(::GetLastActivePopup(m_hWnd)); }
    static CWnd* PASCAL GetForegroundWindow() { return FromHandle(::GetForegroundWindow()); }
    static CWnd* PASCAL GetActiveWindow() { return FromHandle(::GetActiveWindow()); }
    void SendMessageToDescendants(UINT message, WPARAM wParam = 0, LPARAM lParam = 0,
                                  BOOL bDeep = TRUE, BOOL bOnlyPerm = FALSE);
    static void PASCAL SendMessageToDescendants(HWND hWnd, UINT message, WPARAM wParam,
                                                LPARAM lParam, BOOL bDeep, BOOL bOnlyPerm);

    // The window that owns a new popup, such as a modal dialog or a message box: pParent's
    // top-level window, or without a parent the last active popup of the frame routing the
    // current command (else of the main window). With pWndTop, the top of that owner's chain is
    // disabled too, unless it is the owner itself, and stored there for the caller to enable
    // again; otherwise *pWndTop is null.
    static CWnd* PASCAL GetSafeOwner(CWnd* pParent = nullptr, HWND* pWndTop = nullptr);
    static HWND PASCAL GetSafeOwner_(HWND hParent, HWND* pWndTop);

    // Position and size
    BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags)
    {
        return ::SetWindowPos(m_hWnd, pWndInsertAfter->GetSafeHwnd(), x, y, cx, cy, nFlags);
    }
    void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE)
    {
        ::MoveWindow(m_hWnd, x, y, nWidth, nHeight, bRepaint);
    }
    void MoveWindow(LPCRECT lpRect, BOOL bRepaint = TRUE)
    {
        MoveWindow(lpRect->left, lpRect->top, lpRect->right - lpRect->left,
                   lpRect->bottom - lpRect->top, bRepaint);
    }
    void GetWindowRect(LPRECT lpRect) const { ::GetWindowRect(m_hWnd, lpRect); }
    void GetClientRect(LPRECT lpRect) const { ::GetClientRect(m_hWnd, lpRect); }
    void ClientToScreen(LPPOINT lpPoint) const { ::ClientToScreen(m_hWnd, lpPoint); }
    void ClientToScreen(LPRECT lpRect) const;
    void ScreenToClient(LPPOINT lpPoint) const { ::ScreenToClient(m_hWnd, lpPoint); }
    void ScreenToClient(LPRECT lpRect) const;
    void MapWindowPoints(CWnd* pwndTo, LPPOINT lpPoint, UINT nCount) const
    {
        ::MapWindowPoints(m_hWnd, pwndTo->GetSafeHwnd(), lpPoint, nCount);
    }
    void MapWindowPoints(CWnd* pwndTo, LPRECT lpRect) const
    {
        ::MapWindowPoints(m_hWnd, pwndTo->GetSafeHwnd(), reinterpret_cast<LPPOINT>(lpRect), 2);
    }
    void CenterWindow(CWnd* pAlternateOwner = nullptr);
    CWnd* ChildWindowFromPoint(POINT point) const
    {
        return FromHandle(::ChildWindowFromPoint(m_hWnd, point));
    }
    static CWnd* PASCAL WindowFromPoint(POINT point)
    {
        return FromHandle(::WindowFromPoint(point));
    }

    // State
    BOOL ShowWindow(int nCmdShow) { return ::ShowWindow(m_hWnd, nCmdShow); }
    BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
    BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
    BOOL EnableWindow(BOOL bEnable = TRUE) { return ::EnableWindow(m_hWnd, bEnable); }
    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
    BOOL IsZoomed() const { return ::IsZoomed(m_hWnd); }

    // Painting
    void Invalidate(BOOL bErase = TRUE) { ::InvalidateRect(m_hWnd, nullptr, bErase); }
    void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE)
    {
        ::InvalidateRect(m_hWnd, lpRect, bErase);
    }
    void ValidateRect(LPCRECT lpRect) { ::ValidateRect(m_hWnd, lpRect); }
    void UpdateWindow() { ::UpdateWindow(m_hWnd); }
    BOOL RedrawWindow(LPCRECT lpRectUpdate = nullptr, CRgn* prgnUpdate = nullptr,
                      UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE)
    {
        HRGN hRgn = prgnUpdate == nullptr ? nullptr : static_cast<HRGN>(prgnUpdate->m_hObject);
        return ::RedrawWindow(m_hWnd, lpRectUpdate, hRgn, flags);
    }
    void SetRedraw(BOOL bRedraw = TRUE) { SendMessage(WM_SETREDRAW, bRedraw, 0); }
    CDC* GetDC() { return CDC::FromHandle(::GetDC(m_hWnd)); }
    CDC* GetWindowDC() { return CDC::FromHandle(::GetWindowDC(m_hWnd)); }
    int ReleaseDC(CDC* pDC) { return ::ReleaseDC(m_hWnd, pDC->GetSafeHdc()); }
    CDC* BeginPaint(LPPAINTSTRUCT lpPaint)
    {
        return CDC::FromHandle(::BeginPaint(m_hWnd, lpPaint));
    }
    void EndPaint(LPPAINTSTRUCT lpPaint) { ::EndPaint(m_hWnd, lpPaint); }

    // Focus, capture, timers
    CWnd* SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }
    static CWnd* PASCAL GetFocus() { return FromHandle(::GetFocus()); }
    CWnd* SetCapture() { return FromHandle(::SetCapture(m_hWnd)); }
    static CWnd* PASCAL GetCapture() { return FromHandle(::GetCapture()); }
    CWnd* SetActiveWindow() { return FromHandle(::SetActiveWindow(m_hWnd)); }
    BOOL SetForegroundWindow() { return ::SetForegroundWindow(m_hWnd); }

    UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC lpfnTimer = nullptr)
    {
        return ::SetTimer(m_hWnd, nIDEvent, nElapse, lpfnTimer);
    }
    BOOL KillTimer(UINT_PTR nIDEvent) { return ::KillTimer(m_hWnd, nIDEvent); }

    // Text and font
    void SetWindowText(LPCTSTR lpszString) { ::SetWindowTextW(m_hWnd, lpszString); }
    int GetWindowText(LPTSTR lpszStringBuf, int nMaxCount) const
    {
        return ::GetWindowTextW(m_hWnd, lpszStringBuf, nMaxCount);
    }
    void GetWindowText(CString& rString) const;
    int GetWindowTextLength() const { return ::GetWindowTextLengthW(m_hWnd); }
    void SetFont(CFont* pFont, BOOL bRedraw = TRUE)
    {
        SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(pFont->GetSafeHandle()), bRedraw);
    }
    CFont* GetFont() const;
    void SetDlgItemText(int nID, LPCTSTR lpszString) { ::SetDlgItemTextW(m_hWnd, nID, lpszString); }
    int GetDlgItemText(int nID, CString& rString) const;
    LRESULT SendDlgItemMessage(int nID, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendDlgItemMessageW(m_hWnd, nID, message, wParam, lParam);
    }

    // A message box owned by this window, titled with the application's name by default.
    int MessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption = nullptr, UINT nType = MB_OK);

    // Dialog data: DoDataExchange moves it between the controls and the members. Control
    // notifications to this window are ignored meanwhile. FALSE when a validation failed.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    // Asks pTarget's update handlers (ON_UPDATE_COMMAND_UI) about every child control, as
    // menu items are asked; a control's own reflected handler, then this window's, come first.
    void UpdateDialogControls(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);

    // A modal message loop for this window that pumps the thread's messages until
    // EndModalLoop; it sends WM_KICKIDLE (lParam: the idle count) while the queue is empty.
    int RunModalLoop(DWORD dwFlags = 0);
    virtual BOOL ContinueModal();
    virtual void EndModalLoop(int nResult);

    // Tool tips: the framework shows one tool at a time for the window under the mouse, as
    // OnToolHitTest describes it, in the thread's tool-tip control.
    BOOL EnableToolTips(BOOL bEnable = TRUE);
    virtual INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const;
    void FilterToolTipMessage(MSG* pMsg);
    static void PASCAL CancelToolTips(BOOL bKeys = FALSE);
    CWnd* GetParentOwner() const;
    BOOL IsTopParentActive() const;

    CMenu* GetMenu() const { return CMenu::FromHandle(::GetMenu(m_hWnd)); }
    BOOL SetMenu(CMenu* pMenu) { return ::SetMenu(m_hWnd, pMenu->GetSafeHmenu()); }

    // Window properties
    BOOL SetProp(LPCTSTR lpString, HANDLE hData) { return ::SetPropW(m_hWnd, lpString, hData); }
    HANDLE GetProp(LPCTSTR lpString) const { return ::GetPropW(m_hWnd, lpString); }
    HANDLE RemoveProp(LPCTSTR lpString) { return ::RemovePropW(m_hWnd, lpString); }

    // Scrolling
    int GetScrollPos(int nBar) const { return ::GetScrollPos(m_hWnd, nBar); }
    int SetScrollPos(int nBar, int nPos, BOOL bRedraw = TRUE)
    {
        return ::SetScrollPos(m_hWnd, nBar, nPos, bRedraw);
    }
    BOOL GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask = SIF_ALL);
    void ShowScrollBar(UINT nBar, BOOL bShow = TRUE) { ::ShowScrollBar(m_hWnd, nBar, bShow); }

    // Message handlers that pass the message on to the window's own procedure.
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct) { return int(Default()); }
    afx_msg void OnClose() { Default(); }
    afx_msg void OnDestroy() { Default(); }
    afx_msg void OnNcDestroy();
    afx_msg void OnSize(UINT nType, int cx, int cy) { Default(); }
    afx_msg void OnSizing(UINT nSide, LPRECT lpRect) { Default(); }
    afx_msg void OnMove(int x, int y) { Default(); }
    afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI) { Default(); }
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus) { Default(); }
    afx_msg void OnWindowPosChanging(WINDOWPOS* lpwndpos) { Default(); }
    afx_msg void OnWindowPosChanged(WINDOWPOS* lpwndpos) { Default(); }
    afx_msg void OnSysCommand(UINT nID, LPARAM lParam) { Default(); }
    afx_msg void OnPaint() { Default(); }
    afx_msg void OnNcPaint() { Default(); }
    afx_msg BOOL OnEraseBkgnd(CDC* pDC) { return BOOL(Default()); }
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp) { Default(); }
    afx_msg LRESULT OnNcHitTest(CPoint point) { return Default(); }
    afx_msg void OnNcMouseMove(UINT nHitTest, CPoint point) { Default(); }
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point) { Default(); }
    afx_msg void OnNcLButtonUp(UINT nHitTest, CPoint point) { Default(); }
    afx_msg void OnNcLButtonDblClk(UINT nHitTest, CPoint point) { Default(); }
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point) { Default(); }
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point) { Default(); }
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point) { Default(); }
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point) { Default(); }
    afx_msg void OnRButtonUp(UINT nFlags, CPoint point) { Default(); }
    afx_msg void OnRButtonDblClk(UINT nFlags, CPoint point) { Default(); }
    afx_msg void OnMButtonDown(UINT nFlags, CPoint point) { Default(); }
    afx_msg void OnMButtonUp(UINT nFlags, CPoint point) { Default(); }
    afx_msg void OnMButtonDblClk(UINT nFlags, CPoint point) { Default(); }
    afx_msg void OnMouseMove(UINT nFlags, CPoint point) { Default(); }
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt) { return BOOL(Default()); }
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) { return BOOL(Default()); }
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message)
    {
        return int(Default());
    }
    afx_msg void OnCaptureChanged(CWnd* pWnd) { Default(); }
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint pos) { Default(); }
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) { Default(); }
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags) { Default(); }
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) { Default(); }
    afx_msg void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) { Default(); }
    afx_msg void OnSysKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags) { Default(); }
    afx_msg void OnSysChar(UINT nChar, UINT nRepCnt, UINT nFlags) { Default(); }
    afx_msg BOOL OnHelpInfo(HELPINFO* pHelpInfo) { return BOOL(Default()); }
    afx_msg UINT OnGetDlgCode() { return UINT(Default()); }
    afx_msg void OnSetFocus(CWnd* pOldWnd) { Default(); }
    afx_msg void OnKillFocus(CWnd* pNewWnd) { Default(); }
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized) { Default(); }
    afx_msg void OnEnable(BOOL bEnable) { Default(); }
    afx_msg void OnTimer(UINT_PTR nIDEvent) { Default(); }
    afx_msg void OnEnterIdle(UINT nWhy, CWnd* pWho) { Default(); }
    afx_msg void OnDropFiles(HDROP hDropInfo) { Default(); }
    // A top-level window passes these on to every child window of the framework.
    afx_msg void OnSettingChange(UINT uFlags, LPCTSTR lpszSection);
    afx_msg void OnSysColorChange();
    afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu) { Default(); }
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
    afx_msg void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    afx_msg void OnDeleteItem(int nIDCtl, LPDELETEITEMSTRUCT lpDeleteItemStruct);
    afx_msg int OnCompareItem(int nIDCtl, LPCOMPAREITEMSTRUCT lpCompareItemStruct);
    afx_msg int OnCharToItem(UINT nChar, CListBox* pListBox, UINT nIndex);
    afx_msg int OnVKeyToItem(UINT nKey, CListBox* pListBox, UINT nIndex);

protected:
    virtual void DoDataExchange(CDataExchange* pDX);

    HWND m_hWndOwner;   // owner set with SetOwner; the parent when null
    WNDPROC m_pfnSuper; // the procedure this object subclassed, for default handling
    int m_nModalResult; // the result RunModalLoop returns, set by EndModalLoop

    DECLARE_MESSAGE_MAP()

    friend LRESULT CALLBACK AfxWndProc(HWND, UINT, WPARAM, LPARAM);
    friend class CDialog;

private:
    BOOL OnCtlColorMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // The first entry for the window message in the map or its bases, or null.
    static const AFX_MSGMAP_ENTRY* FindWindowMessageEntry(const AFX_MSGMAP* pMessageMap,
                                                          UINT message);
    void HookWindowProc();
    friend LRESULT CALLBACK AfxCbtFilterHook(int, WPARAM, LPARAM);
};

AFX_CORE_API LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);
AFX_CORE_API LRESULT AFXAPI AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam,
                                           LPARAM lParam);
// Makes the next window created on this thread (and only it) belong to pWnd from its first
// message on; AfxUnhookWindowCreate reports whether that happened.
AFX_CORE_API void AFXAPI AfxHookWindowCreate(CWnd* pWnd);
AFX_CORE_API BOOL AFXAPI AfxUnhookWindowCreate();
AFX_CORE_API const MSG* AFXAPI AfxGetCurrentMessage();
AFX_CORE_API LPCTSTR AFXAPI AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor = nullptr,
                                                HBRUSH hbrBackground = nullptr,
                                                HICON hIcon = nullptr);
// Loads the rich edit control 2.0 library (RICHED20.DLL), whose window classes dialog templates
// may name, for the rest of the process; FALSE when it cannot be loaded.
AFX_CORE_API BOOL AFXAPI AfxInitRichEdit2();

//---------------------------------------------------------------------------------------------
// Dialogs and data exchange

// The context of one UpdateData: its direction, and the control last prepared, which gets the
// focus back when a validation fails.
class AFX_CORE_API CDataExchange
{
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

    BOOL m_bSaveAndValidate; // TRUE: controls → members; FALSE: members → controls
    CWnd* m_pDlgWnd;         // the window whose controls are exchanged
    UINT m_idLastControl;    // the control last prepared, 0 before the first
    BOOL m_bEditLastControl; // that control is an edit field (its text gets selected)

    // The control's window for an exchange or validation routine; a control that does not
    // exist stops the exchange, as a failed validation does.
    HWND PrepareCtrl(int nIDC);
    HWND PrepareEditCtrl(int nIDC);
    // Gives the focus back to the last control prepared and stops the exchange: UpdateData
    // then answers FALSE. Never returns.
    [[noreturn]] void Fail();
};

class AFX_CORE_API CDialog : public CWnd
{
    DECLARE_DYNAMIC(CDialog)
public:
    CDialog();
    CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

    virtual BOOL Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    virtual BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    virtual BOOL CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = nullptr);

    // Makes DoModal use a template in memory instead of a resource.
    BOOL InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = nullptr);
    // Runs the dialog owned by GetSafeOwner(parent) with that owner and its top-level window
    // disabled, and returns the result given to EndDialog (-1 when it could not be created).
    virtual INT_PTR DoModal();
    void EndDialog(int nResult);

    virtual BOOL OnInitDialog();
    virtual BOOL PreTranslateMessage(MSG* pMsg) override;
    void MapDialogRect(LPRECT lpRect) const { ::MapDialogRect(m_hWnd, lpRect); }
    void GotoDlgCtrl(CWnd* pWndCtrl);
    void SetDefID(UINT nID) { SendMessage(DM_SETDEFID, nID); }

protected:
    virtual void OnOK();
    virtual void OnCancel();

    // The owner side of every modal dialog, this one and the system's common dialogs alike.
    // PreModal finds the owner with GetSafeOwner (disabling the owner's top-level window in
    // m_hWndTop when it differs from the owner) and hooks the creation of the next window to
    // this object; PostModal unhooks, detaches and enables m_hWndTop again. A common dialog's
    // DoModal (afxdlgs.h) runs its system dialog between the two: the colour dialog keeps the
    // creation hook, so that the system's dialog window becomes the object's; the file dialog
    // unhooks, disables the owner itself and lets its hook procedure attach the window.
    HWND PreModal();
    void PostModal();

    afx_msg LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);

    LPCTSTR m_lpszTemplateName;
    LPCDLGTEMPLATE m_lpDialogTemplate;
    CWnd* m_pParentWnd;
    HWND m_hWndTop; // the top-level window PreModal disabled, enabled again by PostModal

    DECLARE_MESSAGE_MAP()

private:
    BOOL CreateFromTemplate(LPCDLGTEMPLATE lpDialogTemplate, HWND hWndParent, HINSTANCE hInst);
    LPCDLGTEMPLATE LoadTemplate(HINSTANCE* phInst) const;
};

//---------------------------------------------------------------------------------------------
// Frame windows

struct CCreateContext;

// A top-level window with a menu and accelerators. Its commands go to the frame, then to the
// application; menu items are enabled by their update handlers as a popup opens (items whose
// command nobody handles are disabled). Frames live on the heap and delete themselves when
// their window is destroyed.
class AFX_CORE_API CFrameWnd : public CWnd
{
    DECLARE_DYNAMIC(CFrameWnd)
public:
    CFrameWnd();
    ~CFrameWnd() override;

    static const CRect rectDefault;
    BOOL m_bAutoMenuEnable;

    virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName,
                        DWORD dwStyle = WS_OVERLAPPEDWINDOW, const RECT& rect = rectDefault,
                        CWnd* pParentWnd = nullptr, LPCTSTR lpszMenuName = nullptr,
                        DWORD dwExStyle = 0, CCreateContext* pContext = nullptr);
    BOOL LoadAccelTable(LPCTSTR lpszResourceName);
    virtual HACCEL GetDefaultAccelerator() { return m_hAccelTable; }

    BOOL PreTranslateMessage(MSG* pMsg) override;
    // While the frame routes a command, it is the owner that GetSafeOwner gives new popups.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

    afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);

protected:
    void PostNcDestroy() override;

    HACCEL m_hAccelTable;

    DECLARE_MESSAGE_MAP()
};

//---------------------------------------------------------------------------------------------
// Controls

class AFX_CORE_API CListBox : public CWnd
{
    DECLARE_DYNAMIC(CListBox)
public:
    CListBox() = default;

    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    int GetCount() const { return int(SendMessage(LB_GETCOUNT)); }
    int GetCurSel() const { return int(SendMessage(LB_GETCURSEL)); }
    int SetCurSel(int nSelect) { return int(SendMessage(LB_SETCURSEL, nSelect)); }
    int GetTopIndex() const { return int(SendMessage(LB_GETTOPINDEX)); }
    int SetTopIndex(int nIndex) { return int(SendMessage(LB_SETTOPINDEX, nIndex)); }
    int GetCaretIndex() const { return int(SendMessage(LB_GETCARETINDEX)); }
    int GetSel(int nIndex) const { return int(SendMessage(LB_GETSEL, nIndex)); }
    int SetSel(int nIndex, BOOL bSelect = TRUE)
    {
        return int(SendMessage(LB_SETSEL, bSelect, nIndex));
    }
    DWORD_PTR GetItemData(int nIndex) const
    {
        return DWORD_PTR(SendMessage(LB_GETITEMDATA, nIndex));
    }
    int SetItemData(int nIndex, DWORD_PTR dwItemData)
    {
        return int(SendMessage(LB_SETITEMDATA, nIndex, LPARAM(dwItemData)));
    }
    void* GetItemDataPtr(int nIndex) const { return reinterpret_cast<void*>(GetItemData(nIndex)); }
    int SetItemDataPtr(int nIndex, void* pData) { return SetItemData(nIndex, DWORD_PTR(pData)); }
    int GetItemRect(int nIndex, LPRECT lpRect) const
    {
        return int(SendMessage(LB_GETITEMRECT, nIndex, reinterpret_cast<LPARAM>(lpRect)));
    }
    int GetItemHeight(int nIndex) const { return int(SendMessage(LB_GETITEMHEIGHT, nIndex)); }
    int SetItemHeight(int nIndex, UINT cyItemHeight)
    {
        return int(SendMessage(LB_SETITEMHEIGHT, nIndex, MAKELONG(cyItemHeight, 0)));
    }
    int GetText(int nIndex, LPTSTR lpszBuffer) const
    {
        return int(SendMessage(LB_GETTEXT, nIndex, reinterpret_cast<LPARAM>(lpszBuffer)));
    }
    void GetText(int nIndex, CString& rString) const;
    int GetTextLen(int nIndex) const { return int(SendMessage(LB_GETTEXTLEN, nIndex)); }
    int GetHorizontalExtent() const { return int(SendMessage(LB_GETHORIZONTALEXTENT)); }
    void SetHorizontalExtent(int cxExtent) { SendMessage(LB_SETHORIZONTALEXTENT, cxExtent); }
    int AddString(LPCTSTR lpszItem)
    {
        return int(SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lpszItem)));
    }
    int InsertString(int nIndex, LPCTSTR lpszItem)
    {
        return int(SendMessage(LB_INSERTSTRING, nIndex, reinterpret_cast<LPARAM>(lpszItem)));
    }
    int DeleteString(UINT nIndex) { return int(SendMessage(LB_DELETESTRING, nIndex)); }
    void ResetContent() { SendMessage(LB_RESETCONTENT); }
    int FindString(int nStartAfter, LPCTSTR lpszItem) const
    {
        return int(SendMessage(LB_FINDSTRING, nStartAfter, reinterpret_cast<LPARAM>(lpszItem)));
    }
    int FindStringExact(int nIndexStart, LPCTSTR lpszFind) const
    {
        return int(
            SendMessage(LB_FINDSTRINGEXACT, nIndexStart, reinterpret_cast<LPARAM>(lpszFind)));
    }
    // The row at a client point; bOutside tells whether the point lies outside every row.
    UINT ItemFromPoint(CPoint pt, BOOL& bOutside) const;

    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    virtual int CompareItem(LPCOMPAREITEMSTRUCT lpCompareItemStruct);
    virtual void DeleteItem(LPDELETEITEMSTRUCT lpDeleteItemStruct);
    // What a key or character does in a list box that asks its parent; -1 leaves the default.
    virtual int VKeyToItem(UINT nKey, UINT nIndex);
    virtual int CharToItem(UINT nKey, UINT nIndex);

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

class AFX_CORE_API CEdit : public CWnd
{
    DECLARE_DYNAMIC(CEdit)
public:
    CEdit() = default;

    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    void GetSel(int& nStartChar, int& nEndChar) const;
    DWORD GetSel() const { return DWORD(SendMessage(EM_GETSEL)); }
    void SetSel(int nStartChar, int nEndChar, BOOL bNoScroll = FALSE);
    void ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo = FALSE)
    {
        SendMessage(EM_REPLACESEL, bCanUndo, reinterpret_cast<LPARAM>(lpszNewText));
    }
    void LimitText(int nChars = 0) { SendMessage(EM_LIMITTEXT, nChars); }
    BOOL SetReadOnly(BOOL bReadOnly = TRUE) { return BOOL(SendMessage(EM_SETREADONLY, bReadOnly)); }
    int GetLineCount() const { return int(SendMessage(EM_GETLINECOUNT)); }
    BOOL GetModify() const { return BOOL(SendMessage(EM_GETMODIFY)); }
    void SetModify(BOOL bModified = TRUE) { SendMessage(EM_SETMODIFY, bModified); }
    BOOL CanUndo() const { return BOOL(SendMessage(EM_CANUNDO)); }
    void Cut() { SendMessage(WM_CUT); }
    void Copy() { SendMessage(WM_COPY); }
    void Paste() { SendMessage(WM_PASTE); }
    void Clear() { SendMessage(WM_CLEAR); }
    BOOL Undo() { return BOOL(SendMessage(EM_UNDO)); }
};

class AFX_CORE_API CButton : public CWnd
{
    DECLARE_DYNAMIC(CButton)
public:
    CButton() = default;

    BOOL Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    int GetCheck() const { return int(SendMessage(BM_GETCHECK)); }
    void SetCheck(int nCheck) { SendMessage(BM_SETCHECK, nCheck); }
    UINT GetState() const { return UINT(SendMessage(BM_GETSTATE)); }
    void SetState(BOOL bHighlight) { SendMessage(BM_SETSTATE, bHighlight); }
    UINT GetButtonStyle() const { return UINT(GetStyle() & 0xFFFF); }
    void SetButtonStyle(UINT nStyle, BOOL bRedraw = TRUE)
    {
        SendMessage(BM_SETSTYLE, nStyle, bRedraw);
    }

    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

class AFX_CORE_API CStatic : public CWnd
{
    DECLARE_DYNAMIC(CStatic)
public:
    CStatic() = default;

    BOOL Create(LPCTSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                UINT nID = 0xffff);

    HICON SetIcon(HICON hIcon)
    {
        return reinterpret_cast<HICON>(SendMessage(STM_SETICON, reinterpret_cast<WPARAM>(hIcon)));
    }
    HICON GetIcon() const { return reinterpret_cast<HICON>(SendMessage(STM_GETICON)); }
    HBITMAP SetBitmap(HBITMAP hBitmap)
    {
        return reinterpret_cast<HBITMAP>(
            SendMessage(STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(hBitmap)));
    }
};

class AFX_CORE_API CScrollBar : public CWnd
{
    DECLARE_DYNAMIC(CScrollBar)
public:
    CScrollBar() = default;

    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    int GetScrollPos() const { return ::GetScrollPos(m_hWnd, SB_CTL); }
    int SetScrollPos(int nPos, BOOL bRedraw = TRUE)
    {
        return ::SetScrollPos(m_hWnd, SB_CTL, nPos, bRedraw);
    }
    void GetScrollRange(LPINT lpMinPos, LPINT lpMaxPos) const
    {
        ::GetScrollRange(m_hWnd, SB_CTL, lpMinPos, lpMaxPos);
    }
    void SetScrollRange(int nMinPos, int nMaxPos, BOOL bRedraw = TRUE)
    {
        ::SetScrollRange(m_hWnd, SB_CTL, nMinPos, nMaxPos, bRedraw);
    }
    BOOL SetScrollInfo(LPSCROLLINFO lpScrollInfo, BOOL bRedraw = TRUE)
    {
        lpScrollInfo->cbSize = sizeof(SCROLLINFO);
        return ::SetScrollInfo(m_hWnd, SB_CTL, lpScrollInfo, bRedraw);
    }
    BOOL GetScrollInfo(LPSCROLLINFO lpScrollInfo, UINT nMask = SIF_ALL)
    {
        return CWnd::GetScrollInfo(SB_CTL, lpScrollInfo, nMask);
    }
    void ShowScrollBar(BOOL bShow = TRUE) { ::ShowScrollBar(m_hWnd, SB_CTL, bShow); }
    BOOL EnableScrollBar(UINT nArrowFlags = ESB_ENABLE_BOTH)
    {
        return ::EnableScrollBar(m_hWnd, SB_CTL, nArrowFlags);
    }
};

//---------------------------------------------------------------------------------------------
// Threads, the application object and its profile

class AFX_CORE_API CWinThread : public CCmdTarget
{
    DECLARE_DYNAMIC(CWinThread)
public:
    CWinThread();

    CWnd* m_pMainWnd;
    CWnd* GetMainWnd() { return m_pMainWnd; }

    virtual BOOL InitInstance();
    // The message loop: while the queue is empty, OnIdle with counts 0, 1, 2, ... as long as it
    // answers TRUE; a message that changes what the user sees starts the counting again.
    virtual int Run();
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual BOOL PumpMessage();
    // Count 0 sends WM_IDLEUPDATECMDUI to the main window and its framework children; count 1
    // deletes the temporary objects of the handle maps. TRUE asks for more idle calls.
    virtual BOOL OnIdle(LONG lCount);
    // FALSE for the messages after which idle processing need not run again: WM_PAINT, the
    // caret's timer and a mouse move to where the mouse already was.
    virtual BOOL IsIdleMessage(MSG* pMsg);
    virtual int ExitInstance();

    MSG m_msgCur; // the message the loop took last
};

class AFX_CORE_API CWinApp : public CWinThread
{
    DECLARE_DYNAMIC(CWinApp)
public:
    explicit CWinApp(LPCTSTR lpszAppName = nullptr);
    ~CWinApp() override;

    HINSTANCE m_hInstance;
    LPTSTR m_lpCmdLine;
    int m_nCmdShow;
    LPCTSTR m_pszAppName;
    LPCTSTR m_pszExeName;
    LPCTSTR m_pszProfileName; // INI file name, or the application's key under m_pszRegistryKey
    LPCTSTR m_pszRegistryKey;

    virtual BOOL InitApplication() { return TRUE; }
    BOOL OnIdle(LONG lCount) override;
    // AfxMessageBox shows its boxes through here: owned by GetSafeOwner(), titled with
    // m_pszAppName, with an icon by the buttons when nType names none.
    virtual int DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt);

    // Profile: an INI file named after the executable, or the registry after SetRegistryKey.
    UINT GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault);
    BOOL WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue);
    CString GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault = nullptr);
    BOOL WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue);
    // *ppData is allocated with new[]; the caller deletes it with delete[].
    BOOL GetProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE* ppData, UINT* pBytes);
    BOOL WriteProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE pData, UINT nBytes);

    void SetRegistryKey(LPCTSTR lpszRegistryKey);
    void SetRegistryKey(UINT nIDRegistryKey);
    HKEY GetAppRegistryKey();
    HKEY GetSectionKey(LPCTSTR lpszSection);

    // Fills m_pszExeName, m_pszAppName and m_pszProfileName from the module's file name.
    void SetCurrentHandles();

private:
    static LPTSTR Duplicate(LPCTSTR lpsz);
    static void ReplaceString(LPCTSTR& rTarget, LPCTSTR lpszValue);
};

AFX_CORE_API CWinApp* AFXAPI AfxGetApp();
AFX_CORE_API CWinThread* AFXAPI AfxGetThread();
AFX_CORE_API CWnd* AFXAPI AfxGetMainWnd();
AFX_CORE_API HINSTANCE AFXAPI AfxGetInstanceHandle();
AFX_CORE_API BOOL AFXAPI AfxWinInit(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine,
                                    int nCmdShow);
AFX_CORE_API int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine,
                                   int nCmdShow);
AFX_CORE_API BOOL AFXAPI AfxPreTranslateMessage(MSG* pMsg);
AFX_CORE_API BOOL AFXAPI AfxPumpMessage();
AFX_CORE_API LPCTSTR AFXAPI AfxGetAppName();

// Message boxes of the application; nIDPrompt names a string resource. The result is the
// button pressed (IDOK, IDYES, ...).
AFX_CORE_API int AFXAPI AfxMessageBox(LPCTSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
AFX_CORE_API int AFXAPI AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = UINT(-1));
// The string resource nIDS with %1 (and %2) replaced by the given texts.
AFX_CORE_API void AFXAPI AfxFormatString1(CString& rString, UINT nIDS, LPCTSTR lpsz1);
AFX_CORE_API void AFXAPI AfxFormatString2(CString& rString, UINT nIDS, LPCTSTR lpsz1,
                                          LPCTSTR lpsz2);

//---------------------------------------------------------------------------------------------
// Resources and extension modules

AFX_CORE_API HINSTANCE AFXAPI AfxGetResourceHandle();
AFX_CORE_API void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource);
// The first module of the resource chain (the application's resources, every extension DLL's,
// then the framework's own) that holds the resource; the application's resource handle when
// none does.
AFX_CORE_API HINSTANCE AFXAPI AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType);
// The first module of the resource chain with a non-empty string nID; null when none has one.
AFX_CORE_API HINSTANCE AFXAPI AfxFindStringResourceHandle(UINT nID);

struct AFX_EXTENSION_MODULE
{
    BOOL bInitialized;
    HMODULE hModule;
    HMODULE hResource;
};

AFX_CORE_API BOOL AFXAPI AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule);
AFX_CORE_API void AFXAPI AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll = FALSE);

// Puts an extension DLL's module into the resource chain for as long as the object lives.
class AFX_CORE_API CDynLinkLibrary : public CCmdTarget
{
    DECLARE_DYNAMIC(CDynLinkLibrary)
public:
    explicit CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem = FALSE);
    CDynLinkLibrary(HINSTANCE hModule, HINSTANCE hResource);
    ~CDynLinkLibrary() override;

    HMODULE m_hModule;
    HMODULE m_hResource;
    BOOL m_bSystem;
    CDynLinkLibrary* m_pNextDLL; // next library of the chain; the newest library comes first
};

AFX_CORE_API CDynLinkLibrary* AFXAPI AfxGetFirstDynLinkLibrary();

// Dialog data exchange and validation routines
#include "afxdd_.h"
