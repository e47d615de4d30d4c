// A modeless host dialog holding one list-box control, as a host application gives the grid.
#pragma once

#include <afxwin.h>

namespace pgtest {

// The list-box styles a property grid expects of its window.
constexpr DWORD kGridListBoxStyle = LBS_OWNERDRAWVARIABLE | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT |
                                    WS_VSCROLL | WS_HSCROLL | WS_TABSTOP;

class CHostDialog : public CDialog
{
public:
    static constexpr int kListBoxId = 1000;

    // Creates the dialog shown and active at a fixed place on the screen, with the list box at
    // client (10, 10) with the given outer size in pixels.
    BOOL Create(DWORD listBoxStyle, SIZE listBoxSize, DWORD listBoxExStyle = 0);

    HWND ListBox() const { return ::GetDlgItem(m_hWnd, kListBoxId); }
};

} // namespace pgtest
