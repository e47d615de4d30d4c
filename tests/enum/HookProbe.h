// Tells from outside whether the module's hook registry has a hook of a kind installed.
#pragma once

#include <windows.h>

namespace pgtest {

// A hook installed later runs earlier. The probe installs a hook of its own, then registers
// with the registry a callback that swallows one marked event, and raises that event: a hook
// the registry installs now (its list was empty) runs first and keeps the event from the
// probe's hook; a hook it had installed before runs after it. hWnd is a shown window of the
// test, where the marked message or mouse move is sent; the mouse moves within its client area.
bool IsRegistryHookInstalled(int kind, HWND hWnd);
// Whether any of the registry's three kinds is installed.
bool IsAnyRegistryHookInstalled(HWND hWnd);

} // namespace pgtest
