// Batches of row changes end as the row-by-row steps end: the same rows in the same order, the
// same selection, caret, top row and scroll bar, and a picture that a full repaint leaves as it
// is. Each batch here is large enough that the grid moves the list box's top row during it.
#include "GridFixture.h"
#include "WindowCapture.h"

#include <algorithm>

namespace {

using pgtest::kRowHeight;

// A plain list box of the grid's size, styles and horizontal extent, changed one row at a time
// as the grid's steps change their rows, with the redraw switched off and on where the grid
// switches it: the row-by-row outcome. Each row it inserts takes the height of the grid's row at
// the same place, which the grid has inserted before.
class CRowByRowList : public CListBox
{
public:
    const CListBox* m_pHeights = nullptr; // the list whose row heights the rows take

    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override
    {
        lpMeasureItemStruct->itemHeight = UINT(lpMeasureItemStruct->itemData);
    }

    void Insert(int nFirst, int nCount)
    {
        for (int i = nFirst; i < nFirst + nCount; ++i)
            InsertString(i, reinterpret_cast<LPCTSTR>(INT_PTR(m_pHeights->GetItemHeight(i))));
    }
    // From the bottom up, as a category collapses.
    void Delete(int nFirst, int nCount)
    {
        for (int i = nFirst + nCount - 1; i >= nFirst; --i)
            DeleteString(UINT(i));
    }
};

// Where the list shows its top row and its selection when a batch begins.
struct Place
{
    int nTop;
    int nSelection;
};

class BatchTest : public pgtest::GridFixture
{
protected:
    void SetUp() override
    {
        GridFixture::SetUp();
        CRect rcGrid;
        m_Grid.GetWindowRect(&rcGrid);
        // Below the dialog's client area: clipped, which the list box's sums do not see.
        DWORD dwStyle = pgtest::kGridListBoxStyle | WS_CHILD | WS_VISIBLE;
        ASSERT_TRUE(
            m_Reference.Create(dwStyle, CRect(CPoint(10, 400), rcGrid.Size()), &m_Host, 77));
        m_Reference.m_pHeights = &m_Grid;
    }

    void TearDown() override
    {
        m_Reference.DestroyWindow();
        GridFixture::TearDown();
    }

    // Categories A, B and C under the root with as many properties each; the reference list
    // holds as many rows.
    void Build(int nA, int nB, int nC)
    {
        m_A = Fill(Category(m_pRoot, L"A"), nA);
        m_B = Fill(Category(m_pRoot, L"B"), nB);
        m_C = Fill(Category(m_pRoot, L"C"), nC);
        pgtest::PumpMessages();
        m_Reference.ResetContent();
        m_Reference.SetRedraw(FALSE);
        m_Reference.Insert(0, m_Grid.GetCount());
        m_Reference.SetRedraw(TRUE);
        FollowExtent();
        pgtest::PumpMessages();
    }

    // The grid's horizontal extent follows its columns, which every property added lays out
    // for the client width of the moment: the first property of a batch may change it.
    void FollowExtent() { m_Reference.SetHorizontalExtent(m_Grid.GetHorizontalExtent()); }

    // Text properties, and with nMemoEvery a memo of three lines, a taller row, every so many.
    CZNPropertyGridCategory* Fill(CZNPropertyGridCategory* pCategory, int nProperties,
                                  int nMemoEvery = 0)
    {
        for (int i = 0; i < nProperties; ++i) {
            if (nMemoEvery != 0 && i % nMemoEvery == 0)
                m_Grid.AddProperty(pCategory, L"Memo", L"", unsigned(i), PGT_MEMO, L"Lines=3");
            else
                AddText(pCategory, unsigned(i));
        }
        return pCategory;
    }

    // Both lists with the top row and the selection of place, painted.
    void Show(Place place)
    {
        for (CListBox* pList :
             {static_cast<CListBox*>(&m_Grid), static_cast<CListBox*>(&m_Reference)}) {
            pList->SetCurSel(place.nSelection);
            pList->SetTopIndex(place.nTop);
        }
        pgtest::PumpMessages();
        ASSERT_EQ(m_Grid.GetTopIndex(), m_Reference.GetTopIndex());
        ASSERT_EQ(m_Grid.GetCurSel(), m_Reference.GetCurSel());
    }

