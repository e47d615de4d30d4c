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
    MSG lastSentMsg = {};     // the message being handled, for Default() and reflection
    int nDispatchDepth = 0;   // window procedures running on the stack
    CWnd* pWndInit = nullptr; // the object that the next created window belongs to
    HHOOK hCbtHook = nullptr; // installed on first use, kept for the thread's life
};
RoutingState& Routing();

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
