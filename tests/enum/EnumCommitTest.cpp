// What reaches the host's text: the list's item on a click or Enter, the typed text of an
// editable list, nothing on Escape, and no news when the text stays what it was.
#include "EnumFixture.h"
#include "WindowCapture.h"

namespace {

class CRecordingCmdUI : public CCmdUI
{
public:
    int m_nEnabled = -1;
    void Enable(BOOL bOn) override { m_nEnabled = bOn; }
};

class EnumCommit : public pgtest::EnumTest
{
protected:
    void SetUp() override
    {
        EnumTest::SetUp();
        m_pProperty = AddEnum(L"Low|Medium|High\n$readonly$|On|Off", &m_strFirst, &m_strSecond);
        ASSERT_NE(m_pProperty, nullptr);
        m_Grid.SetPropertyUserData(m_pCategory, m_pProperty, 1, &m_nUserData);
    }

    CString m_strFirst = L"Low";
    CString m_strSecond = L"On";
    int m_nUserData = 0;
    IZNPropertyGridProperty* m_pProperty = nullptr;
};

// A click takes the item into the field and commits it at once; the editor stays open in the
// cell, the focus in its field.
TEST_F(EnumCommit, AClickOnAnItemCommitsItAndKeepsTheEditorOpen)
{
    ASSERT_TRUE(ClickCell(m_pProperty, 2) && ClickDropButton());
    ASSERT_TRUE(ClickItem(1));
    EXPECT_STREQ(m_strSecond, L"Off");
    ASSERT_EQ(m_Host.m_Changes.size(), 1u);
    EXPECT_EQ(m_Host.m_Changes[0].wParam, WPARAM(MAKELONG(1, 7)));
    EXPECT_EQ(m_Host.m_Changes[0].lParam, reinterpret_cast<LPARAM>(&m_nUserData));
    EXPECT_FALSE(IsListOpen());
    EXPECT_TRUE(EditorShown());
    EXPECT_STREQ(EditFieldText(), L"Off");
    EXPECT_TRUE(FocusStaysInTheEditField());

    ASSERT_TRUE(pgtest::PressKey(VK_RETURN));
    EXPECT_FALSE(EditorShown());
    EXPECT_EQ(m_Host.m_Changes.size(), 1u);
    EXPECT_EQ(::GetFocus(), m_Grid.m_hWnd);
}

// Enter takes the highlighted item, then ends the edit as it does without a list.
TEST_F(EnumCommit, EnterTakesTheHighlightedItemAndEndsTheEdit)
{
    ASSERT_TRUE(ClickCell(m_pProperty, 1) && pgtest::PressKey(VK_DOWN) &&
                pgtest::PressKey(VK_DOWN) && pgtest::PressKey(VK_DOWN));
    ASSERT_EQ(Selected(), 2);
    ASSERT_TRUE(pgtest::PressKey(VK_RETURN));
    EXPECT_STREQ(m_strFirst, L"High");
    EXPECT_EQ(m_Host.m_Changes.size(), 1u);
    EXPECT_FALSE(IsListOpen());
    EXPECT_FALSE(EditorShown());
    EXPECT_EQ(::GetFocus(), m_Grid.m_hWnd);
}

// Escape closes the list and cancels the edit: the typed text is not stored either.
TEST_F(EnumCommit, EscapeClosesTheListAndCancelsTheEdit)
{
    ASSERT_TRUE(Edit(m_pProperty, 1, L"Typed", 0));
    ASSERT_TRUE(pgtest::PressKey(VK_DOWN) && pgtest::PressKey(VK_DOWN));
    ASSERT_TRUE(IsListOpen());
    ASSERT_TRUE(pgtest::PressKey(VK_ESCAPE));
    EXPECT_FALSE(IsListOpen());
    EXPECT_FALSE(EditorShown());
    EXPECT_STREQ(m_strFirst, L"Low");
    EXPECT_TRUE(m_Host.m_Changes.empty());
}

// The item equal to the stored text, by click or by Enter, is no change.
TEST_F(EnumCommit, CommittingTheCurrentValueSendsNoChange)
{
    ASSERT_TRUE(ClickCell(m_pProperty, 1) && ClickDropButton());
    ASSERT_EQ(Selected(), 0);
    ASSERT_TRUE(ClickItem(0));
    EXPECT_FALSE(IsListOpen());
    ASSERT_TRUE(pgtest::PressKey(VK_DOWN) && pgtest::PressKey(VK_RETURN));
    EXPECT_FALSE(EditorShown());
    EXPECT_STREQ(m_strFirst, L"Low");
    EXPECT_TRUE(m_Host.m_Changes.empty());
}

// An editable list only offers texts: what is typed is committed as typed.
TEST_F(EnumCommit, ATypedTextIsCommittedAsTyped)
{
    ASSERT_TRUE(Edit(m_pProperty, 1, L"Medium-ish"));
    EXPECT_STREQ(m_strFirst, L"Medium-ish");
    EXPECT_EQ(m_Host.m_Changes.size(), 1u);
}

// A read-only list takes texts from the list alone: typing, deleting and pasting change
// nothing, while the list still sets the text.
TEST_F(EnumCommit, AReadOnlyListRefusesTypedText)
{
    ASSERT_TRUE(ClickCell(m_pProperty, 2));
    ASSERT_TRUE(pgtest::TypeText(L"xyz") && pgtest::PressKey(VK_BACK));
    EXPECT_STREQ(EditFieldText(), L"On");
    // It looks like an editable field all the same.
    pgtest::Pixels pixels = pgtest::CaptureClient(EditField());
    ASSERT_FALSE(pixels.IsEmpty());
    EXPECT_EQ(pixels.At(pixels.width - 3, pixels.height / 2), ::GetSysColor(COLOR_WINDOW));
    CRecordingCmdUI paste;
    m_pProperty->OnUpdatePaste(&paste);
    EXPECT_EQ(paste.m_nEnabled, FALSE);

    ASSERT_TRUE(pgtest::PressKey(VK_DOWN) && pgtest::PressKey(VK_DOWN) &&
                pgtest::PressKey(VK_RETURN));
    EXPECT_STREQ(m_strSecond, L"Off");
    EXPECT_EQ(m_Host.m_Changes.size(), 1u);
}

} // namespace
