// The list box of the enumeration's drop-down list.
#pragma once

#include <afxwin.h>

// CZNPropertyGridDropListBox shows the items of the enumeration's drop-down list. It follows
// the mouse, takes the navigation keys from the thread's message stream while the keyboard
// focus stays in the editor, and hands a click, Enter or Escape to the popup that holds it.
class CZNPropertyGridDropListBox : public CListBox
{
    DECLARE_DYNAMIC(CZNPropertyGridDropListBox)
public:
    CZNPropertyGridDropListBox();

protected:
    void PreSubclassWindow() override;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);

    DECLARE_MESSAGE_MAP()

private:
    // Registers for the thread's keys and takes the cursor's place as already seen.
    void StartListening();
    // Selects the item at a client point if its row ends above the bottom of the client area.
    void SelectItemAt(CPoint point);
    // Sends the popup a commit (0) or a cancel (-1), then lets the list box handle the current
    // message unless the commit ended the list.
    void CommitThenDefault(WPARAM wParam);
    // The get-message callback: the navigation keys of every window of the thread reach the
    // list as well.
    static bool OnGetMessage(int nCode, WPARAM wParam, LPARAM lParam, void* pUser);

    POINT m_ptLastCursor; // screen position of the last mouse move acted on
};
