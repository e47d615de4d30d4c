// The module's shared thread hooks: registrations, the order of the callbacks and the system's
// chain, with events raised on a real window.
#include "DropListFixture.h"
#include "HookProbe.h"
#include "services/HookRegistry.h"

namespace {

using pgtest::IsRegistryHookInstalled;

constexpr UINT kMarkedMessage = WM_APP + 0x55;

// What one registration heard of the marked message, and how it answers.
struct Recorder
{
    int nKind;
    int nCalls = 0;
    WPARAM wLastParam = 0;
    bool bSwallow = false;
    Recorder* pRemove = nullptr; // unregistered by this one's callback when it is called
};

UINT MessageOf(int nKind, LPARAM lParam)
{
    return nKind == WH_GETMESSAGE ? reinterpret_cast<const MSG*>(lParam)->message
                                  : reinterpret_cast<const CWPSTRUCT*>(lParam)->message;
}

bool Record(int, WPARAM wParam, LPARAM lParam, void* pUser)
{
    auto* pRecorder = static_cast<Recorder*>(pUser);
    if (MessageOf(pRecorder->nKind, lParam) != kMarkedMessage)
        return false;
    ++pRecorder->nCalls;
    pRecorder->wLastParam = wParam;
    if (pRecorder->pRemove != nullptr)
        HookRegistry::Get().RemoveHook(pRecorder->nKind, &Record, pRecorder->pRemove);
    return pRecorder->bSwallow;
}

bool Add(Recorder& recorder)
{
    return HookRegistry::Get().AddHook(recorder.nKind, &Record, &recorder);
}
bool Remove(Recorder& recorder)
{
    return HookRegistry::Get().RemoveHook(recorder.nKind, &Record, &recorder);
}

// A hook of the test's own, installed before the registry's and so called after it.
int g_nOwnHookCalls = 0;
HHOOK g_hOwnHook = nullptr;
LRESULT CALLBACK OwnGetMessageHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode >= 0 && reinterpret_cast<const MSG*>(lParam)->message == kMarkedMessage)
        ++g_nOwnHookCalls;
    return ::CallNextHookEx(g_hOwnHook, nCode, wParam, lParam);
}

class HookRegistryTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_Window.Create(L"Hooks", CPoint(40, 40), CSize(200, 100)));
    }
    void TearDown() override { m_Window.DestroyWindow(); }

    // The marked message: WH_GETMESSAGE sees it posted and taken, WH_CALLWNDPROC sent.
    void Raise(int nKind)
    {
        if (nKind == WH_CALLWNDPROC) {
            m_Window.SendMessage(kMarkedMessage);
            return;
        }
        m_Window.PostMessage(kMarkedMessage);
        MSG msg;
        ::PeekMessageW(&msg, m_Window.m_hWnd, kMarkedMessage, kMarkedMessage, PM_REMOVE);
    }
    bool Installed(int nKind) { return IsRegistryHookInstalled(nKind, m_Window.m_hWnd); }

    pgtest::CTestHost m_Window;
};

// A second registration shares the installed hook: were it installed again, every callback would
// hear each event twice. The hook goes with the last registration.
TEST_F(HookRegistryTest, OneCallbackWithTwoUserPointersSharesOneHook)
{
    Recorder first{WH_CALLWNDPROC};
    Recorder second{WH_CALLWNDPROC};
    ASSERT_FALSE(Installed(WH_CALLWNDPROC));
    ASSERT_TRUE(Add(first));
    ASSERT_TRUE(Add(second));
    EXPECT_TRUE(Installed(WH_CALLWNDPROC));

    Raise(WH_CALLWNDPROC);
    EXPECT_EQ(first.nCalls, 1);
    EXPECT_EQ(second.nCalls, 1);
    EXPECT_EQ(first.wLastParam, 1u) << "sent by this thread";

    EXPECT_TRUE(Remove(first));
    Raise(WH_CALLWNDPROC);
    EXPECT_EQ(first.nCalls, 1);
    EXPECT_EQ(second.nCalls, 2);
    EXPECT_TRUE(Installed(WH_CALLWNDPROC));
    EXPECT_TRUE(Remove(second));
    EXPECT_FALSE(Installed(WH_CALLWNDPROC));

    // Installed afresh, and once.
    ASSERT_TRUE(Add(first));
    Raise(WH_CALLWNDPROC);
    EXPECT_EQ(first.nCalls, 2);
    EXPECT_TRUE(Remove(first));
    EXPECT_FALSE(Installed(WH_CALLWNDPROC));
}

