#include "HostDialog.h"

#include "DialogTemplate.h"
#include "Input.h"

namespace pgtest {

BOOL CHostDialog::Create(DWORD listBoxStyle, SIZE listBoxSize, DWORD listBoxExStyle)
{
    DialogTemplate dialogTemplate(WS_POPUP | WS_CAPTION | WS_SYSMENU, 200, 150, L"Host");
    dialogTemplate.Add(DialogItemClass::ListBox, listBoxStyle, 5, 5, 100, 100, WORD(kListBoxId),
                       L"", listBoxExStyle);
    if (!CreateIndirect(dialogTemplate.Get()))
        return FALSE;

    // Pixel sizes, whatever the dialog font's base units are.
    CRect rcWindow(0, 0, listBoxSize.cx + 20, listBoxSize.cy + 20);
    ::AdjustWindowRectEx(&rcWindow, GetStyle(), FALSE, GetExStyle());
    SetWindowPos(nullptr, 40, 40, rcWindow.Width(), rcWindow.Height(), SWP_NOZORDER);
    ::SetWindowPos(ListBox(), nullptr, 10, 10, listBoxSize.cx, listBoxSize.cy, SWP_NOZORDER);
    ShowWindow(SW_SHOW);
    SetForegroundWindow();
    UpdateWindow();
    PumpMessages();
    return TRUE;
}

} // namespace pgtest
