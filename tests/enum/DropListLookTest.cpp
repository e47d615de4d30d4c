// The drop-down list as it opens: where it stands, how large it is, what it shows selected and
// how its frame and the dialog class look.
#include "DropListFixture.h"
#include "WindowCapture.h"

namespace {

using pgtest::DropListTest;

// Text widths as the list measures them, in the system's status font.
int StatusFontTextWidth(const CString& strText)
{
    NONCLIENTMETRICSW metrics = {};
    metrics.cbSize = sizeof(metrics);
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0);
    HFONT hFont = ::CreateFontIndirectW(&metrics.lfStatusFont);
    HDC hDC = ::GetDC(nullptr);
    HGDIOBJ hOld = ::SelectObject(hDC, hFont);
    SIZE size = {};
    ::GetTextExtentPoint32W(hDC, strText, strText.GetLength(), &size);
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(nullptr, hDC);
    ::DeleteObject(hFont);
    return size.cx;
}

DWORD DialogClassStyle(HWND hDialog)
{
    return ::GetClassLongW(hDialog, GCL_STYLE);
}

using DropListLook = DropListTest;

// The popup's top-left corner lies one pixel left of the editor at the height of its bottom
// edge; it is the editor's width plus its two frame pixels wide, and as high as its rows.
TEST_F(DropListLook, NarrowItemsTakeTheEditorsWidthAndThreeRowsTheirOwnHeight)
{
    std::vector<CString> items = {L"Low", L"Medium", L"High"};
    ASSERT_TRUE(Open(&items));
    CRect rcAnchor = m_pEditor->Anchor();
    CRect rcPopup = PopupRect();
    EXPECT_EQ(rcPopup.TopLeft(), CPoint(rcAnchor.left - 1, rcAnchor.top - 1));
    EXPECT_EQ(rcPopup.Width(), kEditorSize.cx + 2);
    EXPECT_EQ(rcPopup.Height(), 3 * RowHeight() + 2);
    CRect rcList;
    ::GetWindowRect(List(), &rcList);
    EXPECT_EQ(rcList,
              CRect(rcPopup.left + 1, rcPopup.top + 1, rcPopup.right - 1, rcPopup.bottom - 1));
}

TEST_F(DropListLook, AWideItemWidensThePopupByTheScrollBarAndTheMargins)
{
    const CString strWide = L"An item text a good deal wider than the editor above it";
    std::vector<CString> items = {L"a", strWide, L"b"};
    ASSERT_TRUE(Open(&items));
    CRect rcPopup = PopupRect();
    EXPECT_EQ(rcPopup.left, m_pEditor->Anchor().left - 1);
    EXPECT_EQ(rcPopup.Width(),
              StatusFontTextWidth(strWide) + ::GetSystemMetrics(SM_CXVSCROLL) + 6 + 1);
}

// Without rows to cap it the popup keeps the height asked for, trimmed to whole rows.
TEST_F(DropListLook, AnEmptyOrALongListTakesTheAnchorsHeightInWholeRows)
{
    std::vector<CString> empty;
    ASSERT_TRUE(Open(&empty));
    const int nRows = (100 + 3 - 2) / RowHeight();
    EXPECT_EQ(PopupRect().Height(), nRows * RowHeight() + 2);
    EXPECT_EQ(::SendMessageW(List(), LB_GETCOUNT, 0, 0), 0);

    std::vector<CString> many;
    for (int i = 0; i < 30; ++i) {
        many.emplace_back();
        many.back().Format(L"Item %d", i);
    }
    ASSERT_TRUE(Open(&many));
    EXPECT_EQ(PopupRect().Height(), nRows * RowHeight() + 2);
    EXPECT_EQ(PopupRect().Width(), kEditorSize.cx + 2);
}

// A property without any item list still offers one entry, which commits as text.
TEST_F(DropListLook, WithoutAnItemListTheOnlyEntryIsNone)
{
    ASSERT_TRUE(Open(nullptr, L"value"));
    ASSERT_EQ(::SendMessageW(List(), LB_GETCOUNT, 0, 0), 1);
    EXPECT_STREQ(ItemText(0), L"[none]");
    EXPECT_EQ(PopupRect().Height(), RowHeight() + 2);
    EXPECT_EQ(Selected(), LB_ERR);

    ASSERT_TRUE(ClickList(RowPoint(0)));
    EXPECT_STREQ(m_pEditor->m_DropList.GetSelection(), L"[none]");
    EXPECT_EQ(m_pEditor->m_Messages.back(), pgtest::OwnerMessage(PGM_DROPLIST_COMMIT, 0));
}

TEST_F(DropListLook, TheCurrentValueIsSelectedWithoutRegardToCase)
{
    std::vector<CString> items = {L"Low", L"Medium", L"High"};
    ASSERT_TRUE(Open(&items, L"mEDIUM"));
    EXPECT_EQ(Selected(), 1);
    EXPECT_STREQ(m_pEditor->m_DropList.GetSelection(), L"mEDIUM");
    m_pEditor->m_DropList.CloseDropList();
    pgtest::PumpMessages();

    // Only whole items match.
    ASSERT_TRUE(Open(&items, L"Med"));
    EXPECT_EQ(Selected(), LB_ERR);
}

// One pixel of the highlight colour all round, the list's window colour inside.
TEST_F(DropListLook, TheFrameIsOneHighlightPixelWide)
{
    std::vector<CString> items = {L"Low", L"Medium", L"High"};
    ASSERT_TRUE(Open(&items));
    pgtest::Pixels pixels = pgtest::CaptureWindow(Popup());
    ASSERT_EQ(pixels.width, PopupRect().Width());
    const COLORREF crFrame = ::GetSysColor(COLOR_HIGHLIGHT);
    const int nRight = pixels.width - 1;
    const int nBottom = pixels.height - 1;
    for (POINT pt : {POINT{0, 0}, POINT{nRight, 0}, POINT{0, nBottom}, POINT{nRight, nBottom},
                     POINT{nRight / 2, 0}, POINT{0, nBottom / 2}, POINT{nRight / 2, nBottom}}) {
        EXPECT_EQ(pixels.At(pt.x, pt.y), crFrame) << pt.x << ", " << pt.y;
    }
    CRect rcClient;
    ::GetClientRect(Popup(), &rcClient);
    EXPECT_EQ(rcClient.Size(), CSize(pixels.width - 2, pixels.height - 2));
    // Right of the last item text, inside the list.
    EXPECT_EQ(pixels.At(nRight - ::GetSystemMetrics(SM_CXVSCROLL) - 3, 1 + RowHeight() / 2),
              ::GetSysColor(COLOR_WINDOW));
}

// Every dialog of the process shares the class: the shadow is there only while a list is open.
TEST_F(DropListLook, TheDialogClassCarriesTheDropShadowOnlyWhileTheListIsOpen)
{
    const DWORD dwBefore = DialogClassStyle(m_Host.m_hWnd);
    ASSERT_EQ(dwBefore & CS_DROPSHADOW, 0u);
    std::vector<CString> items = {L"Low", L"Medium", L"High"};
    ASSERT_TRUE(Open(&items));
    EXPECT_EQ(DialogClassStyle(Popup()), dwBefore | CS_DROPSHADOW);

    m_pEditor->m_DropList.CloseDropList();
    pgtest::PumpMessages();
    EXPECT_EQ(Popup(), nullptr);
    EXPECT_EQ(DialogClassStyle(m_Host.m_hWnd), dwBefore);
}

} // namespace
