// The keyboard and the wheel over the grid: the current cell moves over rows, columns,
// categories and cells without a value; Return, Space and scrolling act on it.
#include "GridFixture.h"

#include <utility>

namespace {

using Cell = std::pair<int, int>; // row, grid column
using Cells = std::vector<Cell>;

// Rows: 0 V; 1 p1 (a1, b1); 2 p2 (-, b2); 3 p3 (a3, -); 4 W; 5 w1 (a4, b4).
class NavigationTest : public pgtest::EditTest
{
protected:
    void SetUp() override
    {
        EditTest::SetUp();
        p1 = Add(PGT_TEXT, 1, &a[0], &b[0]);
        Add(PGT_TEXT, 2, nullptr, &b[1]);
        p3 = Add(PGT_TEXT, 3, &a[2]);
        V = std::exchange(m_pCategory, Category(m_pRoot, L"W"));
        Add(PGT_TEXT, 4, &a[3], &b[3]);
        m_Grid.SetFocus();
    }

    Cell Current() const { return {m_Grid.GetCurSel(), m_Grid.m_nCurrentColumn}; }

    // The cells that one press after another reaches.
    Cells Walk(WORD vk, int nPresses)
    {
        Cells cells;
        for (int i = 0; i < nPresses && pgtest::PressKey(vk); ++i)
            cells.push_back(Current());
        return cells;
    }

    CString a[4] = {L"a1", L"a2", L"a3", L"a4"};
    CString b[4] = {L"b1", L"b2", L"b3", L"b4"};
    IZNPropertyGridProperty *p1 = nullptr, *p3 = nullptr;
    CZNPropertyGridCategory* V = nullptr;
};

TEST_F(NavigationTest, RightAndLeftWalkTheCellsWithAValueAndStopAtTheEnds)
{
    // Without a selection Right starts at the first row; a category is a stop of its own.
    EXPECT_EQ(Walk(VK_RIGHT, 9),
              (Cells{{0, 1}, {1, 1}, {1, 2}, {2, 2}, {3, 1}, {4, 1}, {5, 1}, {5, 2}, {5, 2}}));
    EXPECT_EQ(Walk(VK_LEFT, 8),
              (Cells{{5, 1}, {4, 2}, {3, 1}, {2, 2}, {1, 2}, {1, 1}, {0, 2}, {0, 2}}));
}

TEST_F(NavigationTest, UpAndDownKeepTheColumnUnlessTheNextRowHasNoValueThere)
{
    ASSERT_EQ(Walk(VK_RIGHT, 2).back(), Cell(1, 1));
    // Where the next row has no value in the column, the key moves as Right or Left does.
    EXPECT_EQ(Walk(VK_DOWN, 6), (Cells{{1, 2}, {2, 2}, {3, 1}, {4, 1}, {5, 1}, {5, 1}}));
    EXPECT_EQ(Walk(VK_UP, 6), (Cells{{4, 1}, {3, 1}, {2, 2}, {1, 2}, {0, 2}, {0, 2}}));
}

TEST_F(NavigationTest, ReturnOpensTheCurrentCellOrTogglesACategory)
{
    ASSERT_EQ(Walk(VK_RIGHT, 3).back(), Cell(1, 2));
    ASSERT_TRUE(pgtest::PressKey(VK_RETURN));
    EXPECT_EQ(m_Grid.m_pActiveProperty, p1);
    EXPECT_STREQ(EditText(), L"b1");
    // Keys that reach the grid itself while the editor is open change nothing.
    m_Grid.SetFocus();
    ASSERT_EQ(Walk(VK_DOWN, 1), (Cells{{1, 2}}));
    ASSERT_EQ(Walk(VK_RIGHT, 1), (Cells{{1, 2}}));
    ASSERT_TRUE(pgtest::PressKey(VK_RETURN));
    EXPECT_EQ(m_Grid.m_pActiveProperty, p1);
    m_Grid.DeactivateProperty();

    m_Grid.EnableProperty(V, p1, 1, false);
    ASSERT_TRUE(pgtest::PressKey(VK_RETURN));
    EXPECT_EQ(m_Grid.m_pActiveProperty, nullptr);
    ASSERT_EQ(Walk(VK_RIGHT, 3).back(), Cell(4, 1));
    ASSERT_TRUE(pgtest::PressKey(VK_RETURN));
    EXPECT_EQ(m_Grid.GetCount(), 5);
    ASSERT_TRUE(pgtest::PressKey(VK_SPACE));
    EXPECT_EQ(m_Grid.GetCount(), 6);
}

TEST_F(NavigationTest, SpaceChecksAndClearsTheBoxButNotADisabledOne)
{
    ASSERT_EQ(Walk(VK_RIGHT, 2).back(), Cell(1, 1));
    // The state Space leaves after each state; 0 is no box.
    const unsigned kAfterSpace[13] = {0, 5, 5, 5, 4, 1, 1, 1, 8, 5, 5, 5, 12};
    for (unsigned nState = 0; nState <= 12; ++nState) {
        m_Grid.SetPropertyCheckBoxState(V, p1, 0, nState << 28);
        ASSERT_TRUE(pgtest::PressKey(VK_SPACE));
        unsigned nAfter = 0;
        m_Grid.GetPropertyCheckBoxState(V, p1, 0, nAfter);
        EXPECT_EQ(nAfter >> 28, kAfterSpace[nState]) << "state " << nState;
    }
}

TEST_F(NavigationTest, TheWheelAndTheScrollBarCommitAndCloseTheEditorBeforeScrolling)
{
    std::vector<CString> more(20, L"x");
    for (CString& value : more)
        Add(PGT_TEXT, 9, &value);
    pgtest::PumpMessages();

    ASSERT_TRUE(ClickCell(p1, 1) && pgtest::TypeText(L"+"));
    ASSERT_TRUE(pgtest::Wheel(m_Grid, CPoint(150, 60), -WHEEL_DELTA));
    EXPECT_EQ(m_Grid.m_pActiveProperty, nullptr);
    EXPECT_STREQ(a[0], L"a1+");
    EXPECT_EQ(::GetFocus(), m_Grid.m_hWnd);
    int nTop = m_Grid.GetTopIndex();
    EXPECT_GT(nTop, 0);

    ASSERT_TRUE(ClickCell(p3, 1) && pgtest::TypeText(L"+"));
    m_Grid.SendMessage(WM_VSCROLL, SB_LINEDOWN);
    EXPECT_EQ(m_Grid.m_pActiveProperty, nullptr);
    EXPECT_STREQ(a[2], L"a3+");
    EXPECT_EQ(m_Grid.GetTopIndex(), nTop + 1);
}

} // namespace
