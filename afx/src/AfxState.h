// State of the framework inside its DLL: the handle maps, the message being handled, the
// application object and the resource chain. Every module of the process (host, extension
// DLLs, tests) reaches the same state through the framework's exported functions, as with
// MFC's shared DLL. The framework serves the user-interface thread; this is that thread's state.
#pragma once

#include "HandleMap.h"
#include <afxwin.h>

namespace afx_internal {

CHandleMap<CWnd, HWND>& WindowMap();
CHandleMap<CDC, HDC>& DCMap();
CHandleMap<CGdiObject, HGDIOBJ>& GdiObjectMap();
CHandleMap<CMenu, HMENU>& MenuMap();

struct RoutingState
{
    MSG lastSentMsg = {};                // the message being handled, for Default() and reflection
    const MSG* pOuterMsg = nullptr;      // the one being handled when it was sent; null at the top
    int nDispatchDepth = 0;              // window procedures running on the stack
    CWnd* pWndInit = nullptr;            // the object that the next created window belongs to
    CWnd* pAlternateWndInit = nullptr;   // the file dialog its hook procedure attaches to
    HHOOK hCbtHook = nullptr;            // installed on first use, kept for the thread's life
    HWND hLockoutNotifyWindow = nullptr; // the window whose UpdateData is running
    CFrameWnd* pRoutingFrame = nullptr;  // the frame whose OnCmdMsg is running
    MSG msgPumped = {};                  // the last message pumped without a thread object
    POINT ptCursorLast = {-1, -1};       // where the last mouse move pumped was
    UINT nMsgLast = 0;                   // and whether it was a client or non-client move
};
RoutingState& Routing();

// Takes the next message of the thread's queue into msg and hands it on as MFC's loop does
// (pre-translation, then translation and dispatch). FALSE on WM_QUIT.
BOOL PumpMessage(MSG& msg);

struct ModuleState
{
    CWinApp* pCurrentWinApp = nullptr;
    HINSTANCE hCurrentInstanceHandle = ::GetModuleHandleW(nullptr);
    HINSTANCE hCurrentResourceHandle = ::GetModuleHandleW(nullptr);
    CDynLinkLibrary* pFirstDLL = nullptr; // the most recently added library first
};
ModuleState& Module();

// Deletes the temporary wrappers of windows, DCs, GDI objects and menus unless a window procedure
// is running, whose caller might still hold one.
void DeleteTempMapsWhenIdle();

} // namespace afx_internal

// The hook procedure the framework gives every common dialog (CCommonDialog.cpp).
UINT_PTR CALLBACK AfxCommDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
