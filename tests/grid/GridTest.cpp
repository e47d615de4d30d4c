// The grid as a host builds it: the tree and its rows, wrong arguments, the editor's state and
// the notifications on their way to the host.
#include <ZNPropertyGrid.h>
#include <gtest/gtest.h>

#include "../../grid/ZNPropertyGridItem.h"
#include "../../model/ZNPropertyGridCategory.h"
#include "../../model/ZNPropertyGridProperty.h"
#include "HostDialog.h"
#include "Input.h"

#include <vector>

namespace {

constexpr int kRowHeight = 18;

class CTestGrid : public CZNPropertyGrid
{
public:
    using CZNPropertyGrid::m_nCurrentColumn;
    using CZNPropertyGrid::m_pActiveProperty;
    using CZNPropertyGrid::m_pRootCategory;
};

// A plain list box with the grid's row height.
class CReferenceList : public CListBox
{
public:
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override
    {
        lpMeasureItemStruct->itemHeight = kRowHeight;
    }
};

// A host that keeps the notifications the grid passes on to it.
class CRecordingHost : public pgtest::CHostDialog
{
public:
    struct Notification
    {
        UINT nMessage;
        WPARAM wParam;
        LPARAM lParam;
    };
    std::vector<Notification> m_Received;

protected:
    afx_msg LRESULT OnPropertyChange(WPARAM wParam, LPARAM lParam)
    {
        m_Received.push_back({PGM_PROPERTYCHANGE, wParam, lParam});
        return 42;
    }
    afx_msg LRESULT OnPropertyCheck(WPARAM wParam, LPARAM lParam)
    {
        m_Received.push_back({PGM_PROPERTYCHECK, wParam, lParam});
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRecordingHost, pgtest::CHostDialog)
    ON_MESSAGE(PGM_PROPERTYCHANGE, &CRecordingHost::OnPropertyChange)
    ON_MESSAGE(PGM_PROPERTYCHECK, &CRecordingHost::OnPropertyCheck)
END_MESSAGE_MAP()

class GridTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        static bool s_bInitialized = false;
        if (!s_bInitialized)
            InitPropertyGridCtrl();
        s_bInitialized = true;
        ASSERT_TRUE(m_host.Create(pgtest::kGridListBoxStyle, {400, 240}));
        ASSERT_TRUE(m_grid.SubclassDlgItem(pgtest::CHostDialog::kListBoxId, &m_host));
        ASSERT_TRUE(m_grid.Initialize(0));
        ASSERT_EQ(m_grid.AddColumn(100, L"First"), 1);
        ASSERT_EQ(m_grid.AddColumn(100, L"Second"), 2);
        m_pRoot = m_grid.AddCategory(nullptr, L"Root", L"");
        ASSERT_NE(m_pRoot, nullptr);
    }
    void TearDown() override { m_host.DestroyWindow(); }

    CZNPropertyGridCategory* Category(CZNPropertyGridCategory* pParent, const wchar_t* pszName)
    {
        return m_grid.AddCategory(pParent, pszName, L"");
    }
    IZNPropertyGridProperty* Text(CZNPropertyGridCategory* pCategory, unsigned nID = 1)
    {
        return m_grid.AddProperty(pCategory, L"Name", L"", nID, PGT_TEXT, L"");
    }
    // The object each row shows, from the top.
    std::vector<void*> Rows() const
    {
        std::vector<void*> rows;
        for (int i = 0; i < m_grid.GetCount(); ++i) {
            auto* pItem = static_cast<CZNPropertyGridItem*>(m_grid.GetItemDataPtr(i));
            rows.push_back(pItem != nullptr ? pItem->m_pObject : nullptr);
        }
        return rows;
    }
    POINT CellCenter(int nRow, int nColumn)
    {
        CRect rcCell;
        m_grid.ColumnRect(nRow, nColumn, &rcCell);
        return rcCell.CenterPoint();
    }

    CRecordingHost m_host;
    CTestGrid m_grid;
    CZNPropertyGridCategory* m_pRoot = nullptr;
};

using RowList = std::vector<void*>;

