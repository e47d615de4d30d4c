// Dropping the list down from a grid's enumeration cell, with the drop button or Down, while the
// keyboard focus stays in the editor's edit field and the host window stays active.
#include "EnumFixture.h"
#include "WindowCapture.h"

namespace {

constexpr wchar_t kItems[] = L"Low|Medium|High|Extreme";

class EnumDropDown : public pgtest::EnumTest
{
protected:
    void SetUp() override
    {
        EnumTest::SetUp();
        m_pProperty = AddEnum(kItems, &m_strValue);
        ASSERT_NE(m_pProperty, nullptr);
    }
    // The colour of the drop button away from its arrow.
    COLORREF ButtonFace() const
    {
        ::UpdateWindow(DropButton());
        pgtest::Pixels pixels = pgtest::CaptureClient(DropButton());
        return pixels.IsEmpty() ? CLR_INVALID : pixels.At(1, 1);
    }

    CString m_strValue = L"medium";
    IZNPropertyGridProperty* m_pProperty = nullptr;
};

// The list opens under the editor with the current value selected, whatever its case.
TEST_F(EnumDropDown, TheDropButtonOpensTheListUnderTheEditor)
{
    ASSERT_TRUE(ClickCell(m_pProperty, 1) && ClickDropButton());
    ASSERT_TRUE(IsListOpen());
    EXPECT_EQ(Selected(), 1);
    EXPECT_TRUE(FocusStaysInTheEditField());

    CRect rcEditor, rcPopup;
    ::GetClientRect(Editor(), &rcEditor);
    ::MapWindowPoints(Editor(), nullptr, reinterpret_cast<POINT*>(&rcEditor), 2);
    ::GetWindowRect(OpenPopup(), &rcPopup);
    EXPECT_EQ(rcPopup.TopLeft(), CPoint(rcEditor.left - 1, rcEditor.bottom));
    EXPECT_EQ(rcPopup.Width(), rcEditor.Width() + 2);

    ASSERT_TRUE(pgtest::PressKey(VK_ESCAPE));
    EXPECT_FALSE(IsListOpen());
}

// Down opens the list, and once it is open moves its selection instead of opening it again; the
// caret stays where it was.
TEST_F(EnumDropDown, DownOpensTheListAndThenMovesItsSelection)
{
    ASSERT_TRUE(ClickCell(m_pProperty, 1) && pgtest::PressKey(VK_DOWN));
    HWND hPopup = OpenPopup();
    ASSERT_NE(hPopup, nullptr);
    EXPECT_EQ(Selected(), 1);
    ASSERT_TRUE(pgtest::PressKey(VK_DOWN));
    EXPECT_EQ(OpenPopup(), hPopup);
    EXPECT_EQ(Selected(), 2);
    ASSERT_TRUE(pgtest::PressKey(VK_UP) && pgtest::PressKey(VK_UP));
    EXPECT_EQ(Selected(), 0);
    EXPECT_TRUE(FocusStaysInTheEditField());
    EXPECT_STREQ(EditFieldText(), L"medium");
    EXPECT_EQ(::SendMessageW(EditField(), EM_GETSEL, 0, 0), MAKELONG(6, 6));
}

// The press closes the list as any press outside it does; the click the release completes
// opens it again. The button looks held down while the list is open.
TEST_F(EnumDropDown, APressOnTheDropButtonClosesTheListAndTheReleaseOpensIt)
{
    ASSERT_TRUE(ClickCell(m_pProperty, 1));
    const COLORREF crAtRest = ButtonFace();
    EXPECT_EQ(crAtRest, ::GetSysColor(COLOR_BTNFACE));
    ASSERT_TRUE(ClickDropButton());
    ASSERT_TRUE(IsListOpen());
    const COLORREF crOpen = ButtonFace();
    EXPECT_NE(crOpen, crAtRest);

    // Away from the first click, which a second one nearby would make a double click.
    CRect rc;
    ::GetClientRect(DropButton(), &rc);
    CPoint point(rc.right - 2, rc.CenterPoint().y);
    ASSERT_GT(point.x - rc.CenterPoint().x, ::GetSystemMetrics(SM_CXDOUBLECLK) / 2);
    ASSERT_TRUE(pgtest::MouseDown(DropButton(), point));
    EXPECT_FALSE(IsListOpen());
    EXPECT_EQ(ButtonFace(), crOpen) << "held down";
    ASSERT_TRUE(pgtest::MouseUp(DropButton(), point));
    EXPECT_TRUE(IsListOpen());
    EXPECT_EQ(ButtonFace(), crOpen);
    EXPECT_TRUE(FocusStaysInTheEditField());
    EXPECT_TRUE(m_Host.m_Changes.empty());
}

// The list closes as soon as another window is activated, and the editor leaves the activation
// with that window.
TEST_F(EnumDropDown, ActivatingAnotherWindowClosesTheListAndLeavesThatWindowActive)
{
    ASSERT_TRUE(ClickCell(m_pProperty, 1) && pgtest::PressKey(VK_DOWN));
    ASSERT_TRUE(IsListOpen());
    pgtest::CHostDialog other;
    ASSERT_TRUE(other.Create(pgtest::kGridListBoxStyle, {200, 100}));
    other.SetWindowPos(nullptr, 700, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    other.SetForegroundWindow();
    pgtest::PumpMessages();
    EXPECT_FALSE(IsListOpen());
    EXPECT_EQ(::GetActiveWindow(), other.m_hWnd);
    EXPECT_TRUE(EditorShown());
    other.DestroyWindow();
}

} // namespace
