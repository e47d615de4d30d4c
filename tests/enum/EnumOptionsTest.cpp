// The item lists an enumeration makes of its options, and what the drop-down list then offers.
#include "EnumFixture.h"

namespace {

using EnumOptions = pgtest::EnumTest;

// A column's list as the tests write it: its items in brackets, " ro" when it is read-only,
// "none" when there is no list at all.
std::string Describe(const CZNPropertyGridPropertyEnum& property, int nIndex)
{
    const std::vector<CString>* pItems = property.GetItemList(nIndex);
    if (pItems == nullptr)
        return property.GetListFlags(nIndex) == 0 ? "none" : "none with flags";
    std::string strList;
    for (const CString& strItem : *pItems)
        strList += "[" + std::string(CStringA(strItem)) + "]";
    if ((property.GetListFlags(nIndex) & ENUM_LIST_READONLY) != 0)
        strList += " ro";
    return strList;
}

TEST_F(EnumOptions, EachLineGivesTheListOfItsColumnAndLaterColumnsTakeTheFirst)
{
    struct Case
    {
        const wchar_t* pszOptions;
        const char* pszColumns[3];
    };
    const Case cases[] = {
        {nullptr, {"none", "none", "none"}},
        {L"", {"none", "none", "none"}},
        {L"Low|Medium|High\n$readonly$|On|Off",
         {"[Low][Medium][High]", "[On][Off] ro", "[Low][Medium][High]"}},
        {L"$READONLY$|A|$readonly$", {"[A] ro", "[A] ro", "[A] ro"}},
        {L"$ReadOnly$", {" ro", " ro", " ro"}},
        {L"$readonly$x|y", {"[$readonly$x][y]", "[$readonly$x][y]", "[$readonly$x][y]"}},
        {L"a||b", {"[a][][b]", "[a][][b]", "[a][][b]"}},
        {L"a|b|", {"[a][b][]", "[a][b][]", "[a][b][]"}},
        {L"|", {"[][]", "[][]", "[][]"}},
        {L"one\ntwo", {"[one]", "[two]", "[one]"}},
        {L"x\n", {"[x]", "", "[x]"}},
        {L"\n\nz", {"", "", "[z]"}},
        {L"a\r\nb", {"[a\r]", "[b]", "[a\r]"}},
        {L" a | b ", {"[ a ][ b ]", "[ a ][ b ]", "[ a ][ b ]"}},
    };
    CString strValue;
    for (const Case& test : cases) {
        SCOPED_TRACE(test.pszOptions != nullptr ? std::string(CStringA(test.pszOptions)) : "null");
        IZNPropertyGridProperty* pProperty = AddEnum(test.pszOptions, &strValue);
        ASSERT_NE(pProperty, nullptr);
        auto& enumeration = static_cast<CZNPropertyGridPropertyEnum&>(*pProperty);
        for (int nIndex = 0; nIndex < 3; ++nIndex)
            EXPECT_EQ(Describe(enumeration, nIndex), test.pszColumns[nIndex])
                << "column " << nIndex;
    }
}

// Without options the list offers "[none]", which commits as any item does.
TEST_F(EnumOptions, WithoutOptionsTheListOffersNone)
{
    CString strValue = L"typed";
    IZNPropertyGridProperty* pProperty = AddEnum(nullptr, &strValue);
    ASSERT_TRUE(ClickCell(pProperty, 1) && pgtest::PressKey(VK_DOWN));
    ASSERT_TRUE(IsListOpen());
    ASSERT_EQ(::SendMessageW(OpenList(), LB_GETCOUNT, 0, 0), 1);
    EXPECT_STREQ(ItemText(0), L"[none]");
    ASSERT_TRUE(ClickItem(0));
    EXPECT_STREQ(strValue, L"[none]");
    EXPECT_EQ(m_Host.m_Changes.size(), 1u);
}

} // namespace
