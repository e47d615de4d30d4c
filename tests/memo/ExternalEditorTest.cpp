// The external editor, opened by "..." of the in-place editor and driven with real input from
// inside its modal loop: it shows the property's text under the property's name, keeps the
// host's window disabled while it runs, gives the text back however it closes, keeps its text
// 13 pixels inside its client area and remembers where it was.
#include "MemoFixture.h"

#include <utility>
#include <vector>

namespace {

using pgtest::PressKey;
using pgtest::PressKeyWith;
using pgtest::TypeText;

constexpr int kSizeGripId = 100;
constexpr int kTextInset = 13;

// The descendant of hWnd with the control id nID.
HWND Descendant(HWND hWnd, int nID)
{
    std::pair<int, HWND> search = {nID, nullptr};
    ::EnumChildWindows(
        hWnd,
        [](HWND hChild, LPARAM lParam) -> BOOL {
            auto* pSearch = reinterpret_cast<std::pair<int, HWND>*>(lParam);
            if (::GetDlgCtrlID(hChild) != pSearch->first)
                return TRUE;
            pSearch->second = hChild;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.second;
}

CRect WindowRect(HWND hWnd)
{
    CRect rc;
    ::GetWindowRect(hWnd, &rc);
    return rc;
}

// A control's rectangle in the client coordinates of the dialog it is on.
CRect RectInDialog(HWND hWnd, HWND hDialog)
{
    CRect rc = WindowRect(hWnd);
    ::MapWindowPoints(nullptr, hDialog, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

class ExternalEditor : public pgtest::MemoTest
{
protected:
    void SetUp() override
    {
        MemoTest::SetUp();
        m_pMainWindow = std::make_unique<pgtest::MainWindowScope>(&m_Host);
    }
    void TearDown() override
    {
        m_pMainWindow.reset();
        MemoTest::TearDown();
    }

    // The text as the external editor shows it.
    static HWND Text(HWND hDialog) { return Descendant(hDialog, pgtest::kExternalEditId); }

    std::unique_ptr<pgtest::MainWindowScope> m_pMainWindow;
};

// The window is titled with the property's name and owned by the host, which it disables while
// it runs; the text comes back into the in-place editor, which stays open, and into the host's
// string, and the host hears of the change once.
TEST_F(ExternalEditor, EditedTextComesBackIntoTheCellAndTheHost)
{
    CString strValue = L"alpha";
    IZNPropertyGridProperty* pMemo = AddMemo(L"Lines=2|Expand=true", &strValue, L"Script", 6);
    m_Host.m_Snapshot = [&] { return strValue; };
    bool bStepsRan = false;
    ASSERT_TRUE(OpenExternal(pMemo, L"Script", [&](HWND hDialog) {
        bStepsRan = true;
        EXPECT_EQ(::GetWindow(hDialog, GW_OWNER), m_Host.m_hWnd);
        EXPECT_FALSE(::IsWindowEnabled(m_Host.m_hWnd));
        EXPECT_EQ(::GetFocus(), Text(hDialog));
        EXPECT_STREQ(TextOf(Text(hDialog)), L"alpha");
        EXPECT_EQ(::SendMessageW(Text(hDialog), EM_GETSEL, 0, 0), MAKELONG(5, 5));
        ASSERT_TRUE(TypeText(L" beta") && PressKey(VK_RETURN) && TypeText(L"gamma"));
        ASSERT_TRUE(PressKey(VK_ESCAPE));
    }));
    EXPECT_TRUE(bStepsRan);
    EXPECT_TRUE(::IsWindowEnabled(m_Host.m_hWnd));
    EXPECT_STREQ(strValue, L"alpha beta\r\ngamma");
    ASSERT_EQ(m_Host.m_Changes.size(), 1u);
    EXPECT_EQ(m_Host.m_Changes[0].wParam, WPARAM(MAKELONG(0, 6)));
    EXPECT_STREQ(m_Host.m_Changes[0].strValue, L"alpha beta\r\ngamma");
    EXPECT_TRUE(EditorShown());
    EXPECT_EQ(::GetFocus(), RichEdit());
    EXPECT_STREQ(TextOf(RichEdit()), L"alpha beta\r\ngamma");
}

// Escape, Alt+F4 and the dialog manager's OK all keep the edited text; closing it unchanged is
// no news for the host.
TEST_F(ExternalEditor, EveryWayOfClosingKeepsTheText)
{
    const std::vector<std::pair<const char*, std::function<bool(HWND)>>> closings = {
        {"Escape", [](HWND) { return PressKey(VK_ESCAPE); }},
        {"Alt+F4", [](HWND) { return PressKeyWith(VK_MENU, VK_F4); }},
        {"OK",
         [](HWND hDialog) {
             ::SendMessageW(hDialog, WM_COMMAND, IDOK, 0);
             return true;
         }},
    };
    CString strValue = L"a";
    IZNPropertyGridProperty* pMemo = AddMemo(L"Expand=true", &strValue);
    for (const auto& closing : closings) {
        SCOPED_TRACE(closing.first);
        CString strBefore = strValue;
        ASSERT_TRUE(OpenExternal(pMemo, L"Notes", [&](HWND hDialog) {
            ASSERT_TRUE(TypeText(L"b") && closing.second(hDialog));
            pgtest::PumpMessages();
            EXPECT_FALSE(::IsWindowVisible(hDialog));
        }));
        EXPECT_STREQ(strValue, strBefore + L"b");
    }
    EXPECT_EQ(m_Host.m_Changes.size(), 3u);

    ASSERT_TRUE(OpenExternal(pMemo, L"Notes", [](HWND) { PressKey(VK_ESCAPE); }));
    EXPECT_EQ(m_Host.m_Changes.size(), 3u);
}

// The template's rich edit gives way to one with the property's scroll bars and wrapping, in
// plain-text mode.
TEST_F(ExternalEditor, ScrollBarsFollowTheOptions)
{
    CString strValue = pgtest::OverflowingText();
    for (const pgtest::ScrollCase& test : pgtest::kScrollCases) {
        CString strOptions = CString(L"Expand=true|") + test.pszOptions;
        SCOPED_TRACE(strOptions.GetString());
        IZNPropertyGridProperty* pMemo = AddMemo(strOptions, &strValue);
        ASSERT_TRUE(OpenExternal(pMemo, L"Notes", [&](HWND hDialog) {
            pgtest::ExpectMemoRichEdit(Text(hDialog), test.dwScroll);
            PressKey(VK_ESCAPE);
        }));
        ASSERT_TRUE(m_Grid.RemoveProperty(m_pCategory, pMemo));
    }
}

// Dragging the size grip resizes the window; the text keeps 13 pixels from every edge of the
// client area and the grip stays in the corner.
TEST_F(ExternalEditor, TheTextKeepsItsMarginsWhenTheWindowIsResized)
{
    CString strValue = L"text";
    IZNPropertyGridProperty* pMemo = AddMemo(L"Expand=true", &strValue);
    auto expectArranged = [](HWND hDialog) {
        CRect rcClient;
        ::GetClientRect(hDialog, &rcClient);
        rcClient.DeflateRect(kTextInset, kTextInset);
        EXPECT_EQ(RectInDialog(Text(hDialog), hDialog), rcClient);
        ::GetClientRect(hDialog, &rcClient);
        EXPECT_EQ(RectInDialog(Descendant(hDialog, kSizeGripId), hDialog).BottomRight(),
                  rcClient.BottomRight());
    };
    ASSERT_TRUE(OpenExternal(pMemo, L"Notes", [&](HWND hDialog) {
        expectArranged(hDialog);
        CRect rcBefore = WindowRect(hDialog);
        HWND hGrip = Descendant(hDialog, kSizeGripId);
        CRect rcGrip;
        ::GetClientRect(hGrip, &rcGrip);
        CPoint ptGrip = rcGrip.CenterPoint();
        ASSERT_TRUE(pgtest::Drag(hGrip, ptGrip, ptGrip + CSize(80, 50)));
        EXPECT_EQ(WindowRect(hDialog).Size(), rcBefore.Size() + CSize(80, 50));
        expectArranged(hDialog);
        PressKey(VK_ESCAPE);
    }));
}

// Moved and resized, closed and opened again, from another memo too, the window comes back
// where it was.
TEST_F(ExternalEditor, TheWindowReopensWhereItWasClosed)
{
    CString strValue = L"text";
    IZNPropertyGridProperty* pFirst = AddMemo(L"Expand=true", &strValue, L"First");
    IZNPropertyGridProperty* pSecond = AddMemo(L"Expand=true|Lines=2", &strValue, L"Second");
    const CRect rcMoved(70, 60, 430, 380);
    ASSERT_TRUE(OpenExternal(pFirst, L"First", [&](HWND hDialog) {
        ::MoveWindow(hDialog, rcMoved.left, rcMoved.top, rcMoved.Width(), rcMoved.Height(), TRUE);
        PressKey(VK_ESCAPE);
    }));
    EXPECT_EQ(AfxGetApp()->GetProfileInt(pgtest::kExternalSection, L"Window.Left", -1),
              UINT(rcMoved.left));

    CRect rcReopened;
    ASSERT_TRUE(OpenExternal(pSecond, L"Second", [&](HWND hDialog) {
        rcReopened = WindowRect(hDialog);
        PressKey(VK_ESCAPE);
    }));
    EXPECT_EQ(rcReopened, rcMoved);
}

// The host may take the memo away when it hears of the change that closing the window made:
// with it goes the grid's last memo, and the editor that opened the window.
TEST_F(ExternalEditor, TheHostMayRemoveTheMemoWhenItHearsOfTheChange)
{
    CString strValue = L"text";
    IZNPropertyGridProperty* pMemo = AddMemo(L"Expand=true", &strValue);
    HWND hEditor = nullptr;
    m_Host.m_Snapshot = [&] {
        hEditor = Editor();
        EXPECT_TRUE(m_Grid.RemoveProperty(m_pCategory, pMemo));
        return strValue;
    };
    ASSERT_TRUE(OpenExternal(pMemo, L"Notes", [](HWND) {
        TypeText(L"!");
        PressKey(VK_ESCAPE);
    }));
    EXPECT_STREQ(strValue, L"text!");
    EXPECT_EQ(m_Host.m_Changes.size(), 1u);
    EXPECT_NE(hEditor, nullptr);
    EXPECT_FALSE(::IsWindow(hEditor));
    EXPECT_EQ(m_Grid.GetPropertyCount(m_pCategory), 0u);
    EXPECT_EQ(m_Grid.GetCount(), 1);
}

} // namespace
