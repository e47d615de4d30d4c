// Writing pages into the help pane's document, and the page template the grid starts from.
#include "BrowserDouble.h"

#include <ZNPropertyGrid.h>
#include <gtest/gtest.h>

namespace {

using pgtest::CDoubleHtmlCtrl;

// The bytes of text with its terminator, as UTF-16 little-endian.
std::vector<BYTE> Utf16Bytes(const std::wstring& text)
{
    const auto* pFirst = reinterpret_cast<const BYTE*>(text.c_str());
    return std::vector<BYTE>(pFirst, pFirst + (text.size() + 1) * sizeof(wchar_t));
}

// What attaching a pane whose browser exists writes: the grid's template.
std::wstring TemplateOf(CZNPropertyGrid& grid)
{
    CDoubleHtmlCtrl pane;
    grid.AttachHTMLHelp(&pane);
    grid.AttachHTMLHelp(nullptr);
    return pane.m_Document.Page();
}

size_t Occurrences(const std::wstring& text, const std::wstring& part)
{
    size_t nCount = 0;
    for (size_t at = text.find(part); at != std::wstring::npos; at = text.find(part, at + 1))
        ++nCount;
    return nCount;
}

TEST(LoadHtmlStringTest, WritesTheTextWithItsTerminatorIntoANewDocument)
{
    CDoubleHtmlCtrl pane;
    const std::wstring text = L"<P>Gr\u00fc\u00dfe</P>";

    EXPECT_EQ(LoadHtmlString(&pane, text.c_str()), S_OK);
    EXPECT_EQ(pane.m_Document.m_nInitNew, 1);
    EXPECT_EQ(pane.m_Document.m_Bytes, Utf16Bytes(text));
    // Everything handed out came back.
    EXPECT_EQ(pane.m_Document.m_nRefs, 1);
    EXPECT_EQ(pane.m_Browser.m_nRefs, 1);
}

TEST(LoadHtmlStringTest, AnswersEachFailureAndKeepsThePreviousDocument)
{
    CDoubleHtmlCtrl pane;
    ASSERT_EQ(LoadHtmlString(&pane, L"before"), S_OK);
    const std::vector<BYTE> previous = pane.m_Document.m_Bytes;

    EXPECT_EQ(LoadHtmlString(nullptr, L"x"), E_INVALIDARG);

    pane.m_bBrowserExists = false;
    EXPECT_EQ(LoadHtmlString(&pane, L"x"), E_NOINTERFACE);
    pane.m_bBrowserExists = true;

    pane.m_Browser.m_hrDocument = E_ACCESSDENIED;
    EXPECT_EQ(LoadHtmlString(&pane, L"x"), E_ACCESSDENIED);
    // A browser that has not made its document yet, as Wine's answers, and one answering S_OK.
    pane.m_Browser.m_hrDocument = S_FALSE;
    pane.m_Browser.m_pDocument = nullptr;
    EXPECT_EQ(LoadHtmlString(&pane, L"x"), E_NOINTERFACE);
    pane.m_Browser.m_hrDocument = S_OK;
    EXPECT_EQ(LoadHtmlString(&pane, L"x"), E_NOINTERFACE);
    pane.m_Browser.m_pDocument = &pane.m_Document;

    pane.m_Document.m_bPersistable = false;
    EXPECT_EQ(LoadHtmlString(&pane, L"x"), E_NOINTERFACE);
    pane.m_Document.m_bPersistable = true;

    pane.m_Document.m_hrInitNew = E_UNEXPECTED;
    EXPECT_EQ(LoadHtmlString(&pane, L"x"), E_UNEXPECTED);
    EXPECT_EQ(pane.m_Document.m_Bytes, previous);
    pane.m_Document.m_hrInitNew = S_OK;

    pane.m_Document.m_hrLoad = E_FAIL;
    EXPECT_EQ(LoadHtmlString(&pane, L"x"), E_FAIL);

    EXPECT_EQ(pane.m_Document.m_nRefs, 1);
    EXPECT_EQ(pane.m_Browser.m_nRefs, 1);
}

TEST(HelpTemplateTest, ComesFromTheModuleAsUtf16WithItsPlaceholders)
{
    CZNPropertyGrid grid;
    const std::wstring page = TemplateOf(grid);

    ASSERT_FALSE(page.empty());
    EXPECT_EQ(page[0], L'\xFEFF');
    EXPECT_NE(page.find(L"charset=utf-16"), std::wstring::npos);
    EXPECT_NE(page.find(L"A:hover {text-decoration:underline}"), std::wstring::npos);
    // F5 is taken from the page before the browser can refresh it.
    for (const wchar_t* pszPart : {L"LANGUAGE=\"JScript\"", L"keyCode == 116",
                                   L"returnValue = false", L"cancelBubble = true", L"keyCode = 0"})
        EXPECT_NE(page.find(pszPart), std::wstring::npos) << pszPart;
    EXPECT_NE(page.find(L"BGCOLOR=\"buttonface\" SCROLL=\"auto\""), std::wstring::npos);
    EXPECT_NE(page.find(L"<TD NOWRAP><B><%PROPERTYNAME%></B></TD>"), std::wstring::npos);
    EXPECT_NE(page.find(L"<TD VALIGN=\"top\"><%PROPERTYHELP%></TD>"), std::wstring::npos);
    EXPECT_EQ(page.find(L"<%STATUSFONT%>"), std::wstring::npos);
}

// The system's status font is changed for this process only and put back afterwards.
class StatusFontTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_Saved.cbSize = sizeof(m_Saved);
        ASSERT_TRUE(::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(m_Saved), &m_Saved, 0));
    }
    void TearDown() override
    {
        ::SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof(m_Saved), &m_Saved, 0);
    }
    bool SetStatusFont(LONG lfHeight, const wchar_t* pszFace)
    {
        NONCLIENTMETRICSW metrics = m_Saved;
        metrics.lfStatusFont.lfHeight = lfHeight;
        wcscpy_s(metrics.lfStatusFont.lfFaceName, pszFace);
        return ::SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    }
    static int PixelsPerInch()
    {
        HDC hScreen = ::GetDC(nullptr);
        int nPixelsPerInch = ::GetDeviceCaps(hScreen, LOGPIXELSY);
        ::ReleaseDC(nullptr, hScreen);
        return nPixelsPerInch;
    }

    NONCLIENTMETRICSW m_Saved = {};
};

TEST_F(StatusFontTest, BodyAndTableWriteInTheStatusFontInWholePoints)
{
    ASSERT_EQ(PixelsPerInch(), 96);
    // 12 pixels are 9 points at 96 pixels per inch; 11 pixels are 8.25 points, written as 8.
    ASSERT_TRUE(SetStatusFont(-12, L"Tahoma"));
    CZNPropertyGrid twelve;
    EXPECT_EQ(Occurrences(TemplateOf(twelve), L"font:9pt Tahoma;"), 2u);

    ASSERT_TRUE(SetStatusFont(-11, L"Courier New"));
    CZNPropertyGrid eleven;
    const std::wstring page = TemplateOf(eleven);
    EXPECT_NE(page.find(L"margin-right:0;font:8pt Courier New;\""), std::wstring::npos);
    EXPECT_NE(page.find(L"CELLSPACING=\"3\" STYLE=\"font:8pt Courier New;\""), std::wstring::npos);
}

} // namespace
