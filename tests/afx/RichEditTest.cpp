// The rich edit control: the library's window classes, Unicode text and its own selection.
#include <afxcmn.h>
#include <gtest/gtest.h>

namespace {

class RichEdit : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_Parent.CreateEx(0, nullptr, L"rich edit", WS_POPUP | WS_VISIBLE, 100, 100,
                                      200, 150, nullptr, nullptr));
    }
    void TearDown() override { m_Parent.DestroyWindow(); }

    CWnd m_Parent;
};

// After AfxInitRichEdit2 both classes of the library exist, so dialog templates can name the
// ANSI one; the control itself is the Unicode one and keeps any character.
TEST_F(RichEdit, CreateMakesTheUnicodeControlOfTheLibrary)
{
    ASSERT_TRUE(AfxInitRichEdit2());
    WNDCLASSW wc = {};
    EXPECT_TRUE(::GetClassInfoW(nullptr, L"RichEdit20A", &wc));
    CRichEditCtrl richEdit;
    ASSERT_TRUE(
        richEdit.Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE, CRect(0, 0, 150, 100), &m_Parent, 7));
    wchar_t szClass[32] = L"";
    ::GetClassNameW(richEdit.m_hWnd, szClass, 32);
    EXPECT_STREQ(szClass, L"RichEdit20W");
    EXPECT_EQ(richEdit.GetDlgCtrlID(), 7);

    EXPECT_EQ(richEdit.SetTextMode(TM_PLAINTEXT), FALSE); // zero: it took the mode
    richEdit.SetWindowText(L"\u03a9 one\r\ntwo");
    CString strText;
    richEdit.GetWindowText(strText);
    EXPECT_STREQ(strText, L"\u03a9 one\r\ntwo");
    EXPECT_NE(richEdit.SetTextMode(TM_RICHTEXT), FALSE); // not with text in it
}

// A paragraph break is one position of the control, and positions past the end mean the end.
TEST_F(RichEdit, SelectionCountsThePositionsOfTheControl)
{
    CRichEditCtrl richEdit;
    ASSERT_TRUE(
        richEdit.Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE, CRect(0, 0, 150, 100), &m_Parent, 7));
    richEdit.SetWindowText(L"ab\r\ncd");
    richEdit.SetSel(1, 4);
    long nStart = -1;
    long nEnd = -1;
    richEdit.GetSel(nStart, nEnd);
    EXPECT_EQ(nStart, 1);
    EXPECT_EQ(nEnd, 4);
    richEdit.SetSel(100, 100);
    richEdit.GetSel(nStart, nEnd);
    EXPECT_EQ(nStart, 5);
    EXPECT_EQ(nEnd, 5);
}

} // namespace
