// The grid as a host builds it: the tree and its rows, wrong arguments, the editor's state and
// the notifications on their way to the host.
#include "GridFixture.h"

namespace {

using pgtest::kRowHeight;

using GridTest = pgtest::GridFixture;

using RowList = std::vector<void*>;

TEST_F(GridTest, RowsFollowTheTreeWhateverTheOrderOfAdding)
{
    // Added out of their row order: the root's property first, and a2 after B's rows exist.
    IZNPropertyGridProperty* r1 = AddText(m_pRoot);
    CZNPropertyGridCategory* A = Category(m_pRoot, L"A");
    IZNPropertyGridProperty* a1 = AddText(A);
    CZNPropertyGridCategory* B = Category(m_pRoot, L"B");
    IZNPropertyGridProperty* a2 = AddText(A);
    IZNPropertyGridProperty* b1 = AddText(B);
    IZNPropertyGridProperty* a3 = AddText(A);
    EXPECT_EQ(Rows(), (RowList{A, a1, a2, a3, B, b1, r1}));
    EXPECT_EQ(m_Grid.ComputeListIndex(b1), 5);
    EXPECT_EQ(m_Grid.ComputeListIndex(B), 4);
}

TEST_F(GridTest, RowsFollowNestedExpandAndCollapse)
{
    CZNPropertyGridCategory* A = Category(m_pRoot, L"A");
    CZNPropertyGridCategory* S = Category(A, L"S");
    IZNPropertyGridProperty* s1 = AddText(S);
    IZNPropertyGridProperty* a1 = AddText(A);
    CZNPropertyGridCategory* B = Category(m_pRoot, L"B");
    IZNPropertyGridProperty* b1 = AddText(B);
    ASSERT_EQ(Rows(), (RowList{A, S, s1, a1, B, b1}));

    ASSERT_TRUE(m_Grid.ToggleExpand(S));
    ASSERT_TRUE(m_Grid.ToggleExpand(A));
    EXPECT_EQ(Rows(), (RowList{A, B, b1}));
    EXPECT_EQ(m_Grid.ComputeListIndex(s1), -1);
    EXPECT_EQ(m_Grid.ComputeListIndex(a1), -1);
    // Collapsed rows are gone, their objects are not.
    EXPECT_EQ(m_Grid.GetPropertyFromIndex(A, 0), a1);
    EXPECT_STREQ(a1->GetName(), L"Name");

    // S stays collapsed inside A; a property added to it meanwhile shows with it later.
    IZNPropertyGridProperty* s2 = AddText(S);
    ASSERT_TRUE(m_Grid.ToggleExpand(A));
    EXPECT_EQ(Rows(), (RowList{A, S, a1, B, b1}));
    ASSERT_TRUE(m_Grid.ToggleExpand(S));
    EXPECT_EQ(Rows(), (RowList{A, S, s1, s2, a1, B, b1}));

    // Neither the root nor a category under a collapsed one has a row to toggle.
    EXPECT_FALSE(m_Grid.ToggleExpand(m_pRoot));
    ASSERT_TRUE(m_Grid.ToggleExpand(A));
    DWORD dwFlags = S->m_dwFlags;
    EXPECT_FALSE(m_Grid.ToggleExpand(S));
    EXPECT_EQ(S->m_dwFlags, dwFlags);
    EXPECT_EQ(Rows(), (RowList{A, B, b1}));

    // An empty category only changes its flag.
    CZNPropertyGridCategory* E = Category(m_pRoot, L"E");
    ASSERT_TRUE(m_Grid.ToggleExpand(E));
    EXPECT_FALSE(E->IsExpanded());
    EXPECT_EQ(Rows(), (RowList{A, B, b1, E}));
}

TEST_F(GridTest, RemovingTakesExactlyTheRowsOfWhatGoes)
{
    CZNPropertyGridCategory* A = Category(m_pRoot, L"A");
    CZNPropertyGridCategory* S = Category(A, L"S");
    AddText(S);
    IZNPropertyGridProperty* a1 = AddText(A);
    IZNPropertyGridProperty* a2 = AddText(A);
    CZNPropertyGridCategory* B = Category(m_pRoot, L"B");
    IZNPropertyGridProperty* r1 = AddText(m_pRoot);

    EXPECT_TRUE(m_Grid.RemoveProperty(A, a1));
    EXPECT_TRUE(m_Grid.RemoveCategory(A, S));
    EXPECT_EQ(Rows(), (RowList{A, a2, B, r1}));
    EXPECT_TRUE(m_Grid.RemoveCategory(m_pRoot, A));
    EXPECT_EQ(Rows(), (RowList{B, r1}));

    // The whole tree goes with the root, the rows of the root's own properties included.
    EXPECT_TRUE(m_Grid.RemoveCategory(nullptr, m_pRoot));
    EXPECT_EQ(m_Grid.m_pRootCategory, nullptr);
    EXPECT_EQ(m_Grid.GetCount(), 0);
    EXPECT_NE(m_Grid.AddCategory(nullptr, L"Again", L""), nullptr);
}

TEST_F(GridTest, WrongArgumentsAnswerFailureAndChangeNothing)
{
    CZNPropertyGridCategory* A = Category(m_pRoot, L"A");
    IZNPropertyGridProperty* a1 = AddText(A);
    CZNPropertyGridCategory* B = Category(m_pRoot, L"B");
    IZNPropertyGridProperty* b1 = AddText(B);
    const RowList before = {A, a1, B, b1};
    ASSERT_EQ(Rows(), before);

    EXPECT_EQ(m_Grid.AddCategory(nullptr, L"Second root", L""), nullptr);
    EXPECT_EQ(m_Grid.m_pRootCategory, m_pRoot);
    EXPECT_EQ(m_Grid.AddProperty(nullptr, L"P", L"", 1, PGT_TEXT, L""), nullptr);
    // Objects that are not where the caller says they are: no row may go.
    EXPECT_FALSE(m_Grid.RemoveProperty(A, b1));
    EXPECT_FALSE(m_Grid.RemoveCategory(A, B));
    EXPECT_FALSE(m_Grid.RemoveCategory(nullptr, A));
    EXPECT_EQ(Rows(), before);
    EXPECT_TRUE(B->IsExpanded());

    CString strText = L"unchanged";
    EXPECT_FALSE(m_Grid.GetPropertyValueAsString(A, a1, 0, strText)); // never set
    EXPECT_FALSE(m_Grid.SetPropertyCheckBoxState(nullptr, a1, 0, PGCB_CHECKED));
    m_Grid.EnableProperty(nullptr, a1, 0, false);
    EXPECT_NE(a1->TestFlag(0, PGP_ENABLED), 0u);
    EXPECT_EQ(m_Grid.GetPropertyFromIndex(A, 1), nullptr);
    EXPECT_EQ(m_Grid.GetPropertyCount(nullptr), 0u);
    EXPECT_FALSE(m_Grid.GetCategoryValue(nullptr, 0, strText));
    EXPECT_EQ(strText, L"unchanged");

    // The same calls with the right arguments.
    m_Grid.EnableProperty(A, a1, 1, false);
    EXPECT_EQ(a1->TestFlag(1, PGP_ENABLED), 0u);
    EXPECT_NE(a1->TestFlag(0, PGP_ENABLED), 0u);
    EXPECT_TRUE(m_Grid.SetCategoryValue(A, 1, L"Object B"));
    EXPECT_TRUE(m_Grid.GetCategoryValue(A, 1, strText));
    EXPECT_EQ(strText, L"Object B");
}

// An editor reports the grid column; the host hears the value index and the editor gets the
// host's answer. A message window the host names hears in its place.
TEST_F(GridTest, NotificationsReachTheHostWithTheValueIndex)
{
    EXPECT_EQ(m_Grid.SendMessage(PGM_PROPERTYCHANGE, MAKELONG(2, 7), 1234), m_Host.kChangeAnswer);
    ASSERT_EQ(m_Host.m_Changes.size(), 1u);
    EXPECT_EQ(m_Host.m_Changes[0].wParam, WPARAM(MAKELONG(1, 7)));
    EXPECT_EQ(m_Host.m_Changes[0].lParam, 1234);

    pgtest::CRecording<CWnd> window;
    ASSERT_TRUE(window.CreateEx(0, nullptr, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr));
    m_Grid.SetMessageWindow(&window);
    m_Grid.SendMessage(PGM_PROPERTYCHANGE, MAKELONG(1, 7), 0);
    m_Grid.SendMessage(PGM_PROPERTYCHECK, MAKELONG(0, 7), 0);
    EXPECT_EQ(window.m_Changes.size(), 1u);
    EXPECT_EQ(window.m_Checks.size(), 1u);
    EXPECT_EQ(m_Host.m_Changes.size() + m_Host.m_Checks.size(), 1u);
    m_Grid.SetMessageWindow(nullptr);
}

TEST_F(GridTest, AClickOpensTheEditorAndStructuralChangesCloseIt)
{
    CZNPropertyGridCategory* A = Category(m_pRoot, L"A");
    IZNPropertyGridProperty* a1 = AddText(A);
    IZNPropertyGridProperty* a2 = AddText(A);
    CString strFirst = L"first";
    CString strSecond = L"second";
    ASSERT_TRUE(m_Grid.SetPropertyValue(A, a1, 0, &strFirst));
    ASSERT_TRUE(m_Grid.SetPropertyValue(A, a2, 0, &strSecond));
    pgtest::PumpMessages();

    ASSERT_TRUE(pgtest::Click(m_Grid, CellRect(1, 1).CenterPoint()));
    EXPECT_EQ(m_Grid.m_pActiveProperty, a1);
    EXPECT_EQ(m_Grid.GetCurSel(), 1);
    // A column that does not exist closes nothing.
    EXPECT_FALSE(m_Grid.RemoveColumn(3));
    EXPECT_FALSE(m_Grid.RemoveColumn(0));
    EXPECT_EQ(m_Grid.m_pActiveProperty, a1);

    // A click on a cell without a value opens nothing and moves on to the next cell with one.
    ASSERT_TRUE(pgtest::Click(m_Grid, CellRect(1, 2).CenterPoint()));
    EXPECT_EQ(m_Grid.m_pActiveProperty, nullptr);
    EXPECT_EQ(m_Grid.GetCurSel(), 2);
    EXPECT_EQ(m_Grid.m_nCurrentColumn, 1);
    ASSERT_TRUE(pgtest::Click(m_Grid, CellRect(1, 0).CenterPoint()));
    EXPECT_EQ(m_Grid.m_pActiveProperty, nullptr);
    EXPECT_EQ(m_Grid.GetCurSel(), 1);
    EXPECT_EQ(m_Grid.m_nCurrentColumn, 1);

    ASSERT_TRUE(pgtest::Click(m_Grid, CellRect(2, 1).CenterPoint()));
    EXPECT_EQ(m_Grid.m_pActiveProperty, a2);
    EXPECT_TRUE(m_Grid.RemoveProperty(A, a2));
    EXPECT_EQ(m_Grid.m_pActiveProperty, nullptr);
    EXPECT_EQ(::GetFocus(), m_Grid.m_hWnd);
}

// A double click anywhere on a category's row toggles it; a click on its name only selects it,
// a double click on a property row toggles nothing.
TEST_F(GridTest, DoubleClicksOnACategoryRowToggleIt)
{
    CZNPropertyGridCategory* A = Category(m_pRoot, L"A");
    IZNPropertyGridProperty* a1 = AddText(A);
    CZNPropertyGridCategory* B = Category(m_pRoot, L"B");
    IZNPropertyGridProperty* b1 = AddText(B);
    pgtest::PumpMessages();

    ASSERT_TRUE(pgtest::Click(m_Grid, CellRect(0, 0).CenterPoint()));
    EXPECT_TRUE(A->IsExpanded());
    ASSERT_TRUE(pgtest::DoubleClick(m_Grid, CellRect(1, 0).CenterPoint()));
    EXPECT_EQ(Rows(), (RowList{A, a1, B, b1}));
    ASSERT_TRUE(pgtest::DoubleClick(m_Grid, CellRect(0, 1).CenterPoint()));
    EXPECT_EQ(Rows(), (RowList{A, B, b1}));
}

// Rows inserted while the host's loop does not run are batched; whatever reads the list
// meanwhile, and the first paint, see the rows as they are.
TEST_F(GridTest, AdditionsOnAShownGridAreShownOnceTheLoopRuns)
{
    CZNPropertyGridCategory* A = Category(m_pRoot, L"A");
    for (int i = 0; i < 40; ++i)
        AddText(A, unsigned(i));
    EXPECT_EQ(m_Grid.GetCount(), 41);
    EXPECT_EQ(CellRect(3, 1).top, 3 * kRowHeight);

    pgtest::PumpMessages();
    SCROLLINFO info = {};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE;
    ASSERT_TRUE(::GetScrollInfo(m_Grid, SB_VERT, &info));
    EXPECT_EQ(info.nMax, 40);
    EXPECT_GT(info.nPage, 0u);
}

TEST_F(GridTest, InitializedStateEndsWithTheWindow)
{
    EXPECT_NE(m_Grid.TestFlag(PGF_INITIALIZED), 0u);
    CZNPropertyGridCategory* A = Category(m_pRoot, L"A");
    AddText(A);
    m_Host.DestroyWindow();
    EXPECT_EQ(m_Grid.TestFlag(PGF_INITIALIZED), 0u);
    EXPECT_EQ(m_Grid.m_pRootCategory, nullptr);
    EXPECT_TRUE(m_Grid.Uninitialize());
}

} // namespace