TEST_F(HookRegistryTest, RefusedRegistrationsChangeNothing)
{
    Recorder recorder{WH_GETMESSAGE};
    Recorder stranger{WH_GETMESSAGE};
    ASSERT_TRUE(Add(recorder));
    EXPECT_FALSE(Add(recorder));
    EXPECT_FALSE(HookRegistry::Get().AddHook(WH_GETMESSAGE, nullptr, &stranger));
    EXPECT_FALSE(HookRegistry::Get().AddHook(WH_KEYBOARD, &Record, &stranger));
    EXPECT_FALSE(Remove(stranger));
    EXPECT_FALSE(HookRegistry::Get().RemoveHook(WH_MOUSE, &Record, &recorder));

    Raise(WH_GETMESSAGE);
    EXPECT_EQ(recorder.nCalls, 1);
    EXPECT_TRUE(Remove(recorder));
    EXPECT_FALSE(Remove(recorder));
    EXPECT_FALSE(Installed(WH_GETMESSAGE));
}

TEST_F(HookRegistryTest, ATrueAnswerStopsTheLaterCallbacksAndTheSystemsChain)
{
    g_nOwnHookCalls = 0;
    g_hOwnHook =
        ::SetWindowsHookExW(WH_GETMESSAGE, &OwnGetMessageHook, nullptr, ::GetCurrentThreadId());
    Recorder first{WH_GETMESSAGE};
    Recorder second{WH_GETMESSAGE};
    first.bSwallow = true;
    ASSERT_TRUE(Add(first));
    ASSERT_TRUE(Add(second));

    Raise(WH_GETMESSAGE);
    EXPECT_EQ(first.nCalls, 1);
    EXPECT_EQ(second.nCalls, 0);
    EXPECT_EQ(g_nOwnHookCalls, 0);

    first.bSwallow = false;
    Raise(WH_GETMESSAGE);
    EXPECT_EQ(second.nCalls, 1);
    EXPECT_EQ(g_nOwnHookCalls, 1);

    Remove(first);
    Remove(second);
    ::UnhookWindowsHookEx(g_hOwnHook);
}

// A callback that unregisters itself does not cost the next one the event; one that
// unregisters a later one keeps it from being called at all.
TEST_F(HookRegistryTest, CallbacksMayUnregisterThemselvesAndOthersDuringAnEvent)
{
    Recorder leaving{WH_GETMESSAGE};
    Recorder staying{WH_GETMESSAGE};
    leaving.pRemove = &leaving;
    ASSERT_TRUE(Add(leaving));
    ASSERT_TRUE(Add(staying));
    Raise(WH_GETMESSAGE);
    Raise(WH_GETMESSAGE);
    EXPECT_EQ(leaving.nCalls, 1);
    EXPECT_EQ(staying.nCalls, 2);

    Recorder evicted{WH_GETMESSAGE};
    staying.pRemove = &evicted;
    ASSERT_TRUE(Add(evicted));
    Raise(WH_GETMESSAGE);
    EXPECT_EQ(staying.nCalls, 3);
    EXPECT_EQ(evicted.nCalls, 0);
    EXPECT_FALSE(Remove(evicted));

    // The last registration leaving from inside the hook takes the hook with it.
    staying.pRemove = &staying;
    Raise(WH_GETMESSAGE);
    EXPECT_EQ(staying.nCalls, 4);
    EXPECT_FALSE(Installed(WH_GETMESSAGE));
    Raise(WH_GETMESSAGE);
    EXPECT_EQ(staying.nCalls, 4);
}

} // namespace
