// The wheel while an enumeration is edited.
#include "EnumFixture.h"

namespace {

using EnumWheel = pgtest::EnumTest;

CString ManyItems(int nCount)
{
    CString strOptions;
    for (int i = 0; i < nCount; ++i)
        strOptions.AppendFormat(i == 0 ? L"Item %d" : L"|Item %d", i);
    return strOptions;
}

// Over the list or over the grid's rows, the wheel scrolls the open list; once the list is
// closed it closes the editor and scrolls the grid.
TEST_F(EnumWheel, TheWheelScrollsTheOpenListNotTheGrid)
{
    CString strValue = L"Item 0";
    IZNPropertyGridProperty* pProperty = AddEnum(ManyItems(30), &strValue);
    std::vector<CString> more(20, L"x");
    for (CString& value : more)
        Add(PGT_TEXT, 9, &value);
    pgtest::PumpMessages();
    const CPoint ptGridRows(CellRect(pProperty, 2).CenterPoint().x, 150);

    ASSERT_TRUE(ClickCell(pProperty, 1) && ClickDropButton());
    ASSERT_EQ(TopIndex(), 0);
    ASSERT_TRUE(pgtest::Wheel(OpenList(), ItemPoint(2), -WHEEL_DELTA));
    const int nTop = TopIndex();
    EXPECT_GT(nTop, 0);
    ASSERT_TRUE(pgtest::Wheel(m_Grid.m_hWnd, ptGridRows, -WHEEL_DELTA));
    EXPECT_GT(TopIndex(), nTop);
    EXPECT_EQ(m_Grid.GetTopIndex(), 0);
    EXPECT_TRUE(FocusStaysInTheEditField());
    ASSERT_TRUE(IsListOpen());
    ASSERT_TRUE(EditorShown());

    // A press in the edit field closes the list and leaves the editor open.
    ASSERT_TRUE(pgtest::Click(EditField(), CPoint(5, 5)));
    ASSERT_FALSE(IsListOpen());
    ASSERT_TRUE(EditorShown());
    ASSERT_TRUE(pgtest::Wheel(m_Grid.m_hWnd, ptGridRows, -WHEEL_DELTA));
    EXPECT_FALSE(EditorShown());
    EXPECT_GT(m_Grid.GetTopIndex(), 0);
}

} // namespace
