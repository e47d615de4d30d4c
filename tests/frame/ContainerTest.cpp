// Frame containers as owners of their controls, wrapped windows moving in and out of them, and
// what the frame factory gives every container.
#include "FrameFixture.h"

namespace {

using ContainerTest = pgtest::FrameHostFixture;

// A node of the host's own that counts how often it is released.
class CCountingNode : public CZNFrameControl
{
public:
    explicit CCountingNode(int& nReleases) : m_nReleases(nReleases) {}

    void SetSize(int, int) override {}
    void SetPosition(int, int) override {}
    void SetRect(int, int, int, int) override {}
    void GetRect(RECT* pRect) const override { ::SetRectEmpty(pRect); }
    void GetPreferredSize(SIZE*, bool) const override {}
    void Release() override
    {
        ++m_nReleases;
        delete this;
    }

private:
    int& m_nReleases;
};

TEST_F(ContainerTest, InsertingAtTheCountAppendsAndBeyondItFails)
{
    CZNFrameContainer* pContainer = Container(CZNFrameLayout::FLK_BORDER, CRect(0, 0, 100, 100));
    HWND hWnd = pgtest::CreateChild(m_Host, CRect(0, 0, 10, 10));
    auto* pControl = new CZNFrameControlWnd(hWnd);

    EXPECT_FALSE(pContainer->InsertControl(pControl, 1));
    EXPECT_FALSE(pContainer->InsertControl(pControl, -1));
    EXPECT_FALSE(pContainer->InsertControl(nullptr, 0));
    EXPECT_EQ(::GetParent(hWnd), m_Host.m_hWnd);
    EXPECT_EQ(pControl->GetParentContainer(), nullptr);
    EXPECT_EQ(pContainer->GetControlCount(), 0);

    ASSERT_TRUE(pContainer->InsertControl(pControl, 0));
    int nReleases = 0;
    auto* pNode = new CCountingNode(nReleases);
    ASSERT_TRUE(pContainer->InsertControl(pNode, 1));
    EXPECT_EQ(pContainer->GetControl(0), pControl);
    EXPECT_EQ(pContainer->GetControl(1), pNode);
    EXPECT_EQ(pContainer->GetControl(2), nullptr);
    EXPECT_EQ(pContainer->GetControl(-1), nullptr);
    EXPECT_EQ(pNode->GetParentContainer(), pContainer);
}

TEST_F(ContainerTest, AWrappedWindowMovesInAndBackOutWithItsOwner)
{
    CZNFrameContainer* pContainer = Container(CZNFrameLayout::FLK_BORDER, CRect(0, 0, 100, 100));
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_VISIBLE | WS_BORDER, CRect(5, 5, 60, 25), &m_Host, 1));
    auto* pControl = new CZNFrameControlWnd(edit);
    EXPECT_EQ(pControl->GetKind(), CZNFrameControl::FCK_WINDOW);

    ASSERT_TRUE(pContainer->AddControl(pControl));
    EXPECT_EQ(::GetParent(edit), pContainer->m_hWnd);
    // Whatever the framework routes to the owner still reaches the window's first parent.
    EXPECT_EQ(edit.GetOwner(), &m_Host);

    ASSERT_TRUE(pContainer->RemoveControl(pControl));
    EXPECT_FALSE(pContainer->RemoveControl(pControl));
    EXPECT_FALSE(pContainer->RemoveControlAt(0));
    EXPECT_EQ(::GetParent(edit), m_Host.m_hWnd);
    EXPECT_EQ(pControl->GetParentContainer(), nullptr);

    // Removed, the node is the caller's again and may go into another container.
    CZNFrameContainer* pOther = Container(CZNFrameLayout::FLK_BORDER, CRect(0, 0, 50, 50));
    ASSERT_TRUE(pOther->AddControl(pControl));
    EXPECT_EQ(::GetParent(edit), pOther->m_hWnd);
}

TEST_F(ContainerTest, TheContainerReleasesWhatItHoldsWhenItGoes)
{
    int nReleases = 0;
    CZNFrameContainer* pOuter = nullptr;
    CRect rc(0, 0, 100, 100);
    ASSERT_TRUE(
        GetFrameFactory().CreateContainer(&m_Host, &rc, CZNFrameLayout::FLK_ABSOLUTE, &pOuter));
    EXPECT_EQ(pOuter->GetKind(), CZNFrameControl::FCK_CONTAINER);
    CZNFrameContainer* pInner = Container(CZNFrameLayout::FLK_BORDER, rc, 0, pOuter);
    pOuter->AddControl(pInner);
    pOuter->AddControl(new CCountingNode(nReleases));
    pInner->AddControl(new CCountingNode(nReleases));
    auto* pRemoved = new CCountingNode(nReleases);
    pInner->AddControl(pRemoved);
    pInner->RemoveControlAt(1);
    HWND hWndInner = pInner->m_hWnd;
    HWND hWndOuter = pOuter->m_hWnd;

    pOuter->Release();
    EXPECT_EQ(nReleases, 2);
    EXPECT_FALSE(::IsWindow(hWndInner));
    EXPECT_FALSE(::IsWindow(hWndOuter));
    pRemoved->Release();
}

TEST_F(ContainerTest, AContainerInsideATabPageRecordsThePage)
{
    CWnd page;
    ASSERT_TRUE(
        page.Create(nullptr, L"tabitemCONTAINER", WS_VISIBLE, CRect(0, 0, 200, 200), &m_Host, 2));
    CWnd inner;
    ASSERT_TRUE(inner.Create(nullptr, L"Inner", WS_VISIBLE, CRect(0, 0, 100, 100), &page, 3));
    CZNFrameContainer* pOnPage = Container(CZNFrameLayout::FLK_BORDER, CRect(0, 0, 50, 50));
    CZNFrameContainer* pInside =
        Container(CZNFrameLayout::FLK_BORDER, CRect(0, 0, 50, 50), 0, &inner);
    EXPECT_EQ(pOnPage->GetTabItem(), nullptr);
    EXPECT_EQ(pInside->GetTabItem(), &page);
    pInside->Release();
}

// Containers are borderless controls of the dialog around them, in the system's message font.
TEST_F(ContainerTest, ContainersAreControlParentsInTheMessageFont)
{
    CZNFrameContainer* pContainer = Container(CZNFrameLayout::FLK_BORDER, CRect(0, 0, 100, 100));
    DWORD dwStyle = pContainer->GetStyle();
    EXPECT_EQ(dwStyle & (WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CAPTION | WS_BORDER),
              DWORD(WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS));
    EXPECT_NE(pContainer->GetExStyle() & WS_EX_CONTROLPARENT, 0u);

    NONCLIENTMETRICSW metrics = {};
    metrics.cbSize = sizeof(metrics);
    ASSERT_TRUE(::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0));
    LOGFONTW font = {};
    HGDIOBJ hFont = pContainer->GetFont()->GetSafeHandle();
    ASSERT_NE(hFont, nullptr);
    ASSERT_NE(::GetObjectW(hFont, sizeof(font), &font), 0);
    EXPECT_STREQ(font.lfFaceName, metrics.lfMessageFont.lfFaceName);
    EXPECT_EQ(std::abs(font.lfHeight), std::abs(metrics.lfMessageFont.lfHeight));
    EXPECT_EQ(font.lfWeight, metrics.lfMessageFont.lfWeight);
}

} // namespace
