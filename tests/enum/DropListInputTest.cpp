// Working the drop-down list as a user does: the mouse follows the rows, a click or Enter takes
// an item, Escape cancels, and presses or activations elsewhere close the list, while the focus
// and the activation stay with the editor's window.
#include "DropListFixture.h"
#include "HookProbe.h"

#include <algorithm>

namespace {

using pgtest::DropListTest;
using pgtest::OwnerMessage;

const OwnerMessage kClosed(PGM_DROPLIST_CLOSED, 0);
const OwnerMessage kCommitted(PGM_DROPLIST_COMMIT, 0);
const OwnerMessage kCancelled(PGM_DROPLIST_COMMIT, WPARAM(-1));

class DropListInput : public DropListTest
{
protected:
    void SetUp() override
    {
        DropListTest::SetUp();
        m_Items = {L"alpha", L"beta", L"gamma", L"delta", L"epsilon"};
        for (int i = 0; i < 30; ++i) {
            m_Long.emplace_back();
            m_Long.back().Format(L"Item %d", i);
        }
    }
    const std::vector<OwnerMessage>& Messages() const { return m_pEditor->m_Messages; }
    bool Committed() const
    {
        return std::find(Messages().begin(), Messages().end(), kCommitted) != Messages().end() ||
               std::find(Messages().begin(), Messages().end(), kCancelled) != Messages().end();
    }
    bool Closed() const
    {
        return std::find(Messages().begin(), Messages().end(), kClosed) != Messages().end();
    }
    // A point of the host's client area well away from the editor and the list.
    static CPoint FarFromTheList() { return CPoint(350, 250); }

    std::vector<CString> m_Items;
    std::vector<CString> m_Long;
};

TEST_F(DropListInput, TheSelectionFollowsTheMouseButNotAListOpeningUnderIt)
{
    ASSERT_TRUE(Open(&m_Items, L"beta"));
    CPoint ptRow3 = RowPoint(3);
    ::ClientToScreen(List(), &ptRow3);
    m_pEditor->m_DropList.CloseDropList();
    pgtest::PumpMessages();
    m_pEditor->m_Messages.clear();

    // The mouse rests where row 3 will appear.
    CPoint ptInHost = ptRow3;
    m_Host.ScreenToClient(&ptInHost);
    ASSERT_TRUE(pgtest::MoveMouse(m_Host.m_hWnd, ptInHost));
    ASSERT_TRUE(Open(&m_Items, L"beta"));
    EXPECT_EQ(Selected(), 1);
    // A mouse event at the resting place, as the system sends when a window appears under the
    // cursor, moves nothing.
    ASSERT_TRUE(pgtest::MoveMouse(m_Host.m_hWnd, ptInHost));
    EXPECT_EQ(Selected(), 1);

    ASSERT_TRUE(pgtest::MoveMouse(List(), RowPoint(3) + CSize(1, 0)));
    EXPECT_EQ(Selected(), 3);
    ASSERT_TRUE(pgtest::MoveMouse(List(), RowPoint(0)));
    EXPECT_EQ(Selected(), 0);
    EXPECT_TRUE(IsOpen());
    EXPECT_TRUE(Messages().empty());
    EXPECT_TRUE(FocusAndActivationStayWithTheHost());
}

TEST_F(DropListInput, AClickTakesTheItemUnderTheMouse)
{
    ASSERT_TRUE(Open(&m_Items, L"beta"));
    ASSERT_TRUE(ClickList(RowPoint(3)));
    EXPECT_FALSE(IsOpen());
    EXPECT_EQ(Messages(), (std::vector<OwnerMessage>{kClosed, kCommitted}));
    EXPECT_STREQ(m_pEditor->m_DropList.GetSelection(), L"delta");
    EXPECT_EQ(Popup(), nullptr);
    EXPECT_TRUE(FocusAndActivationStayWithTheHost());
}

// The keys go to the editor's edit field; the list takes the navigation keys from the thread's
// messages on the way.
TEST_F(DropListInput, NavigationKeysMoveTheSelectionAndEnterTakesIt)
{
    ASSERT_TRUE(Open(&m_Long, L"item 5"));
    ASSERT_EQ(Selected(), 5);
    ASSERT_TRUE(pgtest::PressKey(VK_DOWN));
    ASSERT_TRUE(pgtest::PressKey(VK_DOWN));
    EXPECT_EQ(Selected(), 7);
    ASSERT_TRUE(pgtest::PressKey(VK_UP));
    EXPECT_EQ(Selected(), 6);
    ASSERT_TRUE(pgtest::PressKey(VK_NEXT));
    int nPagedDown = Selected();
    EXPECT_GT(nPagedDown, 7);
    ASSERT_TRUE(pgtest::PressKey(VK_PRIOR));
    EXPECT_LT(Selected(), nPagedDown);
    EXPECT_TRUE(FocusAndActivationStayWithTheHost());
    EXPECT_TRUE(Messages().empty());

    int nChosen = Selected();
    ASSERT_TRUE(pgtest::PressKey(VK_RETURN));
    EXPECT_FALSE(IsOpen());
    EXPECT_EQ(Messages(), (std::vector<OwnerMessage>{kClosed, kCommitted}));
    EXPECT_STREQ(m_pEditor->m_DropList.GetSelection(), m_Long[size_t(nChosen)]);
}

TEST_F(DropListInput, EscapeClosesTheListAndKeepsTheCurrentValue)
{
    ASSERT_TRUE(Open(&m_Items, L"Beta"));
    ASSERT_TRUE(pgtest::PressKey(VK_DOWN));
    ASSERT_TRUE(pgtest::PressKey(VK_ESCAPE));
    EXPECT_FALSE(IsOpen());
    EXPECT_EQ(Messages(), (std::vector<OwnerMessage>{kClosed, kCancelled}));
    EXPECT_STREQ(m_pEditor->m_DropList.GetSelection(), L"Beta");
}

// Nothing selected, nothing to take: the list only closes.
TEST_F(DropListInput, EnterWithoutASelectionOnlyClosesTheList)
{
    ASSERT_TRUE(Open(&m_Items, L"typed text"));
    ASSERT_EQ(Selected(), LB_ERR);
    ASSERT_TRUE(pgtest::PressKey(VK_RETURN));
    EXPECT_FALSE(IsOpen());
    EXPECT_EQ(Messages(), std::vector<OwnerMessage>{kClosed});
    EXPECT_STREQ(m_pEditor->m_DropList.GetSelection(), L"typed text");

    std::vector<CString> empty;
    ASSERT_TRUE(Open(&empty, L""));
    ASSERT_TRUE(ClickList(CPoint(5, 5)));
    EXPECT_FALSE(IsOpen());
    EXPECT_FALSE(Committed());
}

// MFC's message loop peeks at the queue before it takes a message out; a key counts once.
TEST_F(DropListInput, AKeyMovesTheListOnceWhenTheHostPeeksBeforeTakingIt)
{
    ASSERT_TRUE(Open(&m_Items, L"beta"));
    INPUT inputs[2] = {};
    for (INPUT& input : inputs) {
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = VK_DOWN;
        input.ki.dwFlags = KEYEVENTF_EXTENDEDKEY;
    }
    inputs[1].ki.dwFlags |= KEYEVENTF_KEYUP;
    ASSERT_EQ(::SendInput(2, inputs, sizeof(INPUT)), 2u);
    MSG msg;
    for (int i = 0; i < 3; ++i)
        ::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);
    pgtest::PumpMessages();
    EXPECT_EQ(Selected(), 2);
}

