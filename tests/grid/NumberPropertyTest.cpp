// Integer and float cells take any text and read it as the C runtime reads numbers.
#include "GridFixture.h"

#include <climits>

namespace {

using NumberEdit = pgtest::EditTest;

struct Entry
{
    const wchar_t* pszTyped;
    double dStored;
    size_t nChanges; // notifications so far
};

TEST_F(NumberEdit, IntegerShowsDecimalAndStoresTheLeadingNumber)
{
    int nValue = -42, nUserData = 0;
    IZNPropertyGridProperty* pProperty = Add(PGT_INTEGER, 9, nullptr, &nValue);
    m_Grid.SetPropertyUserData(m_pCategory, pProperty, 1, &nUserData);
    m_Host.m_Snapshot = [&] { return ValueText(pProperty, 1); };
    EXPECT_STREQ(ValueText(pProperty, 1), L"-42");
    ASSERT_TRUE(ClickCell(pProperty, 2));
    EXPECT_STREQ(EditText(), L"-42");
    EXPECT_STREQ(EditorClass(), "CZNPropertyGridPropertyIntegerValueDlg");
    EXPECT_NE(::GetPropW(m_Grid.m_hWnd, L"PropertyGridPropertyInteger"), nullptr);

    ASSERT_TRUE(Edit(pProperty, 2, L"  15"));
    ASSERT_EQ(m_Host.m_Changes.size(), 1u);
    EXPECT_EQ(m_Host.m_Changes[0].wParam, WPARAM(MAKELONG(1, 9)));
    EXPECT_EQ(m_Host.m_Changes[0].lParam, reinterpret_cast<LPARAM>(&nUserData));
    EXPECT_STREQ(m_Host.m_Changes[0].strValue, L"15");
    // The same number, however written, is no news; past 32 bits the runtime gives the limit.
    for (const Entry& entry :
         {Entry{L"15", 15, 1}, Entry{L" 15", 15, 1}, Entry{L"0x10", 0, 2}, Entry{L"12abc", 12, 3},
          Entry{L"abc", 0, 4}, Entry{L"99999999999", INT_MAX, 5}}) {
        ASSERT_TRUE(Edit(pProperty, 2, entry.pszTyped));
        EXPECT_EQ(nValue, entry.dStored) << entry.pszTyped;
        EXPECT_EQ(m_Host.m_Changes.size(), entry.nChanges);
    }
}

TEST_F(NumberEdit, FloatShowsSixDecimalsAndComparesWithTheNumberAsRead)
{
    float fValue = 2.5f;
    IZNPropertyGridProperty* pProperty = Add(PGT_FLOAT, 4, &fValue);
    EXPECT_STREQ(ValueText(pProperty, 0), L"2.500000");
    ASSERT_TRUE(Commit(pProperty, 1));
    EXPECT_TRUE(m_Host.m_Changes.empty());

    // 0.1 as read is not the float that holds it: every commit is a change, to the same float.
    fValue = 0.1f;
    ASSERT_TRUE(ClickCell(pProperty, 1));
    EXPECT_STREQ(EditText(), L"0.100000");
    EXPECT_STREQ(EditorClass(), "CZNPropertyGridPropertyFloatValueDlg");
    ASSERT_TRUE(pgtest::PressKey(VK_RETURN));
    ASSERT_TRUE(Commit(pProperty, 1));
    ASSERT_EQ(m_Host.m_Changes.size(), 2u);
    EXPECT_EQ(m_Host.m_Changes[1].wParam, WPARAM(MAKELONG(0, 4)));
    EXPECT_EQ(fValue, 0.1f);

    // The Microsoft runtime reads no hexadecimal numbers and no infinities.
    for (const Entry& entry :
         {Entry{L"1e3", 1000, 3}, Entry{L" 1000.0", 1000, 3}, Entry{L"abc", 0, 4},
          Entry{L"-2.25kg", -2.25, 5}, Entry{L"0x10", 0, 6}, Entry{L"inf", 0, 6}}) {
        ASSERT_TRUE(Edit(pProperty, 1, entry.pszTyped));
        EXPECT_EQ(fValue, entry.dStored) << entry.pszTyped;
        EXPECT_EQ(m_Host.m_Changes.size(), entry.nChanges);
    }
    fValue = 1e-7f;
    EXPECT_STREQ(ValueText(pProperty, 0), L"0.000000");
    fValue = 100000.0f;
    EXPECT_STREQ(ValueText(pProperty, 0), L"100000.000000");
}

} // namespace
