// The drop-down list of the enumeration editor.
#pragma once

#include <afxwin.h>

#include "properties/ZNPropertyGridDropListBox.h"
#include "resources/resource.h"
#include "services/HiddenDlg.h"

#include <vector>

// Messages between the enumeration editor, its drop-down list and the list's list box.
// wParam 0: take the selected item; -1: cancel. List box → popup, then popup → editor.
#define PGM_DROPLIST_COMMIT (WM_USER + 0x37)
// wParam and lParam as in WM_KEYDOWN. Edit field → editor; the popup takes them as well.
#define PGM_DROPLIST_KEY (WM_USER + 0x38)
// wParam and lParam as in WM_MOUSEWHEEL. Edit field → editor; the popup takes them as well.
#define PGM_DROPLIST_WHEEL (WM_USER + 0x39)
// The list has closed. Popup → editor.
#define PGM_DROPLIST_CLOSED (WM_USER + 0x3A)
// Posted by the popup to itself: the window goes once the handler that closed it has returned.
#define PGM_DROPLIST_DESTROY 0x464

// CZNPropertyGridPropertyEnumDroplistDlg is the floating list that drops down under the
// enumeration editor. It slides open with a drop shadow, sizes itself to its items, follows
// the mouse, and reports the chosen item or a cancel to its owner; any button press outside it
// and any activation in the thread close it. It is never activated and never takes the keyboard
// focus. The window exists only while the list is open; the object lives as long as its editor.
class AFX_EXT_CLASS CZNPropertyGridPropertyEnumDroplistDlg : public CDialog
{
    DECLARE_DYNAMIC(CZNPropertyGridPropertyEnumDroplistDlg)
public:
    static constexpr UINT IDD = IDD_PROPERTYGRID_DROPLIST;

    CZNPropertyGridPropertyEnumDroplistDlg();
    ~CZNPropertyGridPropertyEnumDroplistDlg() override;

    // Operations
    // Opens the list for pOwner, which receives PGM_DROPLIST_COMMIT and PGM_DROPLIST_CLOSED:
    // pItems (null: the single entry "[none]") under rcAnchor (screen coordinates), with the
    // item that equals pszCurrent without regard to case selected. The items must outlive the
    // open list. FALSE when the window cannot be made.
    BOOL OpenDropList(CWnd* pOwner, const std::vector<CString>* pItems, const RECT& rcAnchor,
                      const wchar_t* pszCurrent);
    // Hides the list and tells the owner; the window itself goes once the thread's messages
    // are handled, since this runs inside the list's own handlers and hook callbacks.
    BOOL CloseDropList();
    void FillList(const std::vector<CString>* pItems);
    // Places the list under rcAnchor, as wide as the anchor or the widest item, and slides it
    // open. False without a window; true at once when it is already shown.
    bool ShowDropped(const RECT& rcAnchor);
    // Fits the list box to the client size and the popup to the list box's whole rows.
    void LayoutList(int cx, int cy);

    // Attributes
    // The current value while the list is open; the chosen item's text after a commit.
    const CString& GetSelection() const { return m_strSelection; }

    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnDestroy();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnSizing(UINT fwSide, LPRECT pRect);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnNcPaint();
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg LRESULT OnCommit(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnKey(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnWheel(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnDestroyList(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    static constexpr DWORD kShown = 0x1;

    // Gives the dialog class its style from before the list opened and lets the hidden dialog go.
    void ReleaseDialogClass();
    // Whether hWnd is the popup or lies inside it.
    bool Contains(HWND hWnd) const;
    // The width of the widest item text in the system's status font.
    int WidestItemWidth();
    // The hook callbacks: a button press outside the popup and an activation close the list.
    static bool OnMouseHook(int nCode, WPARAM wParam, LPARAM lParam, void* pUser);
    static bool OnCallWndProcHook(int nCode, WPARAM wParam, LPARAM lParam, void* pUser);

    DWORD m_dwShowState;                  // kShown while the list is open
    CBrush m_brFrame;                     // fill of the non-client area while the window exists
    CWnd* m_pOwner;                       // the editor that opened the list
    const std::vector<CString>* m_pItems; // the items shown; null for "[none]"
    RECT m_rcAnchor;                      // where the list was asked to open, screen coordinates
    DWORD m_dwSavedClassStyle;            // the dialog class's style before the drop shadow
    CHiddenDlg m_HiddenDlg;               // reaches the dialog class while the list is open
    CZNPropertyGridDropListBox m_List;    // the items
    CScrollBar m_SizeGrip;                // size grip; hidden, the list is not resizable
    CString m_strSelection;               // current value on opening, chosen item on commit
};