// Any button pressed outside the list closes it without taking an item: on the host, on the
// editor's own edit field, with either button.
TEST_F(DropListInput, APressOutsideTheListClosesItWithoutTakingAnItem)
{
    struct Press
    {
        HWND hWnd;
        CPoint point;
        DWORD dwButton;
    };
    const Press presses[] = {
        {m_Host.m_hWnd, FarFromTheList(), MK_LBUTTON},
        {EditField(), CPoint(5, 5), MK_LBUTTON},
        {m_Host.m_hWnd, FarFromTheList(), MK_RBUTTON},
    };
    for (const Press& press : presses) {
        SCOPED_TRACE(press.dwButton == MK_LBUTTON ? "left" : "right");
        m_pEditor->m_Messages.clear();
        ASSERT_TRUE(Open(&m_Items, L"beta"));
        ASSERT_TRUE(pgtest::MoveMouse(List(), RowPoint(3)));
        if (press.dwButton == MK_LBUTTON)
            ASSERT_TRUE(pgtest::Click(press.hWnd, press.point));
        else
            ASSERT_TRUE(pgtest::RightClick(press.hWnd, press.point));
        EXPECT_FALSE(IsOpen());
        EXPECT_TRUE(Closed());
        EXPECT_FALSE(Committed());
        EXPECT_STREQ(m_pEditor->m_DropList.GetSelection(), L"beta");
    }
}