TEST_F(GridTest, RowsFollowTheTreeWhateverTheOrderOfAdding)
{
    // Added out of their row order: the root's property first, and a2 after B's rows exist.
    IZNPropertyGridProperty* r1 = Text(m_pRoot);
    CZNPropertyGridCategory* A = Category(m_pRoot, L"A");
    IZNPropertyGridProperty* a1 = Text(A);
    CZNPropertyGridCategory* B = Category(m_pRoot, L"B");
    IZNPropertyGridProperty* a2 = Text(A);
    IZNPropertyGridProperty* b1 = Text(B);
    IZNPropertyGridProperty* a3 = Text(A);
    EXPECT_EQ(Rows(), (RowList{A, a1, a2, a3, B, b1, r1}));
    EXPECT_EQ(m_grid.ComputeListIndex(b1), 5);
    EXPECT_EQ(m_grid.ComputeListIndex(B), 4);
}

TEST_F(GridTest, RowsFollowNestedExpandAndCollapse)
{
    CZNPropertyGridCategory* A = Category(m_pRoot, L"A");
    CZNPropertyGridCategory* S = Category(A, L"S");
    IZNPropertyGridProperty* s1 = Text(S);
    IZNPropertyGridProperty* a1 = Text(A);
    CZNPropertyGridCategory* B = Category(m_pRoot, L"B");
    IZNPropertyGridProperty* b1 = Text(B);
    ASSERT_EQ(Rows(), (RowList{A, S, s1, a1, B, b1}));

    ASSERT_TRUE(m_grid.ToggleExpand(S));
    ASSERT_TRUE(m_grid.ToggleExpand(A));
    EXPECT_EQ(Rows(), (RowList{A, B, b1}));
    EXPECT_EQ(m_grid.ComputeListIndex(s1), -1);
    EXPECT_EQ(m_grid.ComputeListIndex(a1), -1);
    // Collapsed rows are gone, their objects are not.
    EXPECT_EQ(m_grid.GetPropertyFromIndex(A, 0), a1);
    EXPECT_STREQ(a1->GetName(), L"Name");

    // S stays collapsed inside A; a property added to it meanwhile shows with it later.
    IZNPropertyGridProperty* s2 = Text(S);
    ASSERT_TRUE(m_grid.ToggleExpand(A));
    EXPECT_EQ(Rows(), (RowList{A, S, a1, B, b1}));
    ASSERT_TRUE(m_grid.ToggleExpand(S));
    EXPECT_EQ(Rows(), (RowList{A, S, s1, s2, a1, B, b1}));

    // Neither the root nor a category under a collapsed one has a row to toggle.
    EXPECT_FALSE(m_grid.ToggleExpand(m_pRoot));
    ASSERT_TRUE(m_grid.ToggleExpand(A));
    DWORD dwFlags = S->m_dwFlags;
    EXPECT_FALSE(m_grid.ToggleExpand(S));
    EXPECT_EQ(S->m_dwFlags, dwFlags);
    EXPECT_EQ(Rows(), (RowList{A, B, b1}));

    // An empty category only changes its flag.
    CZNPropertyGridCategory* E = Category(m_pRoot, L"E");
    ASSERT_TRUE(m_grid.ToggleExpand(E));
    EXPECT_FALSE(E->IsExpanded());
    EXPECT_EQ(Rows(), (RowList{A, B, b1, E}));
}

TEST_F(GridTest, RemovingTakesExactlyTheRowsOfWhatGoes)
{
    CZNPropertyGridCategory* A = Category(m_pRoot, L"A");
    CZNPropertyGridCategory* S = Category(A, L"S");
    Text(S);
    IZNPropertyGridProperty* a1 = Text(A);
    IZNPropertyGridProperty* a2 = Text(A);
    CZNPropertyGridCategory* B = Category(m_pRoot, L"B");
    IZNPropertyGridProperty* r1 = Text(m_pRoot);

    EXPECT_TRUE(m_grid.RemoveProperty(A, a1));
    EXPECT_TRUE(m_grid.RemoveCategory(A, S));
    EXPECT_EQ(Rows(), (RowList{A, a2, B, r1}));
    EXPECT_TRUE(m_grid.RemoveCategory(m_pRoot, A));
    EXPECT_EQ(Rows(), (RowList{B, r1}));

    // The whole tree goes with the root, the rows of the root's own properties included.
    EXPECT_TRUE(m_grid.RemoveCategory(nullptr, m_pRoot));
    EXPECT_EQ(m_grid.m_pRootCategory, nullptr);
    EXPECT_EQ(m_grid.GetCount(), 0);
    EXPECT_NE(m_grid.AddCategory(nullptr, L"Again", L""), nullptr);
}

