// Every cell is a tool of its own, with the text its row gives it; a check box is one more.
#include "GridFixture.h"

#include <afxcmn.h>
#include <afxstat_.h>

#include <cstdlib>
#include <iterator>

namespace {

// Three columns. Rows: 0 V; 1..3 properties with "x" in their first value cell, the third with
// a check box there.
class ToolTipTest : public pgtest::EditTest
{
protected:
    void SetUp() override
    {
        EditTest::SetUp();
        for (unsigned nID = 1; nID <= 3; ++nID)
            m_pProperty = Add(PGT_TEXT, nID, &m_strValue);
        m_Grid.SetPropertyCheckBoxState(m_pCategory, m_pProperty, 0, PGCB_UNCHECKED);
        m_Grid.SetPropertyCheckBoxTooltip(m_pCategory, m_pProperty, 0, L"tick");
        pgtest::PumpMessages();
    }

    // The tool id and text the grid gives for the point; "<null>" for no text at all.
    std::pair<INT_PTR, CString> HitTest(CPoint point)
    {
        TOOLINFO ti = {};
        ti.cbSize = sizeof(ti);
        INT_PTR nHit = m_Grid.OnToolHitTest(point, &ti);
        if (nHit != -1) {
            EXPECT_EQ(UINT_PTR(nHit), ti.uId);
        }
        CString strText = ti.lpszText != nullptr ? ti.lpszText : L"<null>";
        std::free(ti.lpszText);
        return {nHit, strText};
    }

    // The text of the grid's tool in the thread's tool-tip control; "<none>" without the tool.
    // Asked of the control itself: the framework's GetText takes id 0 for the whole window.
    CString ToolText(UINT_PTR uId)
    {
        CToolTipCtrl* pToolTip = AfxGetModuleThreadState()->m_pToolTip;
        TOOLINFO ti = {};
        ti.cbSize = TTTOOLINFOW_V2_SIZE;
        ti.hwnd = m_Grid;
        ti.uId = uId;
        if (pToolTip == nullptr || !pToolTip->SendMessage(TTM_GETTOOLINFO, 0, LPARAM(&ti)))
            return L"<none>";
        wchar_t szText[256] = L"";
        ti.lpszText = szText;
        pToolTip->SendMessage(TTM_GETTEXT, std::size(szText), LPARAM(&ti));
        return szText;
    }

    CString m_strValue = L"x";
    IZNPropertyGridProperty* m_pProperty = nullptr;
};

using Tool = std::pair<INT_PTR, CString>;

TEST_F(ToolTipTest, IdsCountCellsTwiceAndCheckBoxesAfterTheirCell)
{
    // Row 3, column 1 is tool (3 x 3 + 1) x 2.
    EXPECT_EQ(HitTest(CellRect(3, 1).CenterPoint()), Tool(20, L"x"));
    EXPECT_EQ(HitTest(CheckBox(3, 1).CenterPoint()), Tool(21, L"tick"));
    EXPECT_EQ(HitTest(CellRect(3, 0).CenterPoint()), Tool(18, L"Name"));
    EXPECT_EQ(HitTest(CellRect(3, 2).CenterPoint()), Tool(22, L""));
    // A category shows its name, then the titles of the columns.
    EXPECT_EQ(HitTest(CellRect(0, 0).CenterPoint()), Tool(0, L"V"));
    EXPECT_EQ(HitTest(CellRect(0, 2).CenterPoint()), Tool(4, L"Second"));
    CPoint ptBelow = CellRect(3, 1).CenterPoint() + CPoint(0, 2 * pgtest::kRowHeight);
    // No cell is no tool, not the first row's name.
    EXPECT_EQ(HitTest(ptBelow), Tool(-1, L"<null>"));
}

TEST_F(ToolTipTest, TheMouseGivesTheThreadsControlOneCellAfterAnother)
{
    ASSERT_TRUE(pgtest::MoveMouse(m_Grid, CellRect(3, 1).CenterPoint()));
    CToolTipCtrl* pToolTip = AfxGetModuleThreadState()->m_pToolTip;
    ASSERT_NE(pToolTip, nullptr);
    EXPECT_EQ(pToolTip->GetDelayTime(TTDT_AUTOPOP), 30528);
    EXPECT_STREQ(ToolText(20), L"x");

    ASSERT_TRUE(pgtest::MoveMouse(m_Grid, CheckBox(3, 1).CenterPoint()));
    EXPECT_STREQ(ToolText(21), L"tick");
    EXPECT_STREQ(ToolText(20), L"<none>");
}

// Crossing the empty area below the rows takes the tip away; back on the first row's name
// cell, its tip is there again.
TEST_F(ToolTipTest, TheFirstRowHasItsTipAgainAfterTheMouseLeftTheRows)
{
    ASSERT_TRUE(pgtest::MoveMouse(m_Grid, CellRect(3, 1).CenterPoint()));
    ASSERT_TRUE(pgtest::MoveMouse(m_Grid, CellRect(3, 1).CenterPoint() +
                                              CPoint(0, 2 * pgtest::kRowHeight)));
    EXPECT_STREQ(ToolText(20), L"<none>");
    ASSERT_TRUE(pgtest::MoveMouse(m_Grid, CellRect(0, 0).CenterPoint()));
    EXPECT_STREQ(ToolText(0), L"V");
}

} // namespace
