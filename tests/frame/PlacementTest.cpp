// A frame dialog's placement and splitter ratios in the application profile: written when its
// window goes, read when its frame is built.
#include "FrameFixture.h"

#include <cmath>
#include <cstring>
#include <memory>

namespace {

using pgtest::CTestFrameDialog;

class PlacementTest : public pgtest::FrameDialogFixture
{
protected:
    static void WriteRect(const CRect& rc)
    {
        CWinApp* pApp = AfxGetApp();
        pApp->WriteProfileInt(kSection, L"Window.Left", rc.left);
        pApp->WriteProfileInt(kSection, L"Window.Right", rc.right);
        pApp->WriteProfileInt(kSection, L"Window.Top", rc.top);
        pApp->WriteProfileInt(kSection, L"Window.Bottom", rc.bottom);
    }
    static CRect SavedRect()
    {
        return CRect(ProfileInt(L"Window.Left"), ProfileInt(L"Window.Top"),
                     ProfileInt(L"Window.Right"), ProfileInt(L"Window.Bottom"));
    }
    static void WriteSplit(const void* pData, UINT nBytes)
    {
        AfxGetApp()->WriteProfileBinary(kSection, L"SplitContainer.7",
                                        static_cast<LPBYTE>(const_cast<void*>(pData)), nBytes);
    }
    // The stored ratio; NaN unless exactly one float is stored.
    static float SavedSplit()
    {
        LPBYTE pData = nullptr;
        UINT nBytes = 0;
        float fRatio = NAN;
        if (AfxGetApp()->GetProfileBinary(kSection, L"SplitContainer.7", &pData, &nBytes) &&
            nBytes == sizeof fRatio)
            std::memcpy(&fRatio, pData, sizeof fRatio);
        delete[] pData;
        return fRatio;
    }
    static CRect WorkArea()
    {
        CRect rc;
        ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &rc, 0);
        return rc;
    }
    // The first pane's width: its share of the split's width beside the bar.
    static int FirstPaneWidth(const CTestFrameDialog& dialog)
    {
        return pgtest::RectInParent(dialog.m_pSplit->GetPane(0)->m_hWnd).Width();
    }
    static int ExpectedFirstPaneWidth(const CTestFrameDialog& dialog, float fRatio)
    {
        CRect rcSplit;
        dialog.m_pSplit->GetClientRect(&rcSplit);
        int nRoom = rcSplit.Width() - CZNFrameSplitContainer::kBarThickness;
        return int(std::lround(double(nRoom) * fRatio));
    }
};

TEST_F(PlacementTest, ClosingSavesTheRectangleAndReopeningRestoresIt)
{
    // Without entries the dialog opens where its template puts it.
    CTestFrameDialog& first = Open();
    CDialog plain;
    pgtest::DialogTemplate dialogTemplate(CTestFrameDialog::kStyle, 200, 150, L"Plain");
    ASSERT_TRUE(plain.CreateIndirect(dialogTemplate.Get()));
    EXPECT_EQ(WindowRect(first), WindowRect(plain));
    plain.DestroyWindow();

    const CRect rcMoved(60, 50, 470, 360);
    first.MoveWindow(rcMoved);
    Close();
    EXPECT_EQ(SavedRect(), rcMoved);
    EXPECT_EQ(ProfileInt(L"Zoomed"), 0);

    CTestFrameDialog& second = Open();
    EXPECT_EQ(WindowRect(second), rcMoved);
    EXPECT_FALSE(second.IsZoomed());
}

// The placement is read before the window shows, when it cannot be maximised yet: a dialog
// closed maximised reopens at its normal rectangle, which closing it maximised did not touch.
TEST_F(PlacementTest, ADialogClosedMaximisedReopensAtItsNormalRectangle)
{
    const CRect rcNormal(80, 70, 400, 330);
    WriteRect(rcNormal);
    CTestFrameDialog& first = Open();
    first.ShowWindow(SW_MAXIMIZE);
    pgtest::PumpMessages();
    ASSERT_TRUE(first.IsZoomed());
    Close();
    EXPECT_EQ(SavedRect(), rcNormal);
    EXPECT_EQ(ProfileInt(L"Zoomed"), 1);

    CTestFrameDialog& second = Open();
    EXPECT_FALSE(second.IsZoomed());
    EXPECT_EQ(WindowRect(second), rcNormal);
    // Loaded again once the window shows, the placement maximises it.
    ASSERT_TRUE(
        GetFrameFactory().LoadPlacement(second.m_pContainer, &second, CTestFrameDialog::kName));
    EXPECT_TRUE(second.IsZoomed());
}

TEST_F(PlacementTest, ADialogClosedMinimisedLeavesEveryEntryAsItWas)
{
    const CRect rcSaved(90, 80, 420, 350);
    WriteRect(rcSaved);
    AfxGetApp()->WriteProfileInt(kSection, L"Zoomed", 7);
    CTestFrameDialog& dialog = Open(true);
    dialog.MoveWindow(CRect(10, 10, 300, 300));
    dialog.ShowWindow(SW_MINIMIZE);
    pgtest::PumpMessages();
    ASSERT_TRUE(dialog.IsIconic());
    Close();
    EXPECT_EQ(SavedRect(), rcSaved);
    EXPECT_EQ(ProfileInt(L"Zoomed"), 7);
    EXPECT_EQ(SavedSplit(), 0.5f); // splitters are saved whatever the window's state
}

