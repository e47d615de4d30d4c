// The shared thread hooks: installing and removing them with their callbacks, and passing each
// event along the callbacks and on down the system's chain.
#include "services/HookRegistry.h"

#include <algorithm>

namespace {

using Callbacks = std::vector<HookRegistry::HookCallback>;

Callbacks::const_iterator Find(const Callbacks& callbacks, const HookRegistry::HookCallback& entry)
{
    return std::find_if(callbacks.begin(), callbacks.end(), [&](const auto& other) {
        return other.pfnCallback == entry.pfnCallback && other.pUser == entry.pUser;
    });
}

} // namespace

HookRegistry& HookRegistry::Get()
{
    static HookRegistry s_registry;
    return s_registry;
}

HookRegistry::HookRegistry()
    : m_Chains{{WH_CALLWNDPROC, &HookProc<WH_CALLWNDPROC>, nullptr, {}},
               {WH_GETMESSAGE, &HookProc<WH_GETMESSAGE>, nullptr, {}},
               {WH_MOUSE, &HookProc<WH_MOUSE>, nullptr, {}}}
{
}

HookRegistry::~HookRegistry()
{
    for (HookChain& chain : m_Chains) {
        if (chain.hHook != nullptr)
            ::UnhookWindowsHookEx(chain.hHook);
    }
}

HookRegistry::HookChain* HookRegistry::ChainOf(int nKind)
{
    for (HookChain& chain : m_Chains) {
        if (chain.nKind == nKind)
            return &chain;
    }
    return nullptr;
}

bool HookRegistry::AddHook(int nKind, HookFunction pfnCallback, void* pUser)
{
    HookChain* pChain = ChainOf(nKind);
    const HookCallback entry = {pfnCallback, pUser};
    if (pChain == nullptr || pfnCallback == nullptr ||
        Find(pChain->callbacks, entry) != pChain->callbacks.end())
        return false;
    if (pChain->callbacks.empty()) {
        pChain->hHook =
            ::SetWindowsHookExW(nKind, pChain->pfnHookProc, nullptr, ::GetCurrentThreadId());
        if (pChain->hHook == nullptr)
            return false;
    }
    pChain->callbacks.push_back(entry);
    return true;
}

bool HookRegistry::RemoveHook(int nKind, HookFunction pfnCallback, void* pUser)
{
    HookChain* pChain = ChainOf(nKind);
    if (pChain == nullptr)
        return false;
    auto it = Find(pChain->callbacks, {pfnCallback, pUser});
    if (it == pChain->callbacks.end())
        return false;
    pChain->callbacks.erase(it);
    if (pChain->callbacks.empty()) {
        ::UnhookWindowsHookEx(pChain->hHook);
        pChain->hHook = nullptr;
    }
    return true;
}

template <int nKind>
LRESULT CALLBACK HookRegistry::HookProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    return Get().Dispatch(nKind, nCode, wParam, lParam);
}

LRESULT HookRegistry::Dispatch(int nKind, int nCode, WPARAM wParam, LPARAM lParam)
{
    HookChain* pChain = ChainOf(nKind);
    // Negative codes belong to the system's chain alone.
    if (nCode >= 0) {
        // Callbacks may add and remove registrations, their own included: the event goes to the
        // callbacks registered when it arrived, each only while it is still registered.
        const Callbacks callbacks = pChain->callbacks;
        const WPARAM wCallbackParam = nKind == WH_CALLWNDPROC ? WPARAM(wParam != 0) : wParam;
        for (const HookCallback& callback : callbacks) {
            bool bRegistered = Find(pChain->callbacks, callback) != pChain->callbacks.end();
            if (bRegistered && callback.pfnCallback(nCode, wCallbackParam, lParam, callback.pUser))
                return 0;
        }
    }
    return ::CallNextHookEx(pChain->hHook, nCode, wParam, lParam);
}