TEST_F(GridTest, WrongArgumentsAnswerFailureAndChangeNothing)
{
    CZNPropertyGridCategory* A = Category(m_pRoot, L"A");
    IZNPropertyGridProperty* a1 = Text(A);
    CZNPropertyGridCategory* B = Category(m_pRoot, L"B");
    IZNPropertyGridProperty* b1 = Text(B);
    const RowList before = {A, a1, B, b1};
    ASSERT_EQ(Rows(), before);

    EXPECT_EQ(m_grid.AddCategory(nullptr, L"Second root", L""), nullptr);
    EXPECT_EQ(m_grid.m_pRootCategory, m_pRoot);
    EXPECT_EQ(m_grid.AddProperty(nullptr, L"P", L"", 1, PGT_TEXT, L""), nullptr);
    EXPECT_EQ(m_grid.AddProperty(A, L"P", L"", 1, eZNPropertyGridType(9), L""), nullptr);
    // Objects that are not where the caller says they are: no row may go.
    EXPECT_FALSE(m_grid.RemoveProperty(A, b1));
    EXPECT_FALSE(m_grid.RemoveCategory(A, B));
    EXPECT_FALSE(m_grid.RemoveCategory(nullptr, A));
    EXPECT_EQ(Rows(), before);
    EXPECT_TRUE(B->IsExpanded());

    CString strValue = L"host";
    CString strText = L"unchanged";
    EXPECT_FALSE(m_grid.SetPropertyValue(nullptr, a1, 0, &strValue));
    EXPECT_FALSE(m_grid.SetPropertyValue(A, a1, 2, &strValue));
    EXPECT_FALSE(m_grid.GetPropertyValueAsString(A, a1, 0, strText)); // never set
    EXPECT_FALSE(m_grid.SetPropertyCheckBoxState(nullptr, a1, 0, 0x50000000));
    m_grid.EnableProperty(nullptr, a1, 0, false);
    EXPECT_NE(a1->TestFlag(0, PGP_ENABLED), 0u);
    EXPECT_EQ(m_grid.GetPropertyFromIndex(A, 1), nullptr);
    EXPECT_EQ(m_grid.GetPropertyCount(nullptr), 0u);
    EXPECT_FALSE(m_grid.SetCategoryValue(A, 2, L"x"));
    EXPECT_FALSE(m_grid.GetCategoryValue(nullptr, 0, strText));
    EXPECT_EQ(strText, L"unchanged");

    // The same calls with the right arguments.
    m_grid.EnableProperty(A, a1, 1, false);
    EXPECT_EQ(a1->TestFlag(1, PGP_ENABLED), 0u);
    EXPECT_NE(a1->TestFlag(0, PGP_ENABLED), 0u);
    EXPECT_TRUE(m_grid.GetCategoryValue(A, 1, strText));
    EXPECT_EQ(strText, L"Second");
    EXPECT_TRUE(m_grid.SetCategoryValue(A, 1, L"Object B"));
    EXPECT_TRUE(m_grid.GetCategoryValue(A, 1, strText));
    EXPECT_EQ(strText, L"Object B");

    m_grid.SetMinimumWidth(-5);
    EXPECT_EQ(m_grid.GetMinimumWidth(), 0);
}

TEST_F(GridTest, NotificationsReachTheHostWithTheValueIndex)
{
    CZNPropertyGridCategory* A = Category(m_pRoot, L"A");
    IZNPropertyGridProperty* a1 = Text(A, 7);
    int nUserData = 0;
    ASSERT_TRUE(m_grid.SetPropertyUserData(A, a1, 0, &nUserData));

    // An editor reports the grid column; the host hears the value index.
    EXPECT_EQ(m_grid.SendMessage(PGM_PROPERTYCHANGE, MAKELONG(2, 7), 1234), 42);
    ASSERT_TRUE(m_grid.SetPropertyCheckBoxState(A, a1, 0, 0x50000000));
    ASSERT_EQ(m_host.m_Received.size(), 2u);
    EXPECT_EQ(m_host.m_Received[0].wParam, WPARAM(MAKELONG(1, 7)));
    EXPECT_EQ(m_host.m_Received[0].lParam, 1234);
    EXPECT_EQ(m_host.m_Received[1].nMessage, UINT(PGM_PROPERTYCHECK));
    EXPECT_EQ(m_host.m_Received[1].wParam, WPARAM(MAKELONG(0, 7)));
    EXPECT_EQ(m_host.m_Received[1].lParam, reinterpret_cast<LPARAM>(&nUserData));
}

