// Editing a memo in place with real clicks and keys: Enter starts a new line, Ctrl+Enter or a
// click elsewhere commits, Escape cancels; the rich edit follows the property's options, and the
// "..." button shows beside it for properties that want it.
#include "MemoFixture.h"
#include "WindowCapture.h"

#include <richedit.h>

#include <utility>
#include <vector>

namespace {

using pgtest::kRowHeight;
using pgtest::PressKey;
using pgtest::PressKeyWith;
using pgtest::TypeText;

using MemoEdit = pgtest::MemoTest;

TEST_F(MemoEdit, EnterBreaksTheLineAndCtrlEnterCommits)
{
    CString strValue = L"first";
    int nUserData = 0;
    IZNPropertyGridProperty* pMemo = AddMemo(L"Lines=3", &strValue, L"Notes", 9);
    m_Grid.SetPropertyUserData(m_pCategory, pMemo, 0, &nUserData);
    m_Host.m_Snapshot = [&] { return strValue; };

    ASSERT_TRUE(ClickCell(pMemo, 1));
    EXPECT_TRUE(EditorShown());
    EXPECT_EQ(::GetFocus(), RichEdit());
    ASSERT_TRUE(TypeText(L"X") && PressKey(VK_RETURN) && TypeText(L"second"));
    EXPECT_STREQ(TextOf(RichEdit()), L"firstX\r\nsecond");
    EXPECT_TRUE(EditorShown());
    EXPECT_STREQ(strValue, L"first");
    EXPECT_TRUE(m_Host.m_Changes.empty());

    ASSERT_TRUE(PressKeyWith(VK_CONTROL, VK_RETURN));
    EXPECT_STREQ(strValue, L"firstX\r\nsecond");
    ASSERT_EQ(m_Host.m_Changes.size(), 1u);
    EXPECT_EQ(m_Host.m_Changes[0].wParam, WPARAM(MAKELONG(0, 9)));
    EXPECT_EQ(m_Host.m_Changes[0].lParam, reinterpret_cast<LPARAM>(&nUserData));
    EXPECT_STREQ(m_Host.m_Changes[0].strValue, L"firstX\r\nsecond");
    EXPECT_FALSE(EditorShown());
    EXPECT_EQ(::GetFocus(), m_Grid.m_hWnd);

    // The line break survives the way back into the editor: nothing changed, nothing to tell.
    ASSERT_TRUE(ClickCell(pMemo, 1) && PressKeyWith(VK_CONTROL, VK_RETURN));
    EXPECT_EQ(m_Host.m_Changes.size(), 1u);
}

TEST_F(MemoEdit, EscapeLeavesTheValueAndTheNextEditShowsIt)
{
    CString strValue = L"kept";
    IZNPropertyGridProperty* pMemo = AddMemo(L"Lines=2", &strValue);
    ASSERT_TRUE(ClickCell(pMemo, 1));
    ASSERT_TRUE(TypeText(L" lost") && PressKey(VK_RETURN) && PressKey(VK_ESCAPE));
    EXPECT_STREQ(strValue, L"kept");
    EXPECT_TRUE(m_Host.m_Changes.empty());
    EXPECT_FALSE(EditorShown());
    EXPECT_EQ(::GetFocus(), m_Grid.m_hWnd);

    ASSERT_TRUE(ClickCell(pMemo, 1));
    EXPECT_STREQ(TextOf(RichEdit()), L"kept");
    // The caret waits after the text.
    EXPECT_EQ(::SendMessageW(RichEdit(), EM_GETSEL, 0, 0), MAKELONG(4, 4));
}

TEST_F(MemoEdit, ClickingAnotherCellCommits)
{
    CString strValue = L"one";
    IZNPropertyGridProperty* pMemo = AddMemo(L"", &strValue, L"Notes", 4);
    IZNPropertyGridProperty* pText = AddText(m_pCategory, 8);
    ASSERT_TRUE(ClickCell(pMemo, 1) && TypeText(L"two"));
    ASSERT_TRUE(ClickCell(pText, 1));
    EXPECT_STREQ(strValue, L"onetwo");
    ASSERT_EQ(m_Host.m_Changes.size(), 1u);
    EXPECT_EQ(m_Host.m_Changes[0].wParam, WPARAM(MAKELONG(0, 4)));
    EXPECT_FALSE(EditorShown());
}

// One editor serves every memo of the grid; its rich edit is made anew for each edit, with the
// scroll bars and the wrapping of the property being edited, in plain-text mode.
TEST_F(MemoEdit, TheRichEditFollowsTheEditedProperty)
{
    CString strValue = pgtest::OverflowingText();
    std::vector<std::pair<CString, IZNPropertyGridProperty*>> memos;
    for (const pgtest::ScrollCase& test : pgtest::kScrollCases) {
        CString strOptions = CString(L"Lines=3|") + test.pszOptions;
        memos.emplace_back(strOptions, AddMemo(strOptions, &strValue));
    }
    // Back to the first: the control is made anew for every edit.
    memos.push_back(memos.front());
    for (size_t i = 0; i < memos.size(); ++i) {
        SCOPED_TRACE(memos[i].first.GetString());
        ASSERT_TRUE(ClickCell(memos[i].second, 1));
        pgtest::ExpectMemoRichEdit(RichEdit(), pgtest::kScrollCases[i % 4].dwScroll);
        EXPECT_EQ(::GetFocus(), RichEdit());
    }
}

// The button is as wide as a one-line row is high and covers the cell's height less a pixel
// above and below; the rich edit fills the rest from one pixel in, its right edge under the
// button. Without the button it fills the cell.
TEST_F(MemoEdit, TheButtonShowsBesideTheTextWhenTheOptionsAskForIt)
{
    CString strValue = L"text";
    IZNPropertyGridProperty* pExpand = AddMemo(L"Lines=3|Expand=true", &strValue);
    IZNPropertyGridProperty* pPlain = AddMemo(L"Lines=3", &strValue);

    ASSERT_TRUE(ClickCell(pExpand, 1));
    CRect rcClient;
    ::GetClientRect(Editor(), &rcClient);
    EXPECT_TRUE(::IsWindowVisible(ExpandButton()));
    EXPECT_EQ(RectInParent(ExpandButton()), CRect(CPoint(rcClient.right - kRowHeight, 1),
                                                  CSize(kRowHeight - 2, rcClient.bottom - 2)));
    EXPECT_EQ(RectInParent(RichEdit()),
              CRect(CPoint(1, 2), CSize(rcClient.right - kRowHeight, rcClient.bottom - 2)));
    EXPECT_STREQ(TextOf(ExpandButton()), L"...");

    ASSERT_TRUE(ClickCell(pPlain, 1));
    EXPECT_FALSE(::IsWindowVisible(ExpandButton()));
    EXPECT_EQ(RectInParent(RichEdit()),
              CRect(CPoint(1, 2), CSize(rcClient.right - 1, rcClient.bottom - 2)));
}

// However tall the cell, the editor shows the text and the button, and nothing else.
TEST_F(MemoEdit, ATallEditorShowsOnlyItsTextAndTheButton)
{
    CString strValue;
    IZNPropertyGridProperty* pMemo = AddMemo(L"Lines=11|Expand=true", &strValue);
    ASSERT_TRUE(ClickCell(pMemo, 1));
    pgtest::Pixels editor = pgtest::CaptureClient(Editor());
    CRect rcText = RectInParent(RichEdit());
    // Below the first line, where the caret blinks.
    rcText.top += 2 * pgtest::kMemoLineHeight;
    int nOther = 0;
    for (int y = rcText.top; y < rcText.bottom; ++y)
        for (int x = rcText.left; x < rcText.right - 1; ++x)
            nOther += editor.At(x, y) != ::GetSysColor(COLOR_WINDOW);
    EXPECT_EQ(nOther, 0);
}

// The host's Edit commands reach the rich edit: cut and copy want a selection, paste a shown
// editor.
TEST_F(MemoEdit, ClipboardCommandsActOnTheRichEdit)
{
    CString strValue = L"ab";
    IZNPropertyGridProperty* pMemo = AddMemo(L"Lines=2", &strValue);
    pgtest::CRecordingCmdUI copy, cut, paste;
    ASSERT_TRUE(ClickCell(pMemo, 1));
    pMemo->OnUpdateCopy(&copy);
    pMemo->OnUpdateCut(&cut);
    EXPECT_EQ(copy.m_nEnabled, FALSE);
    EXPECT_EQ(cut.m_nEnabled, FALSE);

    ASSERT_TRUE(PressKeyWith(VK_CONTROL, 'A'));
    pMemo->OnUpdateCopy(&copy);
    pMemo->OnUpdateCut(&cut);
    EXPECT_EQ(copy.m_nEnabled, TRUE);
    EXPECT_EQ(cut.m_nEnabled, TRUE);
    pMemo->OnCopy();
    EXPECT_EQ(pgtest::ClipboardText(), L"ab");
    pMemo->OnCut();
    EXPECT_STREQ(TextOf(RichEdit()), L"");

    ASSERT_TRUE(pgtest::SetClipboardText(L"x\r\ny"));
    pMemo->OnUpdatePaste(&paste);
    EXPECT_EQ(paste.m_nEnabled, TRUE);
    pMemo->OnPaste();
    EXPECT_STREQ(TextOf(RichEdit()), L"x\r\ny");

    ASSERT_TRUE(PressKey(VK_ESCAPE));
    pMemo->OnUpdatePaste(&paste);
    EXPECT_EQ(paste.m_nEnabled, FALSE);
}

} // namespace
