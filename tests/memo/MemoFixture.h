// What the memo tests share: memo properties in a category of the grid fixture, the in-place
// editor and its controls as the user sees them, and the external editor's profile section.
#pragma once

#include "GridFixture.h"
#include "ModalTestSupport.h"

#include <afxcmn.h>

namespace pgtest {

constexpr int kMemoEditId = 10000;     // the in-place editor's rich edit
constexpr int kMemoExpandId = 10002;   // its "..." button
constexpr int kExternalEditId = 10007; // the external editor's rich edit
constexpr int kMemoLineHeight = 14;    // of a row, what each text line adds
constexpr wchar_t kExternalSection[] = L"Dialogs\\CZNPropertyGridPropertyMemoExternalDlg";
constexpr DWORD kScrollBits = WS_HSCROLL | WS_VSCROLL | ES_AUTOHSCROLL | ES_AUTOVSCROLL;

// A text wider and longer than any editor of the tests: a rich edit shows the scroll bars it
// was made with only when its text overflows.
inline CString OverflowingText()
{
    CString strText(L'w', 300);
    for (int i = 0; i < 40; ++i)
        strText += L"\r\nline";
    return strText;
}

// Scroll options, and the scrolling they give a rich edit that shows OverflowingText.
struct ScrollCase
{
    const wchar_t* pszOptions;
    DWORD dwScroll; // of kScrollBits
};
inline const ScrollCase kScrollCases[] = {
    {L"", ES_AUTOVSCROLL},
    {L"HScroll=true", WS_HSCROLL | ES_AUTOHSCROLL},
    {L"VScroll=true", WS_VSCROLL | ES_AUTOVSCROLL},
    {L"HScroll=true|VScroll=true", kScrollBits},
};

// A rich edit as the memo's editors make it: the library's Unicode control, multi-line with
// Enter as a line break, in plain-text mode, with the scrolling expected.
inline void ExpectMemoRichEdit(HWND hRichEdit, DWORD dwScroll)
{
    wchar_t szClass[32] = L"";
    ::GetClassNameW(hRichEdit, szClass, 32);
    EXPECT_STREQ(szClass, L"RichEdit20W");
    DWORD dwStyle = DWORD(::GetWindowLongPtrW(hRichEdit, GWL_STYLE));
    EXPECT_EQ(dwStyle & kScrollBits, dwScroll);
    EXPECT_EQ(dwStyle & (ES_MULTILINE | ES_WANTRETURN), DWORD(ES_MULTILINE | ES_WANTRETURN));
    EXPECT_EQ(::SendMessageW(hRichEdit, EM_GETTEXTMODE, 0, 0) & TM_PLAINTEXT, TM_PLAINTEXT);
}

class MemoTest : public EditTest
{
protected:
    void SetUp() override
    {
        EditTest::SetUp();
        ClearExternalPlacement();
    }
    void TearDown() override
    {
        EditTest::TearDown();
        ClearExternalPlacement();
    }
    static void ClearExternalPlacement()
    {
        AfxGetApp()->WriteProfileString(kExternalSection, nullptr, nullptr);
    }

    // A memo named pszName with the options, showing pValue in the first value column.
    IZNPropertyGridProperty* AddMemo(const wchar_t* pszOptions, CString* pValue,
                                     const wchar_t* pszName = L"Notes", unsigned nID = 5)
    {
        auto* pProperty = m_Grid.AddProperty(m_pCategory, pszName, L"", nID, PGT_MEMO, pszOptions);
        if (pProperty != nullptr && pValue != nullptr)
            m_Grid.SetPropertyValue(m_pCategory, pProperty, 0, pValue);
        return pProperty;
    }

    // The memo editor of the grid: the child dialog with the rich edit and "...".
    HWND Editor() const
    {
        for (HWND hWnd = ::FindWindowExW(m_Grid.m_hWnd, nullptr, L"#32770", nullptr);
             hWnd != nullptr; hWnd = ::FindWindowExW(m_Grid.m_hWnd, hWnd, L"#32770", nullptr)) {
            if (::GetDlgItem(hWnd, kMemoExpandId) != nullptr)
                return hWnd;
        }
        return nullptr;
    }
    HWND RichEdit() const { return ::GetDlgItem(Editor(), kMemoEditId); }
    HWND ExpandButton() const { return ::GetDlgItem(Editor(), kMemoExpandId); }
    bool EditorShown() const { return ::IsWindowVisible(Editor()) != FALSE; }

    // A control's rectangle in its parent's client coordinates.
    static CRect RectInParent(HWND hWnd)
    {
        CRect rc;
        ::GetWindowRect(hWnd, &rc);
        ::MapWindowPoints(nullptr, ::GetParent(hWnd), reinterpret_cast<POINT*>(&rc), 2);
        return rc;
    }
    static DWORD StyleOf(HWND hWnd) { return DWORD(::GetWindowLongPtrW(hWnd, GWL_STYLE)); }
    static CString TextOf(HWND hWnd)
    {
        CString strText;
        CWnd::FromHandle(hWnd)->GetWindowText(strText);
        return strText;
    }

    // Opens the cell's editor and clicks its "..." button: the external editor runs its loop
    // while the steps act in it, and they close it.
    bool OpenExternal(IZNPropertyGridProperty* pProperty, const std::wstring& strTitle,
                      const std::function<void(HWND)>& steps)
    {
        ModalWatcher watcher;
        watcher.Expect(DialogCaptioned(strTitle), steps);
        if (!ClickCell(pProperty, 1))
            return false;
        CRect rcButton;
        ::GetClientRect(ExpandButton(), &rcButton);
        return Click(ExpandButton(), rcButton.CenterPoint()) && watcher.WaitUntilHandled();
    }
};

} // namespace pgtest
