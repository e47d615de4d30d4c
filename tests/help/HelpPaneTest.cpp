// The grid feeding its help pane: the selected row's page as the user moves the selection, the
// first page for a pane whose browser comes late, and a browser that fails.
#include "GridFixture.h"
#include "BrowserDouble.h"

namespace {

using namespace pgtest;

class HelpPaneTest : public GridFixture
{
protected:
    void SetUp() override
    {
        GridFixture::SetUp();
        m_pGeometry = m_Grid.AddCategory(m_pRoot, L"Geometry", L"Shape and size");
        m_pWidth = m_Grid.AddProperty(m_pGeometry, L"Width", L"In pixels\r\nat <I>96</I> dpi", 1,
                                      PGT_TEXT, L"");
        m_pHeight = m_Grid.AddProperty(m_pGeometry, L"Height", L"", 2, PGT_TEXT, L"");
        m_Grid.SetPropertyValue(m_pGeometry, m_pWidth, 0, &m_strWidth);
        m_Grid.SetPropertyValue(m_pGeometry, m_pHeight, 0, &m_strHeight);
        PumpMessages();
        m_Grid.AttachHTMLHelp(&m_Pane);
        m_strTemplate = m_Pane.m_Document.Page();
    }

    // The template with the row's name and help in place.
    std::wstring PageOf(const std::wstring& name, const std::wstring& help) const
    {
        std::wstring page = m_strTemplate;
        page.replace(page.find(L"<%PROPERTYNAME%>"), 16, name);
        page.replace(page.find(L"<%PROPERTYHELP%>"), 16, help);
        return page;
    }
    bool ClickName(int nRow) { return Click(m_Grid.m_hWnd, CellRect(nRow, 0).CenterPoint()); }

    // The PGM_NAVIGATETOBLANK messages waiting for the grid, taken from its queue.
    std::vector<MSG> TakeNavigateToBlank()
    {
        std::vector<MSG> posted;
        MSG msg;
        while (::PeekMessageW(&msg, m_Grid.m_hWnd, PGM_NAVIGATETOBLANK, PGM_NAVIGATETOBLANK,
                              PM_REMOVE))
            posted.push_back(msg);
        return posted;
    }
    // Attaches a pane whose browser does not exist yet; what the grid posted for it.
    std::vector<MSG> AttachLate(CDoubleHtmlCtrl& pane)
    {
        pane.m_bBrowserExists = false;
        m_Grid.AttachHTMLHelp(&pane);
        return TakeNavigateToBlank();
    }

    CString m_strWidth = L"10";
    CString m_strHeight = L"20";
    CDoubleHtmlCtrl m_Pane;
    std::wstring m_strTemplate;
    CZNPropertyGridCategory* m_pGeometry = nullptr;
    IZNPropertyGridProperty* m_pWidth = nullptr;
    IZNPropertyGridProperty* m_pHeight = nullptr;
};

TEST_F(HelpPaneTest, TheSelectedRowShowsItsNameInBoldAndItsHelpAsHtml)
{
    ASSERT_NE(m_strTemplate.find(L"<B><%PROPERTYNAME%></B>"), std::wstring::npos);

    ASSERT_TRUE(ClickName(1));
    EXPECT_EQ(m_Pane.m_Document.Page(), PageOf(L"Width", L"In pixels<BR>at <I>96</I> dpi"));
    EXPECT_NE(m_Pane.m_Document.Page().find(L"<B>Width</B>"), std::wstring::npos);

    ASSERT_TRUE(PressKey(VK_UP));
    EXPECT_EQ(m_Pane.m_Document.Page(), PageOf(L"Geometry", L"Shape and size"));

    ASSERT_TRUE(PressKey(VK_DOWN) && PressKey(VK_DOWN));
    EXPECT_EQ(m_Pane.m_Document.Page(), PageOf(L"Height", L""));
}

TEST_F(HelpPaneTest, ADetachedPaneIsWrittenNoMore)
{
    ASSERT_TRUE(ClickName(1));
    const int nPages = m_Pane.m_Document.m_nInitNew;

    m_Grid.AttachHTMLHelp(nullptr);
    ASSERT_TRUE(ClickName(2) && PressKey(VK_UP));
    EXPECT_EQ(m_Pane.m_Document.m_nInitNew, nPages);
    EXPECT_EQ(m_Grid.GetCurSel(), 1);
}

TEST_F(HelpPaneTest, APaneWhoseBrowserComesLateGetsTheTemplateOnceFromThePostedMessage)
{
    CDoubleHtmlCtrl latePane;
    std::vector<MSG> posted = AttachLate(latePane);
    ASSERT_EQ(posted.size(), 1u);
    EXPECT_EQ(posted[0].wParam, 0u);
    EXPECT_EQ(posted[0].lParam, 0);
    EXPECT_TRUE(latePane.m_Document.m_Bytes.empty());

    latePane.m_bBrowserExists = true;
    ::DispatchMessageW(&posted[0]);
    EXPECT_EQ(latePane.m_Document.Page(), m_strTemplate);
    EXPECT_EQ(latePane.m_Document.m_nInitNew, 1);

    ASSERT_TRUE(ClickName(1));
    EXPECT_EQ(latePane.m_Document.Page(), PageOf(L"Width", L"In pixels<BR>at <I>96</I> dpi"));
}

TEST_F(HelpPaneTest, ABrowserStillMissingWhenTheMessageArrivesIsNotAskedAgain)
{
    CDoubleHtmlCtrl latePane;
    std::vector<MSG> posted = AttachLate(latePane);
    ASSERT_EQ(posted.size(), 1u);
    ::DispatchMessageW(&posted[0]);
    PumpMessages();
    EXPECT_TRUE(TakeNavigateToBlank().empty());

    latePane.m_bBrowserExists = true;
    PumpMessages();
    EXPECT_TRUE(latePane.m_Document.m_Bytes.empty());
}

TEST_F(HelpPaneTest, BrowserFailuresAreSwallowedAndTheGridWorksOn)
{
    m_Pane.m_Document.m_hrLoad = E_FAIL;
    ASSERT_TRUE(ClickName(1));
    m_Pane.m_Document.m_hrInitNew = E_ACCESSDENIED;
    ASSERT_TRUE(PressKey(VK_DOWN));
    EXPECT_EQ(m_Grid.GetCurSel(), 2);
    m_Pane.m_Browser.m_hrDocument = E_UNEXPECTED;
    ASSERT_TRUE(PressKey(VK_UP) && PressKey(VK_UP));
    EXPECT_EQ(m_Grid.GetCurSel(), 0);

    ASSERT_TRUE(Edit(m_pWidth, 1, L"12"));
    EXPECT_EQ(m_strWidth, L"12");
    EXPECT_EQ(m_Pane.m_Document.m_nRefs, 1);
    EXPECT_EQ(m_Pane.m_Browser.m_nRefs, 1);
}

} // namespace