    // The reference's steps of a batch that ends within the call: redraw off around them.
    template <class TSteps> void RowByRow(TSteps steps)
    {
        m_Reference.SetRedraw(FALSE);
        steps();
        m_Reference.SetRedraw(TRUE);
    }

    void ExpectRowByRowOutcome()
    {
        EXPECT_EQ(Rows(), TreeRows());
        EXPECT_EQ(m_Grid.GetCount(), m_Reference.GetCount());
        EXPECT_EQ(m_Grid.GetTopIndex(), m_Reference.GetTopIndex());
        EXPECT_EQ(m_Grid.GetCurSel(), m_Reference.GetCurSel());
        EXPECT_EQ(m_Grid.GetCaretIndex(), m_Reference.GetCaretIndex());
        SCROLLINFO grid = ScrollInfo(m_Grid);
        SCROLLINFO reference = ScrollInfo(m_Reference);
        EXPECT_EQ(grid.nPos, reference.nPos);
        EXPECT_EQ(grid.nMax, reference.nMax);
        EXPECT_EQ(grid.nPage, reference.nPage);
    }

    // What the batch left on the screen, scroll bars and frame included, is what a full
    // repaint of the result paints.
    void ExpectPaintedWhole()
    {
        pgtest::Pixels left = pgtest::CaptureWindow(m_Grid);
        m_Grid.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
        pgtest::PumpMessages();
        pgtest::Pixels repainted = pgtest::CaptureWindow(m_Grid);
        ASSERT_FALSE(left.IsEmpty());
        EXPECT_TRUE(left.colors == repainted.colors);
    }

    static SCROLLINFO ScrollInfo(const CWnd& list)
    {
        SCROLLINFO info = {};
        info.cbSize = sizeof(info);
        info.fMask = SIF_ALL;
        ::GetScrollInfo(list, SB_VERT, &info);
        return info;
    }

    // The rows the tree asks for: each category followed by its content while expanded, its
    // sub-categories before its properties.
    std::vector<void*> TreeRows() const
    {
        std::vector<void*> rows;
        AppendContent(m_pRoot, rows);
        return rows;
    }
    static void AppendContent(const CZNPropertyGridCategory* pCategory, std::vector<void*>& rows)
    {
        for (CZNPropertyGridCategory* pChild : pCategory->m_Categories) {
            rows.push_back(pChild);
            if (pChild->IsExpanded())
                AppendContent(pChild, rows);
        }
        rows.insert(rows.end(), pCategory->m_Properties.begin(), pCategory->m_Properties.end());
    }

    int RowOf(CZNPropertyGridCategory* pCategory) { return m_Grid.ComputeListIndex(pCategory); }

    // From place, the category collapses and expands again, in the grid and row by row.
    void CollapseAndExpand(CZNPropertyGridCategory* pCategory, int nRows, Place place)
    {
        SCOPED_TRACE(testing::Message()
                     << "top " << place.nTop << ", selection " << place.nSelection);
        const int nRow = RowOf(pCategory);
        Show(place);
        ASSERT_TRUE(m_Grid.ToggleExpand(pCategory));
        RowByRow([&] { m_Reference.Delete(nRow + 1, nRows); });
        pgtest::PumpMessages();
        ExpectRowByRowOutcome();
        ExpectPaintedWhole();

        ASSERT_TRUE(m_Grid.ToggleExpand(pCategory));
        RowByRow([&] { m_Reference.Insert(nRow + 1, nRows); });
        pgtest::PumpMessages();
        ExpectRowByRowOutcome();
        ExpectPaintedWhole();
    }

