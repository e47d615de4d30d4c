// The edit field of the enumeration editor.
#pragma once

#include <afxwin.h>

// CZNPropertyGridDropEdit is the enumeration editor's edit field. The keys that move through a
// list (Up, Down, Page Up, Page Down) and the wheel go to the editor instead of moving the
// caret, so that Down drops the list and the open list moves, while the text stays as typed.
class CZNPropertyGridDropEdit : public CEdit
{
    DECLARE_DYNAMIC(CZNPropertyGridDropEdit)
public:
    CZNPropertyGridDropEdit() = default;

protected:
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg void OnEnable(BOOL bEnable);

    DECLARE_MESSAGE_MAP()
};
