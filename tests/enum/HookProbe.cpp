#include "HookProbe.h"

#include "Input.h"
#include "services/HookRegistry.h"

namespace pgtest {
namespace {

constexpr UINT kProbeMessage = WM_APP + 0x77;

int g_kind = 0;
int g_ownSightings = 0;
HHOOK g_ownHook = nullptr;
bool g_farCorner = false;

bool IsProbeEvent(WPARAM wParam, LPARAM lParam)
{
    switch (g_kind) {
    case WH_GETMESSAGE:
        return reinterpret_cast<const MSG*>(lParam)->message == kProbeMessage;
    case WH_CALLWNDPROC:
        return reinterpret_cast<const CWPSTRUCT*>(lParam)->message == kProbeMessage;
    default:
        return wParam == WM_MOUSEMOVE;
    }
}

LRESULT CALLBACK OwnHook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code >= 0 && IsProbeEvent(wParam, lParam)) {
        ++g_ownSightings;
    }
    return CallNextHookEx(g_ownHook, code, wParam, lParam);
}

bool SwallowProbeEvent(int, WPARAM wParam, LPARAM lParam, void*)
{
    return IsProbeEvent(wParam, lParam);
}

void RaiseProbeEvent(HWND hWnd)
{
    switch (g_kind) {
    case WH_GETMESSAGE: {
        PostMessageW(hWnd, kProbeMessage, 0, 0);
        MSG msg;
        PeekMessageW(&msg, hWnd, kProbeMessage, kProbeMessage, PM_REMOVE);
        break;
    }
    case WH_CALLWNDPROC:
        SendMessageW(hWnd, kProbeMessage, 0, 0);
        break;
    default:
        // Two points in turn, so that every probe really moves the mouse.
        g_farCorner = !g_farCorner;
        MoveMouse(hWnd, g_farCorner ? POINT{6, 6} : POINT{3, 3});
        break;
    }
}

} // namespace

bool IsRegistryHookInstalled(int kind, HWND hWnd)
{
    g_kind = kind;
    g_ownSightings = 0;
    g_ownHook = SetWindowsHookExW(kind, &OwnHook, nullptr, GetCurrentThreadId());
    HookRegistry::Get().AddHook(kind, &SwallowProbeEvent, nullptr);
    RaiseProbeEvent(hWnd);
    HookRegistry::Get().RemoveHook(kind, &SwallowProbeEvent, nullptr);
    UnhookWindowsHookEx(g_ownHook);
    return g_ownSightings > 0;
}

bool IsAnyRegistryHookInstalled(HWND hWnd)
{
    bool any = false;
    for (int kind : {WH_MOUSE, WH_CALLWNDPROC, WH_GETMESSAGE})
        any = IsRegistryHookInstalled(kind, hWnd) || any;
    return any;
}

} // namespace pgtest
