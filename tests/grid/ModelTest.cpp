// Categories and properties as a host reaches them through the grid: the tree, the value slots
// and the check boxes.
#include "GridFixture.h"

namespace {

constexpr unsigned kStateShift = 28;

using ModelTest = pgtest::GridFixture;

TEST_F(ModelTest, OperationsOnMissingObjectsOrColumnsAnswerNothing)
{
    auto* pCategory = Category(m_pRoot, L"Category");
    auto* pProperty = AddText(pCategory);
    ASSERT_NE(pProperty, nullptr);
    CString strValue = L"kept";
    EXPECT_FALSE(m_Grid.SetPropertyValue(nullptr, pProperty, 0, &strValue));
    EXPECT_FALSE(m_Grid.GetPropertyValue(pCategory, pProperty, 0, nullptr));
    EXPECT_FALSE(m_Grid.RemoveProperty(pCategory, nullptr));
    for (int col : {-1, 2}) {
        SCOPED_TRACE(col);
        void* pValue = &strValue;
        unsigned nState = 77;
        EXPECT_FALSE(m_Grid.SetPropertyValue(pCategory, pProperty, col, &strValue));
        EXPECT_FALSE(m_Grid.GetPropertyValue(pCategory, pProperty, col, &pValue));
        EXPECT_FALSE(m_Grid.SetPropertyUserData(pCategory, pProperty, col, &strValue));
        EXPECT_EQ(m_Grid.GetPropertyUserData(pCategory, pProperty, col), nullptr);
        EXPECT_FALSE(m_Grid.SetPropertyCheckBoxState(pCategory, pProperty, col, PGCB_CHECKED));
        EXPECT_FALSE(m_Grid.GetPropertyCheckBoxState(pCategory, pProperty, col, nState));
        EXPECT_FALSE(m_Grid.SetPropertyCheckBoxTooltip(pCategory, pProperty, col, L"tip"));
        EXPECT_FALSE(m_Grid.SetCategoryValue(pCategory, col, L"text"));
        EXPECT_FALSE(m_Grid.GetCategoryValue(pCategory, col, strValue));
        pProperty->SetFlag(col, 0xFF);
        EXPECT_EQ(pProperty->TestFlag(col, ~0u), 0u);
        EXPECT_TRUE(pValue == &strValue && nState == 77 && strValue == L"kept");
    }
}

TEST_F(ModelTest, EverySlotFollowsTheGridsValueColumns)
{
    auto* pOuter = Category(m_pRoot, L"Outer");
    auto* pInner = Category(pOuter, L"Inner");
    auto* pProperty = AddText(pInner);
    CString strText, strA, strB, strC;
    ASSERT_TRUE(m_Grid.GetCategoryValue(pInner, 1, strText));
    EXPECT_EQ(strText, L"Second");
    for (int col : {0, 1}) { // host data 0, enabled without a check box, no value
        void* pValue = &strText;
        EXPECT_TRUE(m_Grid.GetPropertyValue(pInner, pProperty, col, &pValue));
        EXPECT_EQ(pValue, nullptr);
        EXPECT_EQ(m_Grid.GetPropertyUserData(pInner, pProperty, col), nullptr);
        EXPECT_EQ(pProperty->TestFlag(col, ~0u), 1u);
    }
    m_Grid.SetPropertyValue(pInner, pProperty, 0, &strA);
    m_Grid.SetPropertyValue(pInner, pProperty, 1, &strB);
    m_Grid.SetPropertyUserData(pInner, pProperty, 1, &strB);
    ASSERT_EQ(m_Grid.AddColumn(80, L"Third"), 3);
    ASSERT_TRUE(m_Grid.GetCategoryValue(pInner, 2, strText));
    EXPECT_EQ(strText, L"Third");
    EXPECT_TRUE(m_Grid.SetPropertyValue(pInner, pProperty, 2, &strC));

    ASSERT_TRUE(m_Grid.RemoveColumn(1));
    void* pValue = nullptr;
    EXPECT_TRUE(m_Grid.GetPropertyValue(pInner, pProperty, 0, &pValue) && pValue == &strB);
    EXPECT_EQ(m_Grid.GetPropertyUserData(pInner, pProperty, 0), &strB);
    EXPECT_TRUE(m_Grid.GetPropertyValue(pInner, pProperty, 1, &pValue) && pValue == &strC);
    EXPECT_FALSE(m_Grid.GetPropertyValue(pInner, pProperty, 2, &pValue));
    EXPECT_TRUE(m_Grid.GetCategoryValue(pOuter, 0, strText) && strText == L"Second");
    EXPECT_FALSE(m_Grid.GetCategoryValue(pOuter, 2, strText));
    // The name column and columns past the last are not value columns.
    EXPECT_FALSE(m_Grid.RemoveColumn(0));
    EXPECT_FALSE(m_Grid.RemoveColumn(3));
}

TEST_F(ModelTest, FactoryAndLookupsStayWithinTheCategory)
{
    auto* pCategory = Category(m_pRoot, L"Category");
    for (unsigned nType : {9u, 0xFFFFFFFFu})
        EXPECT_EQ(m_Grid.AddProperty(pCategory, L"N", L"", 5, eZNPropertyGridType(nType), L""),
                  nullptr);
    EXPECT_EQ(m_Grid.GetPropertyCount(pCategory), 0u);
    for (eZNPropertyGridType eMade : {PGT_TEXT, PGT_INTEGER, PGT_FLOAT, PGT_VECTOR3, PGT_VECTOR4}) {
        auto* pMade = m_Grid.AddProperty(pCategory, L"N", L"", 5, eMade, nullptr);
        eZNPropertyGridType eType = PGT_MEMO;
        EXPECT_TRUE(m_Grid.GetPropertyType(pCategory, pMade, eType) && eType == eMade) << eMade;
        m_Grid.RemoveProperty(pCategory, pMade);
    }

    auto* pFirst = AddText(pCategory, 5);
    auto* pSecond = AddText(pCategory, 5);
    auto* pDeep = AddText(Category(pCategory, L"Sub"), 9);
    ASSERT_NE(pDeep, nullptr);
    EXPECT_EQ(m_Grid.GetPropertyFromID(pCategory, 5), pFirst);
    EXPECT_EQ(m_Grid.GetPropertyFromID(pCategory, 9), nullptr);
    EXPECT_EQ(m_Grid.GetPropertyFromIndex(pCategory, 1), pSecond);
    EXPECT_EQ(m_Grid.GetPropertyCount(pCategory), 2u);
    eZNPropertyGridType eType = PGT_MEMO;
    EXPECT_TRUE(m_Grid.GetPropertyType(pCategory, pSecond, eType));
    EXPECT_EQ(eType, PGT_TEXT);
}

TEST_F(ModelTest, HelpGivenAtCreationBecomesHtmlWhileSetHelpKeepsItsText)
{
    // CR-LF pairs go first, so an LF before a pair makes a break of its own; a lone CR stays.
    auto* pCategory = m_Grid.AddCategory(m_pRoot, L"Category", L"a\n\r\nb\rc");
    EXPECT_STREQ(pCategory->m_strHelp, L"a<BR><BR>b\rc");
    auto* pProperty = m_Grid.AddProperty(pCategory, L"N", L"one\r\ntwo\nthree", 1, PGT_TEXT, L"");
    EXPECT_STREQ(pProperty->GetHelp(), L"one<BR>two<BR>three");
    pProperty->SetHelp(L"one\r\ntwo");
    EXPECT_STREQ(pProperty->GetHelp(), L"one\r\ntwo");
}

TEST_F(ModelTest, HostHearsOfACheckBoxOnlyWhenItsCheckedStateChanges)
{
    auto* pCategory = Category(m_pRoot, L"Category");
    auto* pProperty = AddText(pCategory, 0x1234);
    int nMarker = 0;
    m_Grid.SetPropertyUserData(pCategory, pProperty, 1, &nMarker);
    EXPECT_TRUE(m_Grid.SetPropertyCheckBoxState(pCategory, pProperty, 1, PGCB_UNCHECKED));
    EXPECT_TRUE(m_Host.m_Checks.empty());
    EXPECT_TRUE(m_Grid.SetPropertyCheckBoxState(pCategory, pProperty, 1, PGCB_CHECKED));
    ASSERT_EQ(m_Host.m_Checks.size(), 1u);
    EXPECT_EQ(m_Host.m_Checks[0].wParam, WPARAM(MAKELONG(1, 0x1234)));
    EXPECT_EQ(m_Host.m_Checks[0].lParam, reinterpret_cast<LPARAM>(&nMarker));
    m_Grid.SetPropertyCheckBoxState(pCategory, pProperty, 1, 6u << kStateShift);
    m_Grid.SetPropertyCheckBoxState(pCategory, pProperty, 1, PGCB_CHECKEDDISABLED);
    EXPECT_EQ(m_Host.m_Checks.size(), 1u);
    // Mixed is not checked; the low bits of the argument are not part of the state.
    m_Grid.SetPropertyCheckBoxState(pCategory, pProperty, 1, 0x9000FFFF);
    EXPECT_EQ(m_Host.m_Checks.size(), 2u);
    unsigned nState = 0;
    EXPECT_TRUE(m_Grid.GetPropertyCheckBoxState(pCategory, pProperty, 1, nState));
    EXPECT_EQ(nState, PGCB_MIXED);
    EXPECT_EQ(pProperty->TestFlag(1, 1), 1u);
    for (unsigned n = 1; n <= 12; ++n) {
        m_Grid.SetPropertyCheckBoxState(pCategory, pProperty, 0, n << kStateShift);
        EXPECT_EQ(m_Grid.IsPropertyCheckBoxChecked(pCategory, pProperty, 0), n >= 5 && n <= 8)
            << "state " << n;
    }
}

TEST_F(ModelTest, CheckBoxFollowsTheMouseAndTogglesOnAFullClickOnly)
{
    auto* pCategory = Category(m_pRoot, L"Category");
    auto* pProperty = AddText(pCategory, 42);
    CString strValue = L"v";
    m_Grid.SetPropertyValue(pCategory, pProperty, 0, &strValue);
    m_Grid.SetPropertyCheckBoxState(pCategory, pProperty, 0, PGCB_UNCHECKED);
    int nRow = m_Grid.ComputeListIndex(pProperty);
    CPoint ptBox = CheckBox(nRow, 1).CenterPoint(), ptAway = CellRect(nRow, 0).CenterPoint();
    auto checkState = [&] {
        unsigned nState = ~0u;
        m_Grid.GetPropertyCheckBoxState(pCategory, pProperty, 0, nState);
        return nState >> kStateShift;
    };

    ASSERT_TRUE(pgtest::MoveMouse(m_Grid, ptAway));
    ASSERT_TRUE(pgtest::MoveMouse(m_Grid, ptBox));
    EXPECT_EQ(checkState(), 2u);
    ASSERT_TRUE(pgtest::MouseDown(m_Grid, ptBox));
    EXPECT_EQ(checkState(), 3u);
    ASSERT_TRUE(pgtest::MoveMouse(m_Grid, ptAway));
    EXPECT_EQ(checkState(), 3u);
    ASSERT_TRUE(pgtest::MouseUp(m_Grid, ptAway));
    EXPECT_EQ(checkState(), 1u);
    EXPECT_TRUE(m_Host.m_Checks.empty());

    ASSERT_TRUE(pgtest::MoveMouse(m_Grid, ptBox));
    ASSERT_TRUE(pgtest::Click(m_Grid, ptBox));
    EXPECT_EQ(checkState(), 6u);
    ASSERT_EQ(m_Host.m_Checks.size(), 1u);
    EXPECT_EQ(m_Host.m_Checks[0].wParam, WPARAM(MAKELONG(0, 42)));
    ASSERT_TRUE(pgtest::MoveMouse(m_Grid, ptAway));
    EXPECT_EQ(checkState(), 5u);
    EXPECT_NE(::GetCapture(), m_Grid.m_hWnd);
    EXPECT_EQ(m_Host.m_Checks.size(), 1u);
}

} // namespace