TEST_F(GridTest, AClickOpensTheEditorAndStructuralChangesCloseIt)
{
    CZNPropertyGridCategory* A = Category(m_pRoot, L"A");
    IZNPropertyGridProperty* a1 = Text(A);
    IZNPropertyGridProperty* a2 = Text(A);
    CString strFirst = L"first";
    CString strSecond = L"second";
    ASSERT_TRUE(m_grid.SetPropertyValue(A, a1, 0, &strFirst));
    ASSERT_TRUE(m_grid.SetPropertyValue(A, a2, 0, &strSecond));
    pgtest::PumpMessages();

    ASSERT_TRUE(pgtest::Click(m_grid, CellCenter(1, 1)));
    EXPECT_EQ(m_grid.m_pActiveProperty, a1);
    EXPECT_EQ(m_grid.GetCurSel(), 1);
    // A column that does not exist closes nothing.
    EXPECT_FALSE(m_grid.RemoveColumn(3));
    EXPECT_FALSE(m_grid.RemoveColumn(0));
    EXPECT_EQ(m_grid.m_pActiveProperty, a1);

    // A click on a cell without a value opens nothing and moves on to the next cell with one.
    ASSERT_TRUE(pgtest::Click(m_grid, CellCenter(1, 2)));
    EXPECT_EQ(m_grid.m_pActiveProperty, nullptr);
    EXPECT_EQ(m_grid.GetCurSel(), 2);
    EXPECT_EQ(m_grid.m_nCurrentColumn, 1);
    ASSERT_TRUE(pgtest::Click(m_grid, CellCenter(1, 0)));
    EXPECT_EQ(m_grid.m_pActiveProperty, nullptr);
    EXPECT_EQ(m_grid.GetCurSel(), 1);
    EXPECT_EQ(m_grid.m_nCurrentColumn, 1);

    ASSERT_TRUE(pgtest::Click(m_grid, CellCenter(2, 1)));
    EXPECT_EQ(m_grid.m_pActiveProperty, a2);
    EXPECT_TRUE(m_grid.RemoveProperty(A, a2));
    EXPECT_EQ(m_grid.m_pActiveProperty, nullptr);
    EXPECT_EQ(::GetFocus(), m_grid.m_hWnd);
}

TEST_F(GridTest, ClicksOnTheGlyphAndDoubleClicksToggleCategories)
{
    CZNPropertyGridCategory* A = Category(m_pRoot, L"A");
    IZNPropertyGridProperty* a1 = Text(A);
    CZNPropertyGridCategory* B = Category(m_pRoot, L"B");
    Text(B);
    pgtest::PumpMessages();
    ::UpdateWindow(m_grid);
    ASSERT_EQ(Rows().size(), 4u);

    POINT ptGlyph = CRect(A->m_rcGlyph).CenterPoint();
    ASSERT_TRUE(pgtest::Click(m_grid, ptGlyph));
    EXPECT_EQ(Rows(), (RowList{A, B, B->m_Properties[0]}));
    // A click on the category's name does nothing but select it.
    ASSERT_TRUE(pgtest::Click(m_grid, CellCenter(0, 0)));
    EXPECT_FALSE(A->IsExpanded());
    ASSERT_TRUE(pgtest::DoubleClick(m_grid, CellCenter(0, 1)));
    EXPECT_EQ(Rows(), (RowList{A, a1, B, B->m_Properties[0]}));
    // A double click on a property row toggles nothing.
    ASSERT_TRUE(pgtest::DoubleClick(m_grid, CellCenter(1, 0)));
    EXPECT_EQ(Rows().size(), 4u);
}

