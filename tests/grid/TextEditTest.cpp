// Editing text cells in place, with real clicks and keys, as a user of a host dialog does.
#include <ZNPropertyGrid.h>
#include <gtest/gtest.h>

#include "../../model/ZNPropertyGridProperty.h"
#include "HostDialog.h"
#include "Input.h"
#include "WindowCapture.h"

#include <vector>

namespace {

constexpr wchar_t kEditorProperty[] = L"PropertyGridPropertyText";
constexpr int kEditControl = 10000;

// The host's message window: records the change notifications, each with the text the host's
// variable holds when it arrives.
class CChangeRecorder : public CWnd
{
public:
    struct Change
    {
        WPARAM wParam;
        LPARAM lParam;
        CString strValue;
    };
    const CString* m_pWatched = nullptr;
    std::vector<Change> m_Changes;

protected:
    afx_msg LRESULT OnPropertyChange(WPARAM wParam, LPARAM lParam)
    {
        m_Changes.push_back({wParam, lParam, m_pWatched != nullptr ? *m_pWatched : CString()});
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CChangeRecorder, CWnd)
    ON_MESSAGE(PGM_PROPERTYCHANGE, &CChangeRecorder::OnPropertyChange)
END_MESSAGE_MAP()

// A host dialog with a grid of two value columns and one category for the properties.
struct GridHost
{
    pgtest::CHostDialog host;
    CZNPropertyGrid grid;
    CZNPropertyGridCategory* pCategory = nullptr;
    int nClicks = 0;

    bool Create(int x)
    {
        if (!host.Create(pgtest::kGridListBoxStyle, {320, 200}) ||
            !grid.SubclassDlgItem(pgtest::CHostDialog::kListBoxId, &host) || !grid.Initialize(0))
            return false;
        host.SetWindowPos(nullptr, x, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        grid.AddColumn(120, L"A");
        grid.AddColumn(120, L"B");
        pCategory = grid.AddCategory(grid.AddCategory(nullptr, L"Root", L""), L"Texts", L"");
        return pCategory != nullptr;
    }

    IZNPropertyGridProperty* AddText(unsigned nID, CString* pFirst, CString* pSecond = nullptr)
    {
        IZNPropertyGridProperty* pProperty =
            grid.AddProperty(pCategory, L"Name", L"", nID, PGT_TEXT, L"");
        grid.SetPropertyValue(pCategory, pProperty, 0, pFirst);
        grid.SetPropertyValue(pCategory, pProperty, 1, pSecond);
        return pProperty;
    }

    // The rectangle the grid hands a property to edit in: the cell without its grid lines.
    CRect EditRect(IZNPropertyGridProperty* pProperty, int nColumn)
    {
        CRect rc;
        grid.ColumnRect(grid.ComputeListIndex(pProperty), nColumn, &rc);
        return CRect(rc.left, rc.top, rc.right - 1, rc.bottom - 1);
    }

    // Clicks alternate between two points apart: two clicks on one cell make no double click.
    bool ClickCell(IZNPropertyGridProperty* pProperty, int nColumn)
    {
        CPoint point = EditRect(pProperty, nColumn).CenterPoint();
        point.x += (nClicks++ % 2) * 2 * ::GetSystemMetrics(SM_CXDOUBLECLK);
        return pgtest::Click(grid.m_hWnd, point);
    }

    HWND Editor() const { return ::FindWindowExW(grid.m_hWnd, nullptr, L"#32770", nullptr); }
    bool EditorShown() const { return ::IsWindowVisible(Editor()) != FALSE; }
    CRect EditorRect() const
    {
        CRect rc;
        ::GetWindowRect(Editor(), &rc);
        grid.ScreenToClient(&rc);
        return rc;
    }
    CString EditText() const
    {
        CString strText;
        CWnd::FromHandle(::GetDlgItem(Editor(), kEditControl))->GetWindowText(strText);
        return strText;
    }
};

class TextEdit : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { InitPropertyGridCtrl(); }