TEST_F(DropListInput, MovesAndWheelTurnsOutsideTheListLeaveItOpen)
{
    ASSERT_TRUE(Open(&m_Items, L"beta"));
    ASSERT_TRUE(pgtest::MoveMouse(m_Host.m_hWnd, FarFromTheList()));
    ASSERT_TRUE(pgtest::MoveMouse(m_Host.m_hWnd, FarFromTheList() + CSize(5, 5)));
    ASSERT_TRUE(pgtest::Wheel(m_Host.m_hWnd, FarFromTheList(), -WHEEL_DELTA));
    ASSERT_TRUE(pgtest::Wheel(EditField(), CPoint(5, 5), WHEEL_DELTA));
    EXPECT_TRUE(IsOpen());
    EXPECT_TRUE(Messages().empty());
}

// The editor passes the wheel on to the open list: the list scrolls and the row that comes
// under the resting mouse is selected.
TEST_F(DropListInput, TheWheelScrollsTheListAndSelectsTheRowUnderTheMouse)
{
    ASSERT_TRUE(Open(&m_Long, L"Item 0"));
    ASSERT_EQ(TopIndex(), 0);
    ASSERT_TRUE(pgtest::Wheel(List(), RowPoint(2), -WHEEL_DELTA));
    EXPECT_GT(TopIndex(), 0);
    EXPECT_EQ(Selected(), TopIndex() + 2);
    EXPECT_TRUE(IsOpen());
    EXPECT_TRUE(FocusAndActivationStayWithTheHost());
}

// Another top-level window of the application comes up active, as a message box would.
TEST_F(DropListInput, ActivatingAnotherTopLevelWindowClosesTheList)
{
    ASSERT_TRUE(Open(&m_Items, L"beta"));
    pgtest::CTestHost other;
    ASSERT_TRUE(other.Create(L"Other", CPoint(500, 300), CSize(200, 100)));
    EXPECT_EQ(::GetActiveWindow(), other.m_hWnd);
    EXPECT_FALSE(IsOpen());
    EXPECT_TRUE(Closed());
    EXPECT_FALSE(Committed());
    other.DestroyWindow();
}

// The list's three callbacks are registered exactly while its window exists, whichever way
// the window goes.
TEST_F(DropListInput, NoHookOutlivesTheList)
{
    ASSERT_FALSE(AnyHookInstalled());
    ASSERT_TRUE(Open(&m_Items, L"beta"));
    for (int kind : {WH_MOUSE, WH_CALLWNDPROC, WH_GETMESSAGE})
        EXPECT_TRUE(pgtest::IsRegistryHookInstalled(kind, m_Host.m_hWnd)) << kind;
    ASSERT_TRUE(IsOpen());
    ASSERT_TRUE(pgtest::PressKey(VK_RETURN));
    EXPECT_FALSE(AnyHookInstalled());

    const DWORD dwClassStyle = ::GetClassLongW(m_Host.m_hWnd, GCL_STYLE);
    ASSERT_TRUE(Open(&m_Items, L"beta"));
    m_pEditor->DestroyWindow();
    EXPECT_FALSE(AnyHookInstalled()) << "after the editor's window went";
    EXPECT_EQ(::GetClassLongW(m_Host.m_hWnd, GCL_STYLE), dwClassStyle);

    ASSERT_TRUE(CreateEditor());
    ASSERT_TRUE(Open(&m_Items, L"beta"));
    m_pEditor.reset();
    EXPECT_FALSE(AnyHookInstalled()) << "after the editor object went";
    EXPECT_EQ(::GetClassLongW(m_Host.m_hWnd, GCL_STYLE), dwClassStyle);
}

// The host may remove the property, and so the editor with its list, from inside the commit.
TEST_F(DropListInput, TheEditorMayGoAwayInsideTheCommit)
{
    for (bool bByKey : {false, true}) {
        SCOPED_TRACE(bByKey ? "Enter" : "click");
        ASSERT_TRUE(Open(&m_Items, L"beta"));
        m_pEditor->m_OnCommit = [this] { m_pEditor.reset(); };
        ASSERT_TRUE(bByKey ? pgtest::PressKey(VK_RETURN) : ClickList(RowPoint(2)));
        EXPECT_EQ(m_pEditor, nullptr);
        EXPECT_FALSE(AnyHookInstalled());
        ASSERT_TRUE(CreateEditor());
    }
}

// A list closed a moment ago still waits for its window to go when the editor opens it again.
TEST_F(DropListInput, ReopeningAtOnceShowsTheNewItems)
{
    ASSERT_TRUE(Open(&m_Items, L"beta"));
    m_pEditor->m_DropList.CloseDropList();
    ASSERT_TRUE(Open(&m_Long, L"Item 2"));
    EXPECT_EQ(::SendMessageW(List(), LB_GETCOUNT, 0, 0), LRESULT(m_Long.size()));
    EXPECT_EQ(Selected(), 2);
    ASSERT_TRUE(pgtest::PressKey(VK_DOWN));
    EXPECT_EQ(Selected(), 3);
}

} // namespace