// A rectangle saved where no screen is now is moved onto the work area, and shrunk to it when
// larger; one that lies on the work area stays as it is.
TEST_F(PlacementTest, ARectangleOffTheScreenIsBroughtOntoTheWorkArea)
{
    const CRect rcWork = WorkArea();
    struct Case
    {
        CRect rcSaved;
        CRect rcExpected;
    };
    const Case cases[] = {
        {CRect(5000, 4000, 5300, 4250),
         CRect(rcWork.right - 300, rcWork.bottom - 250, rcWork.right, rcWork.bottom)},
        {CRect(-2000, -1500, -1700, -1250),
         CRect(rcWork.left, rcWork.top, rcWork.left + 300, rcWork.top + 250)},
        {CRect(rcWork.left + 100, rcWork.top - 40, rcWork.left + 400, rcWork.top + 210),
         CRect(rcWork.left + 100, rcWork.top, rcWork.left + 400, rcWork.top + 250)},
        {CRect(-100, -100, rcWork.right + 100, rcWork.bottom + 100), rcWork},
        {CRect(rcWork.left + 20, rcWork.top + 30, rcWork.left + 320, rcWork.top + 280),
         CRect(rcWork.left + 20, rcWork.top + 30, rcWork.left + 320, rcWork.top + 280)},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(::testing::Message() << test.rcSaved.left << "," << test.rcSaved.top);
        WriteRect(test.rcSaved);
        EXPECT_EQ(WindowRect(Open()), test.rcExpected);
        m_pDialog->DestroyWindow();
    }
}

// A child dialog is placed by its parent: it neither reads nor writes its window entries, but
// keeps its splitters.
TEST_F(PlacementTest, AChildDialogKeepsOnlyItsSplitters)
{
    CDialog host;
    pgtest::DialogTemplate hostTemplate(WS_POPUP | WS_CAPTION | WS_VISIBLE, 300, 250, L"Host");
    ASSERT_TRUE(host.CreateIndirect(hostTemplate.Get()));
    const CRect rcSaved(300, 200, 600, 500);
    WriteRect(rcSaved);
    AfxGetApp()->WriteProfileInt(kSection, L"Zoomed", 1);
    const float fStored = 0.25f;
    WriteSplit(&fStored, sizeof fStored);

    CTestFrameDialog& dialog = Open(true, WS_CHILD, &host);
    EXPECT_EQ(pgtest::RectInParent(dialog.m_hWnd).TopLeft(), CPoint(0, 0));
    EXPECT_FALSE(dialog.IsZoomed());
    EXPECT_EQ(dialog.m_pSplit->GetSplitRatio(), 0.25f);

    dialog.m_pSplit->SetSplitRatio(0.75f);
    Close();
    EXPECT_EQ(SavedRect(), rcSaved);
    EXPECT_EQ(ProfileInt(L"Zoomed"), 1);
    EXPECT_EQ(SavedSplit(), 0.75f);
    host.DestroyWindow();
}

// A split ratio counts only as exactly one stored float, clamped to 0..1; anything else is 0.5.
TEST_F(PlacementTest, SplitRatiosComeFromStoredFloatsOnly)
{
    const float fQuarter = 0.25f;
    const float fAbove = 7.5f;
    const float fBelow = -2.0f;
    const double dQuarter = 0.25;
    const BYTE threeBytes[3] = {0, 0, 0x3E};
    struct Case
    {
        const void* pData;
        UINT nBytes;
        float fExpected;
    };
    const Case cases[] = {
        {&fQuarter, sizeof fQuarter, 0.25f},
        {&fAbove, sizeof fAbove, 1.0f},
        {&fBelow, sizeof fBelow, 0.0f},
        {&dQuarter, sizeof dQuarter, 0.5f},
        {threeBytes, 3, 0.5f},
        {nullptr, 0, 0.5f},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(::testing::Message() << test.nBytes << " bytes, " << test.fExpected);
        ClearProfile();
        if (test.pData != nullptr)
            WriteSplit(test.pData, test.nBytes);
        CTestFrameDialog& dialog = Open(true);
        EXPECT_EQ(dialog.m_pSplit->GetSplitRatio(), test.fExpected);
        EXPECT_EQ(FirstPaneWidth(dialog), ExpectedFirstPaneWidth(dialog, test.fExpected));
        Close();
        EXPECT_EQ(SavedSplit(), test.fExpected);
    }
}

// The user drags the bar; the ratio it leaves is saved, and the dialog reopens with it.
TEST_F(PlacementTest, TheRatioTheUserDragsTheBarToIsKept)
{
    CTestFrameDialog& first = Open(true);
    CZNFrameSplitContainer* pSplit = first.m_pSplit;
    CRect rcSplit;
    pSplit->GetClientRect(&rcSplit);
    int nBar = FirstPaneWidth(first);
    CPoint ptBar(nBar + CZNFrameSplitContainer::kBarThickness / 2, rcSplit.Height() / 2);
    ASSERT_TRUE(pgtest::Drag(*pSplit, ptBar, ptBar - CSize(40, 0)));
    EXPECT_EQ(FirstPaneWidth(first), nBar - 40);
    float fDragged = pSplit->GetSplitRatio();
    EXPECT_FLOAT_EQ(fDragged, float(nBar - 40) /
                                  float(rcSplit.Width() - CZNFrameSplitContainer::kBarThickness));
    // The edit control in the first pane follows it.
    CRect rcEdit;
    ::GetWindowRect(first.Edit(), &rcEdit);
    EXPECT_EQ(rcEdit.Width(), nBar - 40 - 4);
    Close();
    EXPECT_EQ(SavedSplit(), fDragged);

    CTestFrameDialog& second = Open(true);
    EXPECT_EQ(second.m_pSplit->GetSplitRatio(), fDragged);
    EXPECT_EQ(FirstPaneWidth(second), nBar - 40);
}

} // namespace