    CRowByRowList m_Reference;
    CZNPropertyGridCategory* m_A = nullptr;
    CZNPropertyGridCategory* m_B = nullptr;
    CZNPropertyGridCategory* m_C = nullptr;
};

// B's 600 rows are 32 to 631 and C's 1,200 follow: the top row and the selection above, inside
// and below the rows that go and come back.
const Place kAroundB[] = {{0, 5},    {0, 400},     {0, 1500},   {300, 310},
                          {300, 20}, {1000, 1010}, {1000, 300}, {40, 33}};

TEST_F(BatchTest, CollapseAndExpandEndAsRowByRow)
{
    Build(30, 600, 1200);
    for (Place place : kAroundB)
        CollapseAndExpand(m_B, 600, place);
}

TEST_F(BatchTest, RemovalEndsAsRowByRow)
{
    for (Place place : kAroundB) {
        SCOPED_TRACE(testing::Message()
                     << "top " << place.nTop << ", selection " << place.nSelection);
        Build(30, 600, 1200);
        const int nRow = RowOf(m_B);
        Show(place);
        // The collapse is one batch; the category's own row goes after it.
        ASSERT_TRUE(m_Grid.RemoveCategory(m_pRoot, m_B));
        RowByRow([&] { m_Reference.Delete(nRow + 1, 600); });
        m_Reference.DeleteString(UINT(nRow));
        pgtest::PumpMessages();
        ExpectRowByRowOutcome();
        ExpectPaintedWhole();
        ASSERT_TRUE(m_Grid.RemoveCategory(m_pRoot, m_A));
        ASSERT_TRUE(m_Grid.RemoveCategory(m_pRoot, m_C));
    }
}

// A host removes properties one call at a time, the last first: from the last category (whose
// last row is the list's) and from one in the middle (whose rows are found by the walk).
TEST_F(BatchTest, RemovalsOfPropertiesEndAsRowByRow)
{
    // B's rows are 32 to 631, C's 633 to 1832.
    const Place places[] = {{0, 5}, {200, 210}, {500, 20}, {1000, 1010}, {1000, 300}, {1300, 1500}};
    for (bool bLast : {false, true}) {
        for (Place place : places) {
            SCOPED_TRACE(testing::Message() << (bLast ? "last" : "middle") << ", top " << place.nTop
                                            << ", selection " << place.nSelection);
            Build(30, 600, 1200);
            Show(place);
            CZNPropertyGridCategory* pTarget = bLast ? m_C : m_B;
            const std::vector<IZNPropertyGridProperty*> properties = pTarget->m_Properties;
            const int nEnd = RowOf(pTarget) + 1 + int(properties.size());
            for (int i = 1; i <= 400; ++i)
                ASSERT_TRUE(m_Grid.RemoveProperty(pTarget, properties[properties.size() - i]));
            RowByRow([&] {
                m_Reference.Delete(nEnd - 400, 400);
                pgtest::PumpMessages();
            });
            ExpectRowByRowOutcome();
            ExpectPaintedWhole();
            for (CZNPropertyGridCategory* pCategory : {m_A, m_B, m_C})
                ASSERT_TRUE(m_Grid.RemoveCategory(m_pRoot, pCategory));
        }
    }
}

// Taller rows among the others: the rows that fill the view are fewer, and the top row's moves
// count them.
TEST_F(BatchTest, RowsOfDifferentHeightsEndAsRowByRow)
{
    m_A = Fill(Category(m_pRoot, L"A"), 30, 3);
    m_B = Fill(Category(m_pRoot, L"B"), 900, 5);
    m_C = Fill(Category(m_pRoot, L"C"), 1400, 2);
    pgtest::PumpMessages();
    m_Reference.SetRedraw(FALSE);
    m_Reference.Insert(0, m_Grid.GetCount());
    m_Reference.SetRedraw(TRUE);
    FollowExtent();
    ASSERT_GT(m_Grid.GetItemHeight(1), kRowHeight);
    // B's rows are 32 to 931, C's follow.
    for (Place place : {Place{0, 5}, Place{500, 505}, Place{1200, 1205}, Place{100, 1500}})
        CollapseAndExpand(m_B, 900, place);
    Show({300, 310});
    const int nFirst = m_Grid.GetCount();
    Fill(m_C, 1000, 4);
    RowByRow([&] {
        FollowExtent();
        m_Reference.Insert(nFirst, 1000);
        pgtest::PumpMessages();
    });
    ExpectRowByRowOutcome();
    ExpectPaintedWhole();
}

// With the last page in view, rows above it go: one row at a time, the list box would keep its
// top row past the rows that are left and show none of them. The batch ends with the last page
// in view, the rows that were shown at the bottom still there.
TEST_F(BatchTest, TheLastPageStaysInViewWhenRowsAboveItGo)
{
    Build(30, 600, 1200);
    const int nRows = m_Grid.GetCount();
    CRect rcClient;
    m_Grid.GetClientRect(&rcClient);
    const int nPageRows = rcClient.Height() / kRowHeight;
    Show({nRows - nPageRows, nRows - 3});
    void* pLast = Rows().back();
    ASSERT_TRUE(m_Grid.ToggleExpand(m_B));
    RowByRow([&] { m_Reference.Delete(RowOf(m_B) + 1, 600); });
    pgtest::PumpMessages();
    EXPECT_EQ(Rows(), TreeRows());
    EXPECT_EQ(m_Grid.GetTopIndex(), m_Grid.GetCount() - nPageRows);
    EXPECT_GE(m_Reference.GetTopIndex(), m_Reference.GetCount() - nPageRows);
    EXPECT_EQ(m_Grid.GetCurSel(), m_Reference.GetCurSel());
    BOOL bOutside = TRUE;
    UINT nBottom = m_Grid.ItemFromPoint(CPoint(50, (nPageRows - 1) * kRowHeight + 2), bOutside);
    EXPECT_EQ(Rows()[nBottom], pLast);
    ExpectPaintedWhole();
}

// A host's additions batch until its message loop runs: to a category in the middle (whose rows
// are found by the walk over the tree) and to the last one (whose rows go to the end).
TEST_F(BatchTest, AdditionsEndAsRowByRow)
{
    // Before: A at 0, its rows 1 to 30, B at 31 without rows, C at 32 and its rows 33 to 632.
    const Place places[] = {{0, 5}, {0, 40}, {20, 35}, {400, 410}, {400, 10}, {620, 625}};
    for (bool bLast : {false, true}) {
        for (Place place : places) {
            SCOPED_TRACE(testing::Message() << (bLast ? "last" : "middle") << ", top " << place.nTop
                                            << ", selection " << place.nSelection);
            Build(30, 0, 600);
            Show(place);
            CZNPropertyGridCategory* pTarget = bLast ? m_C : m_B;
            const int nFirst = bLast ? m_Grid.GetCount() : RowOf(m_B) + 1;
            Fill(pTarget, 1200);
            RowByRow([&] {
                FollowExtent();
                m_Reference.Insert(nFirst, 1200);
                pgtest::PumpMessages();
            });
            ExpectRowByRowOutcome();
            ExpectPaintedWhole();
            for (CZNPropertyGridCategory* pCategory : {m_A, m_B, m_C})
                ASSERT_TRUE(m_Grid.RemoveCategory(m_pRoot, pCategory));
        }
    }
}

// Additions to a collapsed category make no row and leave the grid as it is painted, the last
// category's too. A new row goes to the end of the list only where nothing follows its
// category: not when the category has properties after its last sub-category, nor when the
// root has properties after the last category.
TEST_F(BatchTest, AdditionsGoWhereTheTreeOrdersThem)
{
    Build(30, 0, 600);
    ASSERT_TRUE(m_Grid.ToggleExpand(m_B));
    ASSERT_TRUE(m_Grid.ToggleExpand(m_C));
    pgtest::PumpMessages();
    const std::vector<void*> before = Rows();
    Fill(m_B, 300);
    Fill(m_C, 300);
    pgtest::PumpMessages();
    EXPECT_EQ(Rows(), before);
    ExpectPaintedWhole();
    ASSERT_TRUE(m_Grid.ToggleExpand(m_B));
    ASSERT_TRUE(m_Grid.ToggleExpand(m_C));
    pgtest::PumpMessages();
    EXPECT_EQ(Rows(), TreeRows());

    CZNPropertyGridCategory* pD = Category(m_C, L"D");
    AddText(m_pRoot, 9000);
    Fill(pD, 300);
    Fill(m_C, 300);
    pgtest::PumpMessages();
    EXPECT_EQ(Rows(), TreeRows());
    ExpectPaintedWhole();
}

// A host that makes its categories first fills each afterwards; properties go after the one
// appended before them, also when the host turns to another category and back, removes a row
// in between, or expands a category that lies above.
TEST_F(BatchTest, CategoriesFilledAfterTheyAreMadeGetTheirRowsInTreeOrder)
{
    Build(30, 0, 600);
    ASSERT_TRUE(m_Grid.ToggleExpand(m_A));
    Show({400, 410});
    Fill(m_B, 700);
    Fill(m_A, 300);
    Fill(m_B, 300);
    ASSERT_TRUE(m_Grid.RemoveProperty(m_B, m_B->m_Properties[5]));
    Fill(m_B, 300);
    ASSERT_TRUE(m_Grid.ToggleExpand(m_A));
    Fill(m_B, 300);
    EXPECT_EQ(Rows(), TreeRows());
    pgtest::PumpMessages();
    EXPECT_EQ(Rows(), TreeRows());
    ExpectPaintedWhole();
}

// While the additions wait for the host's loop, whatever reads the list, and a paint the host
// asks for, see the rows as the row-by-row steps have them.
TEST_F(BatchTest, TheListIsAsRowByRowBeforeTheLoopRuns)
{
    Build(30, 0, 600);
    Show({400, 410});
    Fill(m_C, 1500);
    m_Reference.SetRedraw(FALSE);
    FollowExtent();
    m_Reference.Insert(633, 1500);
    EXPECT_EQ(m_Grid.GetTopIndex(), m_Reference.GetTopIndex());
    EXPECT_EQ(m_Grid.GetCurSel(), m_Reference.GetCurSel());
    EXPECT_EQ(CellRect(402, 1).top, 2 * kRowHeight);
    BOOL bOutside = TRUE;
    EXPECT_EQ(m_Grid.ItemFromPoint(CPoint(50, 3 * kRowHeight + 2), bOutside), 403u);
    m_Grid.UpdateWindow();
    ExpectPaintedWhole();
    m_Reference.SetRedraw(TRUE);
    pgtest::PumpMessages();
    ExpectRowByRowOutcome();
}

// A grid filled while its dialog is hidden, as a host fills it before the dialog shows.
TEST_F(BatchTest, AdditionsToAHiddenGridShowAsRowByRow)
{
    Build(30, 0, 600);
    Show({300, 305});
    m_Host.ShowWindow(SW_HIDE);
    Fill(m_C, 1500);
    FollowExtent();
    m_Reference.Insert(633, 1500);
    m_Host.ShowWindow(SW_SHOW);
    pgtest::PumpMessages();
    ExpectRowByRowOutcome();
    ExpectPaintedWhole();
}

// The top row moves during a batch; the open editor, a child of the grid, stays where it is and
// shows throughout.
TEST_F(BatchTest, AnOpenEditorStaysOverItsCellWhileRowsAreAdded)
{
    // Rows enough for the scroll bars, whose coming would resize the grid and close the editor.
    Build(3, 0, 60);
    CString strValue = L"value";
    m_pCategory = m_A;
    IZNPropertyGridProperty* pProperty = Add(PGT_TEXT, 1, &strValue);
    pgtest::PumpMessages();
    ASSERT_TRUE(ClickCell(pProperty, 1));
    HWND hEditor = ::FindWindowExW(m_Grid.m_hWnd, nullptr, L"#32770", nullptr);
    ASSERT_TRUE(::IsWindowVisible(hEditor));
    CRect rcBefore;
    ::GetWindowRect(hEditor, &rcBefore);

    Fill(m_C, 2000);
    // Shown already while the series waits for the host's loop.
    EXPECT_TRUE(::IsWindowVisible(hEditor));
    pgtest::PumpMessages();
    CRect rcAfter;
    ::GetWindowRect(hEditor, &rcAfter);
    EXPECT_EQ(rcAfter, rcBefore);
    EXPECT_TRUE(::IsWindowVisible(hEditor));
    EXPECT_EQ(m_Grid.GetTopIndex(), 0);
}

} // namespace