// Rows inserted while the host's loop does not run are batched; whatever reads the list
// meanwhile, and the first paint, see the rows as they are.
TEST_F(GridTest, AdditionsOnAShownGridAreShownOnceTheLoopRuns)
{
    CZNPropertyGridCategory* A = Category(m_pRoot, L"A");
    for (int i = 0; i < 40; ++i)
        Text(A, unsigned(i));
    EXPECT_EQ(m_grid.GetCount(), 41);
    CRect rcCell;
    EXPECT_TRUE(m_grid.ColumnRect(3, 1, &rcCell));
    EXPECT_EQ(rcCell.top, 3 * kRowHeight);

    pgtest::PumpMessages();
    SCROLLINFO info = {};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE;
    ASSERT_TRUE(::GetScrollInfo(m_grid, SB_VERT, &info));
    EXPECT_EQ(info.nMax, 40);
    EXPECT_GT(info.nPage, 0u);
}

// Expanding and collapsing change many rows in one batch; the list box must end as row-by-row
// changes leave it: the same selection and the same top row.
TEST_F(GridTest, BatchedToggleKeepsTheSelectionAndTopRowOfSingleSteps)
{
    CZNPropertyGridCategory* A = Category(m_pRoot, L"A");
    for (int i = 0; i < 30; ++i)
        Text(A, unsigned(i));
    CZNPropertyGridCategory* B = Category(m_pRoot, L"B");
    for (int i = 0; i < 60; ++i)
        Text(B, unsigned(i));
    pgtest::PumpMessages();
    CRect rcClient;
    m_grid.GetClientRect(&rcClient);

    // The same list in a plain list box of the same height, changed one row at a time while
    // shown.
    CReferenceList reference;
    DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_OWNERDRAWVARIABLE | LBS_NOTIFY |
                    LBS_NOINTEGRALHEIGHT;
    ASSERT_TRUE(
        reference.Create(dwStyle, CRect(0, 0, rcClient.Width(), rcClient.Height()), &m_host, 77));
    auto setUp = [&](int nTop, int nSelection) {
        reference.ResetContent();
        for (int i = 0; i < m_grid.GetCount(); ++i)
            reference.InsertString(i, nullptr);
        for (CListBox* pList :
             {static_cast<CListBox*>(&m_grid), static_cast<CListBox*>(&reference)}) {
            pList->SetCurSel(nSelection);
            pList->SetTopIndex(nTop);
        }
        pgtest::PumpMessages();
        ASSERT_EQ(m_grid.GetTopIndex(), reference.GetTopIndex());
    };
    struct Case
    {
        int nTop;
        int nSelection;
    };
    for (Case c : {Case{0, 5}, Case{20, 40}, Case{50, 80}, Case{10, 20}}) {
        SCOPED_TRACE(testing::Message() << "top " << c.nTop << ", selection " << c.nSelection);
        setUp(c.nTop, c.nSelection);
        ASSERT_TRUE(m_grid.ToggleExpand(A));
        for (int i = 30; i >= 1; --i)
            reference.DeleteString(UINT(i));
        pgtest::PumpMessages();
        EXPECT_EQ(m_grid.GetCurSel(), reference.GetCurSel());
        EXPECT_EQ(m_grid.GetTopIndex(), reference.GetTopIndex());

        ASSERT_TRUE(m_grid.ToggleExpand(A));
        for (int i = 1; i <= 30; ++i)
            reference.InsertString(i, nullptr);
        pgtest::PumpMessages();
        EXPECT_EQ(m_grid.GetCurSel(), reference.GetCurSel());
        EXPECT_EQ(m_grid.GetTopIndex(), reference.GetTopIndex());
    }
    reference.DestroyWindow();
}

TEST_F(GridTest, InitializedStateEndsWithTheWindow)
{
    EXPECT_NE(m_grid.TestFlag(PGF_INITIALIZED), 0u);
    CZNPropertyGridCategory* A = Category(m_pRoot, L"A");
    Text(A);
    m_host.DestroyWindow();
    EXPECT_EQ(m_grid.TestFlag(PGF_INITIALIZED), 0u);
    EXPECT_EQ(m_grid.m_pRootCategory, nullptr);
    EXPECT_TRUE(m_grid.Uninitialize());
}

} // namespace
