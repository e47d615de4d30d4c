// Editing text cells in place, with real clicks and keys, as a user of a host dialog does.
#include "GridFixture.h"
#include "WindowCapture.h"

namespace {

constexpr wchar_t kEditorProperty[] = L"PropertyGridPropertyText";
constexpr int kEditControl = 10000;

class TextEdit : public pgtest::EditTest
{
protected:
    // The rectangle the grid hands a property to edit in: the cell without its grid lines.
    CRect EditRect(IZNPropertyGridProperty* pProperty, int nColumn)
    {
        CRect rc = CellRect(pProperty, nColumn);
        return CRect(rc.left, rc.top, rc.right - 1, rc.bottom - 1);
    }
    static HWND Editor(const CZNPropertyGrid& grid)
    {
        return ::FindWindowExW(grid.m_hWnd, nullptr, L"#32770", nullptr);
    }
    bool EditorShown() const { return ::IsWindowVisible(Editor(m_Grid)) != FALSE; }
    CRect EditorRect() const
    {
        CRect rc;
        ::GetWindowRect(Editor(m_Grid), &rc);
        m_Grid.ScreenToClient(&rc);
        return rc;
    }
};

// Enter stores a changed text before the host hears of it; an unchanged text is no news, a
// change of letter case is.
TEST_F(TextEdit, EnterStoresAChangedTextThenTellsTheHostOnce)
{
    CString strFirst = L"alpha", strSecond = L"beta";
    int nUserData = 0;
    IZNPropertyGridProperty* pProperty = Add(PGT_TEXT, 7, &strFirst, &strSecond);
    m_Grid.SetPropertyUserData(m_pCategory, pProperty, 1, &nUserData);
    m_Host.m_Snapshot = [&] { return strSecond; };

    ASSERT_TRUE(Edit(pProperty, 2, L"betaX"));
    EXPECT_STREQ(strSecond, L"betaX");
    EXPECT_STREQ(strFirst, L"alpha");
    ASSERT_EQ(m_Host.m_Changes.size(), 1u);
    EXPECT_EQ(m_Host.m_Changes[0].wParam, WPARAM(MAKELONG(1, 7)));
    EXPECT_EQ(m_Host.m_Changes[0].lParam, reinterpret_cast<LPARAM>(&nUserData));
    EXPECT_STREQ(m_Host.m_Changes[0].strValue, L"betaX");
    EXPECT_FALSE(EditorShown());
    EXPECT_EQ(::GetFocus(), m_Grid.m_hWnd);

    ASSERT_TRUE(Commit(pProperty, 2));
    ASSERT_TRUE(Edit(pProperty, 2, L"betaX"));
    EXPECT_EQ(m_Host.m_Changes.size(), 1u);
    ASSERT_TRUE(Edit(pProperty, 2, L"betax"));
    EXPECT_STREQ(strSecond, L"betax");
    EXPECT_EQ(m_Host.m_Changes.size(), 2u);
}

TEST_F(TextEdit, EscapeKeepsTheStoredTextAndTheNextEditShowsIt)
{
    CString strText = L"alpha";
    IZNPropertyGridProperty* pProperty = Add(PGT_TEXT, 3, &strText);
    ASSERT_TRUE(Edit(pProperty, 1, L"XYZ", VK_ESCAPE));
    EXPECT_STREQ(strText, L"alpha");
    EXPECT_TRUE(m_Host.m_Changes.empty());
    EXPECT_FALSE(EditorShown());
    EXPECT_EQ(::GetFocus(), m_Grid.m_hWnd);

    ASSERT_TRUE(ClickCell(pProperty, 1));
    EXPECT_STREQ(EditText(), L"alpha");
}

TEST_F(TextEdit, ClickingAnotherCellCommitsAndMovesTheEditorThere)
{
    CString strFirst = L"one", strOther = L"two";
    IZNPropertyGridProperty* pFirst = Add(PGT_TEXT, 7, &strFirst);
    IZNPropertyGridProperty* pOther = Add(PGT_TEXT, 8, &strOther);
    ASSERT_TRUE(Edit(pFirst, 1, L"oneX", 0));
    ASSERT_TRUE(ClickCell(pOther, 1));

    EXPECT_STREQ(strFirst, L"oneX");
    ASSERT_EQ(m_Host.m_Changes.size(), 1u);
    EXPECT_EQ(m_Host.m_Changes[0].wParam, WPARAM(MAKELONG(0, 7)));
    EXPECT_TRUE(EditorShown());
    EXPECT_EQ(EditorRect(), EditRect(pOther, 1));
    EXPECT_STREQ(EditText(), L"two");
}

// The edit control hides its left edge one pixel outside the editor and starts two pixels
// down; the caret waits after the text. A check box stays visible left of the editor.
TEST_F(TextEdit, EditorCoversTheCellRightOfItsCheckBox)
{
    CString strText = L"alpha";
    IZNPropertyGridProperty* pProperty = Add(PGT_TEXT, 3, &strText);
    CRect rcCell = EditRect(pProperty, 1);
    ASSERT_TRUE(ClickCell(pProperty, 1));
    EXPECT_EQ(EditorRect(), rcCell);
    HWND hEdit = ::GetDlgItem(Editor(m_Grid), kEditControl);
    CRect rcEdit;
    ::GetWindowRect(hEdit, &rcEdit);
    CWnd::FromHandle(Editor(m_Grid))->ScreenToClient(&rcEdit);
    EXPECT_EQ(rcEdit, CRect(-1, 2, rcCell.Width() - 2, rcCell.Height()));
    EXPECT_EQ(::GetFocus(), hEdit);
    EXPECT_EQ(::SendMessageW(hEdit, EM_GETSEL, 0, 0), MAKELONG(5, 5));
    EXPECT_STREQ(EditorClass(), "CZNPropertyGridPropertyTextValueDlg");
    EXPECT_STREQ(CWnd::FromHandlePermanent(hEdit)->GetRuntimeClass()->m_lpszClassName,
                 "CZNPropertyGridPropertyTextEdit");

    ASSERT_TRUE(pgtest::PressKey(VK_ESCAPE));
    m_Grid.SetPropertyCheckBoxState(m_pCategory, pProperty, 0, PGCB_UNCHECKED);
    ASSERT_TRUE(pgtest::Click(m_Grid.m_hWnd, {rcCell.right - 10, rcCell.top + 5}));
    // The box's side is the cell's height less 4, and 4 pixels part it from the editor.
    EXPECT_EQ(EditorRect(),
              CRect(rcCell.left + rcCell.Height(), rcCell.top, rcCell.right, rcCell.bottom));
}

TEST_F(TextEdit, DisabledCellsOpenNoEditor)
{
    CString strText = L"alpha";
    IZNPropertyGridProperty* pProperty = Add(PGT_TEXT, 3, &strText);
    m_Grid.EnableProperty(m_pCategory, pProperty, 0, false);
    ASSERT_TRUE(ClickCell(pProperty, 1));
    EXPECT_FALSE(EditorShown());
    EXPECT_STREQ(ValueText(pProperty, 0), L"alpha");
}

// One editor per grid, hung on the grid window: it outlives the first of two Text properties
// and goes with the second.
TEST_F(TextEdit, EachGridSharesOneEditorAmongItsTextProperties)
{
    pgtest::CHostDialog otherHost;
    CZNPropertyGrid other;
    ASSERT_TRUE(otherHost.Create(pgtest::kGridListBoxStyle, {200, 100}) &&
                other.SubclassDlgItem(pgtest::CHostDialog::kListBoxId, &otherHost) &&
                other.Initialize(0) && other.AddColumn(100, L"First") == 1);
    otherHost.SetWindowPos(nullptr, 500, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    CString strFirst = L"one", strOther = L"two";
    CZNPropertyGridCategory* pOtherRoot = other.AddCategory(nullptr, L"Root", L"");
    other.AddProperty(pOtherRoot, L"Name", L"", 7, PGT_TEXT, L"");
    IZNPropertyGridProperty* pFirst = Add(PGT_TEXT, 7, &strFirst);
    IZNPropertyGridProperty* pOther = Add(PGT_TEXT, 8, &strOther);
    HWND hEditor = Editor(m_Grid);
    EXPECT_EQ(::FindWindowExW(m_Grid.m_hWnd, hEditor, L"#32770", nullptr), nullptr);
    EXPECT_NE(Editor(other), nullptr);
    EXPECT_NE(Editor(other), hEditor);
    EXPECT_NE(::GetPropW(other.m_hWnd, kEditorProperty),
              ::GetPropW(m_Grid.m_hWnd, kEditorProperty));

    ASSERT_TRUE(m_Grid.RemoveProperty(m_pCategory, pFirst));
    EXPECT_NE(::GetPropW(m_Grid.m_hWnd, kEditorProperty), nullptr);
    ASSERT_TRUE(Edit(pOther, 1, L"twoX"));
    EXPECT_STREQ(strOther, L"twoX");

    // Properties added to one grid and the other in turn each go to their own grid's editor.
    HWND hOtherEditor = Editor(other);
    other.AddProperty(pOtherRoot, L"Name", L"", 9, PGT_TEXT, L"");
    IZNPropertyGridProperty* pThird = Add(PGT_TEXT, 9, nullptr);
    EXPECT_EQ(::FindWindowExW(other.m_hWnd, hOtherEditor, L"#32770", nullptr), nullptr);
    EXPECT_EQ(::FindWindowExW(m_Grid.m_hWnd, hEditor, L"#32770", nullptr), nullptr);
    ASSERT_TRUE(m_Grid.RemoveProperty(m_pCategory, pThird));
    ASSERT_TRUE(m_Grid.RemoveProperty(m_pCategory, pOther));
    EXPECT_EQ(::GetPropW(m_Grid.m_hWnd, kEditorProperty), nullptr);
    EXPECT_FALSE(::IsWindow(hEditor));
    EXPECT_TRUE(::IsWindow(Editor(other)));

    // A property after the last brings a new editor, hung on the grid again.
    CString strAgain = L"again";
    IZNPropertyGridProperty* pAgain = Add(PGT_TEXT, 9, &strAgain);
    EXPECT_NE(::GetPropW(m_Grid.m_hWnd, kEditorProperty), nullptr);
    ASSERT_TRUE(Edit(pAgain, 1, L"againX"));
    EXPECT_STREQ(strAgain, L"againX");
    EXPECT_EQ(Editor(other), hOtherEditor);
    otherHost.DestroyWindow();
}

// Cut and copy want a selection; cut and paste an editable field; all want the editor shown.
TEST_F(TextEdit, ClipboardCommandsActOnTheOpenEditor)
{
    CString strText = L"alpha";
    IZNPropertyGridProperty* pProperty = Add(PGT_TEXT, 3, &strText);
    pgtest::CRecordingCmdUI copy, cut, paste;
    ASSERT_TRUE(ClickCell(pProperty, 1));
    pProperty->OnUpdateCopy(&copy);
    pProperty->OnUpdatePaste(&paste);
    EXPECT_EQ(copy.m_nEnabled, FALSE);
    EXPECT_EQ(paste.m_nEnabled, TRUE);

    ASSERT_TRUE(pgtest::PressKeyWith(VK_SHIFT, VK_HOME));
    pProperty->OnUpdateCut(&cut);
    EXPECT_EQ(cut.m_nEnabled, TRUE);
    pProperty->OnCut();
    EXPECT_STREQ(EditText(), L"");

    // A read-only field can be copied from, and that is all.
    ASSERT_TRUE(pgtest::TypeText(L"beta") && pgtest::PressKeyWith(VK_SHIFT, VK_HOME));
    ::SendMessageW(::GetFocus(), EM_SETREADONLY, TRUE, 0);
    pProperty->OnUpdateCut(&cut);
    pProperty->OnUpdateCopy(&copy);
    pProperty->OnUpdatePaste(&paste);
    EXPECT_EQ(cut.m_nEnabled, FALSE);
    EXPECT_EQ(copy.m_nEnabled, TRUE);
    EXPECT_EQ(paste.m_nEnabled, FALSE);
    ::SendMessageW(::GetFocus(), EM_SETREADONLY, FALSE, 0);

    ASSERT_TRUE(pgtest::PressKey(VK_ESCAPE));
    pProperty->OnUpdatePaste(&paste);
    EXPECT_EQ(paste.m_nEnabled, FALSE);
}

// Leftmost pixel of the cell, at or right of x, that differs from the window colour.
int FirstInkFrom(const pgtest::Pixels& pixels, int x, const CRect& rcCell)
{
    for (; x < rcCell.right; ++x)
        for (int y = rcCell.top; y < rcCell.bottom; ++y)
            if (pixels.At(x, y) != ::GetSysColor(COLOR_WINDOW))
                return x;
    return -1;
}

// A check box pushes the text right by its side and gap; the cell shows what the host's
// variable holds at each paint.
TEST_F(TextEdit, TextIsPaintedFromTheHostVariableAfterTheCheckBox)
{
    CString strText = L"MMM", strBoxed = L"MMM";
    CRect rcPlain = EditRect(Add(PGT_TEXT, 3, &strText), 1);
    IZNPropertyGridProperty* pBoxed = Add(PGT_TEXT, 4, &strBoxed);
    m_Grid.SetPropertyCheckBoxState(m_pCategory, pBoxed, 0, PGCB_UNCHECKED);
    CRect rcBoxed = EditRect(pBoxed, 1);
    m_Grid.Invalidate(FALSE);
    pgtest::Pixels pixels = pgtest::CaptureClient(m_Grid.m_hWnd);
    ASSERT_FALSE(pixels.IsEmpty());

    int nPlain = FirstInkFrom(pixels, rcPlain.left, rcPlain);
    int nBoxRight = CheckBox(m_Grid.ComputeListIndex(pBoxed), 1).right;
    ASSERT_GT(nPlain, rcPlain.left);
    EXPECT_EQ(FirstInkFrom(pixels, nBoxRight, rcBoxed) - nPlain, rcBoxed.Height());

    strText.Empty();
    m_Grid.Invalidate(FALSE);
    EXPECT_EQ(FirstInkFrom(pgtest::CaptureClient(m_Grid.m_hWnd), rcPlain.left, rcPlain), -1);
}

} // namespace
