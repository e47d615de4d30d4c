// CString from string resources and from ANSI text, and CStringA.
#include <afxwin.h>
#include <gtest/gtest.h>

#include <cstring>

namespace {

constexpr UINT kMissingString = 0x7ABC;

TEST(CStringResource, AResourceIdLoadsTheStringThroughTheResourceChain)
{
    // The framework's own strings come last in the chain: nothing before it holds this one.
    CString s(MAKEINTRESOURCE(AFX_IDP_PARSE_INT));
    EXPECT_EQ(s, L"Please enter an integer.");
    CString t;
    EXPECT_TRUE(t.LoadString(AFX_IDP_PARSE_UINT));
    EXPECT_EQ(t, L"Please enter a positive integer.");
    EXPECT_EQ(CStringA(MAKEINTRESOURCEA(AFX_IDP_PARSE_REAL)), "Please enter a number.");
}

TEST(CStringResource, AMissingStringLeavesTheStringAlone)
{
    EXPECT_TRUE(CString(MAKEINTRESOURCE(kMissingString)).IsEmpty());
    CString s(L"kept");
    EXPECT_FALSE(s.LoadString(kMissingString));
    EXPECT_EQ(s, L"kept");
    EXPECT_EQ(AfxFindStringResourceHandle(kMissingString), nullptr);
}

TEST(CStringResource, FormatTakesItsFormatFromAResource)
{
    CString s;
    s.FormatMessage(AFX_IDP_PARSE_INT_RANGE, L"1", CString(L"9"));
    EXPECT_EQ(s, L"Please enter an integer between 1 and 9.");
    s.Format(AFX_IDP_PARSE_INT);
    EXPECT_EQ(s, L"Please enter an integer.");
    s.AppendFormat(AFX_IDP_PARSE_REAL);
    EXPECT_EQ(s, L"Please enter an integer.Please enter a number.");
}

TEST(CStringAnsi, NarrowTextConvertsWithTheAnsiCodePage)
{
    CString s("ansi text");
    EXPECT_EQ(s, L"ansi text");
    s = "other";
    EXPECT_EQ(s, L"other");
    s += " more";
    EXPECT_EQ(s, L"other more");
    EXPECT_TRUE(s == "other more");
    EXPECT_EQ(CString("ab", 1), L"a");
    EXPECT_EQ(CString('z', 3), L"zzz");
    const char* pszNone = nullptr;
    EXPECT_TRUE(CString(pszNone).IsEmpty());
}

TEST(CStringAnsi, CStringAHoldsNarrowTextAndConvertsFromWide)
{
    CStringA a(L"wide to narrow");
    EXPECT_STREQ(a.GetString(), "wide to narrow");
    EXPECT_EQ(a.GetLength(), 14);
    CStringA b(CString(L"from CString"));
    EXPECT_STREQ(b, "from CString");
    CString back(a);
    EXPECT_EQ(back, L"wide to narrow");

    CStringA copy = a;
    copy.MakeUpper();
    EXPECT_STREQ(a, "wide to narrow"); // copy on write, as for CString
    EXPECT_STREQ(copy, "WIDE TO NARROW");
    EXPECT_EQ(a.Find("narrow"), 8);
    EXPECT_TRUE(a < copy.MakeLower() + "!");
}

} // namespace