    void SetUp() override
    {
        ASSERT_TRUE(m_Host.Create(40));
        ASSERT_TRUE(m_Recorder.CreateEx(0, nullptr, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr));
        m_Host.grid.SetMessageWindow(&m_Recorder);
    }

    void TearDown() override
    {
        m_Host.host.DestroyWindow();
        m_Recorder.DestroyWindow();
    }

    // Opens the cell, presses the keys, types the text, and ends with endKey unless it is 0.
    void Edit(IZNPropertyGridProperty* pProperty, int nColumn, std::vector<WORD> keys,
              const std::wstring& text, WORD endKey)
    {
        ASSERT_TRUE(m_Host.ClickCell(pProperty, nColumn));
        for (WORD vk : keys)
            ASSERT_TRUE(pgtest::PressKey(vk));
        ASSERT_TRUE(text.empty() || pgtest::TypeText(text));
        ASSERT_TRUE(endKey == 0 || pgtest::PressKey(endKey));
    }

    GridHost m_Host;
    CChangeRecorder m_Recorder;
};

// Enter stores a changed text before the host hears of it; an unchanged text is no news, a
// change of letter case is.
TEST_F(TextEdit, EnterStoresAChangedTextThenTellsTheHostOnce)
{
    CString strFirst = L"alpha", strSecond = L"beta";
    int nUserData = 0;
    IZNPropertyGridProperty* pProperty = m_Host.AddText(7, &strFirst, &strSecond);
    m_Host.grid.SetPropertyUserData(m_Host.pCategory, pProperty, 1, &nUserData);
    m_Recorder.m_pWatched = &strSecond;

    Edit(pProperty, 2, {}, L"X", VK_RETURN);
    EXPECT_STREQ(strSecond, L"betaX");
    EXPECT_STREQ(strFirst, L"alpha");
    ASSERT_EQ(m_Recorder.m_Changes.size(), 1u);
    EXPECT_EQ(m_Recorder.m_Changes[0].wParam, WPARAM(MAKELONG(1, 7)));
    EXPECT_EQ(m_Recorder.m_Changes[0].lParam, reinterpret_cast<LPARAM>(&nUserData));
    EXPECT_STREQ(m_Recorder.m_Changes[0].strValue, L"betaX");
    EXPECT_FALSE(m_Host.EditorShown());
    EXPECT_EQ(::GetFocus(), m_Host.grid.m_hWnd);

    Edit(pProperty, 2, {}, L"", VK_RETURN);
    Edit(pProperty, 2, {VK_BACK}, L"X", VK_RETURN);
    EXPECT_EQ(m_Recorder.m_Changes.size(), 1u);
    Edit(pProperty, 2, {VK_BACK}, L"x", VK_RETURN);
    EXPECT_STREQ(strSecond, L"betax");
    EXPECT_EQ(m_Recorder.m_Changes.size(), 2u);
}

TEST_F(TextEdit, EscapeKeepsTheStoredTextAndTheNextEditShowsIt)
{
    CString strText = L"alpha";
    IZNPropertyGridProperty* pProperty = m_Host.AddText(3, &strText);
    Edit(pProperty, 1, {}, L"XYZ", VK_ESCAPE);
    EXPECT_STREQ(strText, L"alpha");
    EXPECT_TRUE(m_Recorder.m_Changes.empty());
    EXPECT_FALSE(m_Host.EditorShown());
    EXPECT_EQ(::GetFocus(), m_Host.grid.m_hWnd);

    ASSERT_TRUE(m_Host.ClickCell(pProperty, 1));
    EXPECT_STREQ(m_Host.EditText(), L"alpha");
}

TEST_F(TextEdit, ClickingAnotherCellCommitsAndMovesTheEditorThere)
{
    CString strFirst = L"one", strOther = L"two";
    IZNPropertyGridProperty* pFirst = m_Host.AddText(7, &strFirst);
    IZNPropertyGridProperty* pOther = m_Host.AddText(8, &strOther);
    Edit(pFirst, 1, {}, L"X", 0);
    ASSERT_TRUE(m_Host.ClickCell(pOther, 1));

    EXPECT_STREQ(strFirst, L"oneX");
    ASSERT_EQ(m_Recorder.m_Changes.size(), 1u);
    EXPECT_EQ(m_Recorder.m_Changes[0].wParam, WPARAM(MAKELONG(0, 7)));
    EXPECT_TRUE(m_Host.EditorShown());
    EXPECT_EQ(m_Host.EditorRect(), m_Host.EditRect(pOther, 1));
    EXPECT_STREQ(m_Host.EditText(), L"two");
}

// The edit control hides its left edge one pixel outside the editor and starts two pixels
// down; the caret waits after the text. A check box stays visible left of the editor.
TEST_F(TextEdit, EditorCoversTheCellRightOfItsCheckBox)
{
    CString strText = L"alpha";
    IZNPropertyGridProperty* pProperty = m_Host.AddText(3, &strText);
    CRect rcCell = m_Host.EditRect(pProperty, 1);
    ASSERT_TRUE(m_Host.ClickCell(pProperty, 1));
    EXPECT_EQ(m_Host.EditorRect(), rcCell);
    HWND hEdit = ::GetDlgItem(m_Host.Editor(), kEditControl);
    CRect rcEdit;
    ::GetWindowRect(hEdit, &rcEdit);
    CWnd::FromHandle(m_Host.Editor())->ScreenToClient(&rcEdit);
    EXPECT_EQ(rcEdit, CRect(-1, 2, rcCell.Width() - 2, rcCell.Height()));
    EXPECT_EQ(::GetFocus(), hEdit);
    EXPECT_EQ(::SendMessageW(hEdit, EM_GETSEL, 0, 0), MAKELONG(5, 5));
    EXPECT_STREQ(CWnd::FromHandlePermanent(m_Host.Editor())->GetRuntimeClass()->m_lpszClassName,
                 "CZNPropertyGridPropertyTextValueDlg");
    EXPECT_STREQ(CWnd::FromHandlePermanent(hEdit)->GetRuntimeClass()->m_lpszClassName,
                 "CZNPropertyGridPropertyTextEdit");

    ASSERT_TRUE(pgtest::PressKey(VK_ESCAPE));
    m_Host.grid.SetPropertyCheckBoxState(m_Host.pCategory, pProperty, 0, 0x10000000);
    ASSERT_TRUE(pgtest::Click(m_Host.grid.m_hWnd, {rcCell.right - 10, rcCell.top + 5}));
    // The box's side is the cell's height less 4, and 4 pixels part it from the editor.
    EXPECT_EQ(m_Host.EditorRect(),
              CRect(rcCell.left + rcCell.Height(), rcCell.top, rcCell.right, rcCell.bottom));
}

TEST_F(TextEdit, DisabledAndUnsetCellsOpenNoEditor)
{
    CString strText = L"alpha";
    IZNPropertyGridProperty* pProperty = m_Host.AddText(3, &strText);
    m_Host.grid.EnableProperty(m_Host.pCategory, pProperty, 0, false);
    ASSERT_TRUE(m_Host.ClickCell(pProperty, 1));
    EXPECT_FALSE(m_Host.EditorShown());

    CString strOut = L"untouched";
    EXPECT_FALSE(m_Host.grid.GetPropertyValueAsString(m_Host.pCategory, pProperty, 1, strOut));
    EXPECT_STREQ(strOut, L"untouched");
    EXPECT_TRUE(m_Host.grid.GetPropertyValueAsString(m_Host.pCategory, pProperty, 0, strOut));
    EXPECT_STREQ(strOut, L"alpha");
}

// One editor per grid, hung on the grid window: it outlives the first of two Text properties
// and goes with the second.
TEST_F(TextEdit, EachGridSharesOneEditorAmongItsTextProperties)
{
    GridHost other;
    ASSERT_TRUE(other.Create(400));
    CString strFirst = L"one", strOther = L"two";
    IZNPropertyGridProperty* pFirst = m_Host.AddText(7, &strFirst);
    IZNPropertyGridProperty* pOther = m_Host.AddText(8, &strOther);
    other.AddText(7, &strFirst);
    HWND hEditor = m_Host.Editor();
    EXPECT_EQ(::FindWindowExW(m_Host.grid.m_hWnd, hEditor, L"#32770", nullptr), nullptr);
    EXPECT_NE(other.Editor(), nullptr);
    EXPECT_NE(other.Editor(), hEditor);
    EXPECT_NE(::GetPropW(other.grid.m_hWnd, kEditorProperty),
              ::GetPropW(m_Host.grid.m_hWnd, kEditorProperty));

    ASSERT_TRUE(m_Host.grid.RemoveProperty(m_Host.pCategory, pFirst));
    EXPECT_NE(::GetPropW(m_Host.grid.m_hWnd, kEditorProperty), nullptr);
    Edit(pOther, 1, {}, L"X", VK_RETURN);
    EXPECT_STREQ(strOther, L"twoX");

    ASSERT_TRUE(m_Host.grid.RemoveProperty(m_Host.pCategory, pOther));
    EXPECT_EQ(::GetPropW(m_Host.grid.m_hWnd, kEditorProperty), nullptr);
    EXPECT_FALSE(::IsWindow(hEditor));
    EXPECT_TRUE(::IsWindow(other.Editor()));
    other.host.DestroyWindow();
}

class CRecordingCmdUI : public CCmdUI
{
public:
    int m_nEnabled = -1;
    void Enable(BOOL bOn) override { m_nEnabled = bOn; }
};

// Cut and copy want a selection; paste wants only the editor shown.
TEST_F(TextEdit, ClipboardCommandsActOnTheOpenEditor)
{
    CString strText = L"alpha";
    IZNPropertyGridProperty* pProperty = m_Host.AddText(3, &strText);
    CRecordingCmdUI copy, cut, paste;
    ASSERT_TRUE(m_Host.ClickCell(pProperty, 1));
    pProperty->OnUpdateCopy(&copy);
    pProperty->OnUpdatePaste(&paste);
    EXPECT_EQ(copy.m_nEnabled, FALSE);
    EXPECT_EQ(paste.m_nEnabled, TRUE);

    ASSERT_TRUE(pgtest::PressKeyWith(VK_SHIFT, VK_HOME));
    pProperty->OnUpdateCut(&cut);
    EXPECT_EQ(cut.m_nEnabled, TRUE);
    pProperty->OnCut();
    EXPECT_STREQ(m_Host.EditText(), L"");

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
    CRect rcPlain = m_Host.EditRect(m_Host.AddText(3, &strText), 1);
    IZNPropertyGridProperty* pBoxed = m_Host.AddText(4, &strBoxed);
    m_Host.grid.SetPropertyCheckBoxState(m_Host.pCategory, pBoxed, 0, 0x10000000);
    CRect rcBoxed = m_Host.EditRect(pBoxed, 1);
    m_Host.grid.Invalidate(FALSE);
    pgtest::Pixels pixels = pgtest::CaptureClient(m_Host.grid.m_hWnd);
    ASSERT_FALSE(pixels.IsEmpty());

    int nPlain = FirstInkFrom(pixels, rcPlain.left, rcPlain);
    int nBoxRight = rcBoxed.left + 2 + rcBoxed.Height() - 4;
    ASSERT_GT(nPlain, rcPlain.left);
    EXPECT_EQ(FirstInkFrom(pixels, nBoxRight, rcBoxed) - nPlain, rcBoxed.Height());

    strText.Empty();
    m_Host.grid.Invalidate(FALSE);
    EXPECT_EQ(FirstInkFrom(pgtest::CaptureClient(m_Host.grid.m_hWnd), rcPlain.left, rcPlain), -1);
}

} // namespace
