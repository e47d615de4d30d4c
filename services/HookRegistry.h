// Windows hooks shared by the module's objects.
#pragma once

#include <afxwin.h>

#include <vector>

// HookRegistry lets any number of objects share one thread hook of each kind: the hook is
// installed while at least one callback of its kind is registered and passes every event to
// the callbacks in the order they were registered. The kinds are WH_CALLWNDPROC, WH_GETMESSAGE
// and WH_MOUSE; the hook of a kind belongs to the thread that registered its first callback.
class AFX_EXT_CLASS HookRegistry
{
public:
    // Answers true to swallow the event: the later callbacks and the hooks further down the
    // system's chain do not see it. For WH_CALLWNDPROC wParam is 1 when the message was sent by
    // the current thread and 0 otherwise.
    using HookFunction = bool (*)(int nCode, WPARAM wParam, LPARAM lParam, void* pUser);

    // One registration: the function and the pointer handed back to it.
    struct HookCallback
    {
        HookFunction pfnCallback;
        void* pUser;
    };

    // The one registry of the process, made on first use; it unhooks what is left when the
    // module unloads.
    static HookRegistry& Get();

    // False for another kind, a null function, or a pair already registered for the kind.
    bool AddHook(int nKind, HookFunction pfnCallback, void* pUser);
    // False when the pair is not registered for the kind.
    bool RemoveHook(int nKind, HookFunction pfnCallback, void* pUser);

    HookRegistry(const HookRegistry&) = delete;
    HookRegistry& operator=(const HookRegistry&) = delete;

private:
    // The hook of one kind and its callbacks.
    struct HookChain
    {
        int nKind;                           // WH_ constant
        HOOKPROC pfnHookProc;                // the registry's procedure for the kind
        HHOOK hHook;                         // null while no callback is registered
        std::vector<HookCallback> callbacks; // in registration order
    };

    HookRegistry();
    ~HookRegistry();

    HookChain* ChainOf(int nKind);
    LRESULT Dispatch(int nKind, int nCode, WPARAM wParam, LPARAM lParam);
    template <int nKind> static LRESULT CALLBACK HookProc(int nCode, WPARAM wParam, LPARAM lParam);

    HookChain m_Chains[3]; // WH_CALLWNDPROC, WH_GETMESSAGE, WH_MOUSE
};
