// Context menus shown with CMenu::TrackPopupMenu and chosen from with the keyboard.
#include <afxwin.h>
#include <gtest/gtest.h>

#include "Input.h"

#include <vector>

namespace {

constexpr UINT kFirstItem = 41001;
constexpr UINT kSecondItem = 41002;
constexpr UINT kThirdItem = 41003;

class CMenuOwnerWnd : public CWnd
{
public:
    std::vector<UINT> m_commands; // the commands that reached the window

protected:
    afx_msg void OnItem(UINT nID) { m_commands.push_back(nID); }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CMenuOwnerWnd, CWnd)
    ON_COMMAND_RANGE(kFirstItem, kThirdItem, &CMenuOwnerWnd::OnItem)
END_MESSAGE_MAP()

// Keys pressed from inside the menu's own loop, where the menu reads them: Down twice picks the
// second item, Enter chooses it.
void CALLBACK ChooseSecondItem(HWND, UINT, UINT_PTR nIDEvent, DWORD)
{
    ::KillTimer(nullptr, nIDEvent);
    std::vector<INPUT> inputs;
    for (WORD vk : {WORD(VK_DOWN), WORD(VK_DOWN), WORD(VK_RETURN)}) {
        for (DWORD dwFlags : {DWORD(0), DWORD(KEYEVENTF_KEYUP)}) {
            INPUT input = {};
            input.type = INPUT_KEYBOARD;
            input.ki.wVk = vk;
            input.ki.dwFlags = dwFlags | (vk == VK_DOWN ? KEYEVENTF_EXTENDEDKEY : 0);
            inputs.push_back(input);
        }
    }
    ::SendInput(UINT(inputs.size()), inputs.data(), sizeof(INPUT));
}

class ContextMenu : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(wnd.CreateEx(0, nullptr, L"menu owner", WS_POPUP | WS_VISIBLE, 100, 100, 300,
                                 200, nullptr, nullptr));
        wnd.SetForegroundWindow();
        pgtest::PumpMessages();
        ASSERT_TRUE(menu.CreatePopupMenu());
        menu.AppendMenu(MF_STRING, kFirstItem, L"First");
        menu.AppendMenu(MF_STRING, kSecondItem, L"Second");
        menu.AppendMenu(MF_STRING, kThirdItem, L"Third");
        ::SetTimer(nullptr, 0, 50, &ChooseSecondItem);
    }

    CMenuOwnerWnd wnd;
    CMenu menu;
};

TEST_F(ContextMenu, TheChosenCommandReachesTheOwnersHandler)
{
    EXPECT_TRUE(menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, 150, 150, &wnd));
    pgtest::PumpMessages();
    EXPECT_EQ(wnd.m_commands, std::vector<UINT>{kSecondItem});
}

TEST_F(ContextMenu, ReturningTheCommandSendsNothing)
{
    EXPECT_EQ(UINT(menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RETURNCMD, 150, 150, &wnd)),
              kSecondItem);
    pgtest::PumpMessages();
    EXPECT_TRUE(wnd.m_commands.empty());
}

} // namespace
