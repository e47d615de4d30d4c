// Dialog data exchange and validation: values in and out of real controls, the message boxes
// of failed validations, and what the dialog does afterwards.
#include <afxwin.h>
#include <gtest/gtest.h>

#include "Input.h"
#include "ModalTestSupport.h"

#include <functional>
#include <memory>

namespace {

using pgtest::CScriptedDialog;
using pgtest::DialogItemClass;
using pgtest::MessageBoxWatcher;

enum : WORD
{
    kTextId = 100,
    kIntId,
    kUIntId,
    kLongId,
    kDWordId,
    kFloatId,
    kDoubleId,
    kCheckId,
    kRadioFirstId,
    kRadioSecondId,
    kRadioThirdId,
    kAfterRadiosId,
    kListId,
    kComboId,
};

// A modeless dialog with one control of every kind, whose exchange the test gives.
class CExchangeDialog : public CDialog
{
public:
    BOOL Create()
    {
        pgtest::DialogTemplate dialogTemplate(WS_POPUP | WS_CAPTION | WS_VISIBLE, 220, 200, L"DDX");
        WORD nId = kTextId;
        for (short y = 5; nId <= kDoubleId; y += 16)
            dialogTemplate.Add(DialogItemClass::Edit, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 5, y,
                               90, 14, nId++);
        dialogTemplate.Add(DialogItemClass::Button, BS_AUTO3STATE | WS_TABSTOP, 110, 5, 60, 12,
                           kCheckId, L"Check");
        for (WORD nRadio = kRadioFirstId; nRadio <= kRadioThirdId; ++nRadio)
            dialogTemplate.Add(DialogItemClass::Button,
                               BS_AUTORADIOBUTTON | (nRadio == kRadioFirstId ? WS_GROUP : 0), 110,
                               short(20 + 14 * (nRadio - kRadioFirstId)), 60, 12, nRadio, L"Radio");
        dialogTemplate.Add(DialogItemClass::Button, BS_PUSHBUTTON | WS_GROUP, 110, 64, 60, 14,
                           kAfterRadiosId, L"After");
        dialogTemplate.Add(DialogItemClass::ListBox, WS_BORDER | LBS_NOTIFY, 110, 82, 60, 40,
                           kListId);
        if (!CreateIndirect(dialogTemplate.Get()))
            return FALSE;
        ::CreateWindowExW(0, L"COMBOBOX", nullptr, WS_CHILD | WS_VISIBLE | CBS_DROPDOWN, 5, 250,
                          120, 120, m_hWnd, reinterpret_cast<HMENU>(UINT_PTR(kComboId)),
                          AfxGetInstanceHandle(), nullptr);
        for (LPCTSTR lpszItem : {L"red", L"green", L"blue"}) {
            SendDlgItemMessage(kListId, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lpszItem));
            SendDlgItemMessage(kComboId, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lpszItem));
        }
        SetForegroundWindow();
        pgtest::PumpMessages();
        return TRUE;
    }

    CString Text(int nID) const
    {
        CString strText;
        GetDlgItemText(nID, strText);
        return strText;
    }

    // Replaces the text of an edit field as a user does: select all, delete, type.
    void Type(int nID, const std::wstring& text)
    {
        GetDlgItem(nID)->SetFocus();
        SendDlgItemMessage(nID, EM_SETSEL, 0, -1);
        pgtest::PressKey(VK_DELETE);
        pgtest::TypeText(text);
    }

    std::function<void(CDataExchange*)> m_exchange; // what DoDataExchange does, if anything
    int m_nChanges = 0;                             // EN_CHANGE notifications of the text field

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        if (m_exchange)
            m_exchange(pDX);
    }
    afx_msg void OnTextChange() { ++m_nChanges; }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CExchangeDialog, CDialog)
    ON_EN_CHANGE(kTextId, &CExchangeDialog::OnTextChange)
END_MESSAGE_MAP()

struct Values
{
    CString strText = L"text";
    int nInt = -12;
    UINT nUInt = 4000000000u;
    long lLong = -70000;
    DWORD dwDWord = 7;
    float fFloat = 0.1f;
    double dDouble = 1.0 / 3;
    int nCheck = 2;
    int nRadio = 1;
    CString strList = L"green";
    int nComboIndex = 2;
};

void ExchangeAll(CDataExchange* pDX, Values& v)
{
    DDX_Text(pDX, kTextId, v.strText);
    DDX_Text(pDX, kIntId, v.nInt);
    DDX_Text(pDX, kUIntId, v.nUInt);
    DDX_Text(pDX, kLongId, v.lLong);
    DDX_Text(pDX, kDWordId, v.dwDWord);
    DDX_Text(pDX, kFloatId, v.fFloat);
    DDX_Text(pDX, kDoubleId, v.dDouble);
    DDX_Check(pDX, kCheckId, v.nCheck);
    DDX_Radio(pDX, kRadioFirstId, v.nRadio);
    DDX_LBString(pDX, kListId, v.strList);
    DDX_CBIndex(pDX, kComboId, v.nComboIndex);
}

// The dialog is the application's main window, as in a dialog-based application.
class DataExchange : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dlg.Create());
        mainWindow = std::make_unique<pgtest::MainWindowScope>(&dlg);
        dlg.m_exchange = [this](CDataExchange* pDX) { ExchangeAll(pDX, values); };
    }

    CExchangeDialog dlg;
    std::unique_ptr<pgtest::MainWindowScope> mainWindow; // ends before the dialog does
    Values values;
};

TEST_F(DataExchange, LoadingShowsEveryValueInItsControl)
{
    ASSERT_TRUE(dlg.UpdateData(FALSE));
    EXPECT_EQ(dlg.Text(kTextId), L"text");
    EXPECT_EQ(dlg.Text(kIntId), L"-12");
    EXPECT_EQ(dlg.Text(kUIntId), L"4000000000");
    EXPECT_EQ(dlg.Text(kLongId), L"-70000");
    EXPECT_EQ(dlg.Text(kDWordId), L"7");
    EXPECT_EQ(dlg.Text(kFloatId), L"0.1");                // as many digits as a float holds
    EXPECT_EQ(dlg.Text(kDoubleId), L"0.333333333333333"); // and a double
    EXPECT_EQ(dlg.SendDlgItemMessage(kCheckId, BM_GETCHECK), BST_INDETERMINATE);
    EXPECT_EQ(dlg.SendDlgItemMessage(kRadioSecondId, BM_GETCHECK), BST_CHECKED);
    EXPECT_EQ(dlg.SendDlgItemMessage(kRadioFirstId, BM_GETCHECK), BST_UNCHECKED);
    EXPECT_EQ(dlg.SendDlgItemMessage(kListId, LB_GETCURSEL), 1);
    EXPECT_EQ(dlg.Text(kComboId), L"blue");
}

TEST_F(DataExchange, SavingReadsWhatTheUserEntered)
{
    ASSERT_TRUE(dlg.UpdateData(FALSE));
    dlg.Type(kTextId, L"typed");
    dlg.Type(kIntId, L" +42 ");
    dlg.Type(kUIntId, L"17");
    dlg.Type(kDoubleId, L"1d3"); // the Microsoft runtime reads a 'd' exponent
    CRect rcCheck;
    dlg.GetDlgItem(kCheckId)->GetClientRect(&rcCheck);
    ASSERT_TRUE(pgtest::Click(dlg.GetDlgItem(kCheckId)->m_hWnd, rcCheck.CenterPoint()));
    ASSERT_TRUE(pgtest::Click(dlg.GetDlgItem(kRadioThirdId)->m_hWnd, {5, 5}));
    ASSERT_TRUE(pgtest::Click(dlg.GetDlgItem(kListId)->m_hWnd, {5, 2}));
    dlg.SendDlgItemMessage(kComboId, CB_SETCURSEL, 0);

    ASSERT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_EQ(values.strText, L"typed");
    EXPECT_EQ(values.nInt, 42);
    EXPECT_EQ(values.nUInt, 17u);
    EXPECT_EQ(values.dDouble, 1000.0);
    EXPECT_EQ(values.nCheck, BST_UNCHECKED); // a three-state box goes on from indeterminate
    EXPECT_EQ(values.nRadio, 2);
    EXPECT_EQ(values.strList, L"red");
    EXPECT_EQ(values.nComboIndex, 0);
}

TEST_F(DataExchange, ControlNotificationsAreIgnoredWhileItRuns)
{
    ASSERT_TRUE(dlg.UpdateData(FALSE)); // sets the text field's text
    EXPECT_EQ(dlg.m_nChanges, 0);
    dlg.GetDlgItem(kTextId)->SetFocus();
    pgtest::TypeText(L"x");
    EXPECT_EQ(dlg.m_nChanges, 1);
}

TEST_F(DataExchange, TextThatIsNoNumberShowsTheRuntimesPromptAndStops)
{
    ASSERT_TRUE(dlg.UpdateData(FALSE));
    const struct
    {
        int nID;
        const wchar_t* pszText;
        const wchar_t* pszPrompt;
    } cases[] = {
        {kIntId, L"12a", L"Please enter an integer."},
        {kIntId, L"-0", L"Please enter an integer."}, // zero only as the digit 0
        {kUIntId, L"-1", L"Please enter a positive integer."},
        {kDWordId, L"", L"Please enter a positive integer."},
        {kFloatId, L"inf", L"Please enter a number."},
        {kDoubleId, L"0x10", L"Please enter a number."},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(dlg.UpdateData(FALSE));
        dlg.Type(c.nID, c.pszText);
        values.dDouble = 5;
        MessageBoxWatcher watcher;
        EXPECT_FALSE(dlg.UpdateData(TRUE)) << c.pszText;
        ASSERT_EQ(watcher.Shown().size(), 1u) << c.pszText;
        const pgtest::ShownMessageBox& box = watcher.Shown().front();
        EXPECT_EQ(box.strText, c.pszPrompt);
        EXPECT_EQ(box.strCaption, AfxGetAppName());
        EXPECT_EQ(box.hWndOwner, dlg.m_hWnd);
        EXPECT_TRUE(box.bExclamationIcon);
        EXPECT_EQ(box.buttons, std::vector<int>{IDOK});
        // The focus is back on the field, its text selected; later exchanges did not run.
        EXPECT_EQ(::GetFocus(), dlg.GetDlgItem(c.nID)->m_hWnd);
        DWORD dwSel = DWORD(dlg.SendDlgItemMessage(c.nID, EM_GETSEL));
        EXPECT_EQ(LOWORD(dwSel), 0);
        EXPECT_EQ(HIWORD(dwSel), wcslen(c.pszText));
        EXPECT_EQ(values.dDouble, 5.0);
    }
}

TEST_F(DataExchange, AMissingControlStopsTheExchange)
{
    int nValue = 0;
    bool bAfter = false;
    dlg.m_exchange = [&](CDataExchange* pDX) {
        DDX_Text(pDX, 4321, nValue);
        bAfter = true;
    };
    EXPECT_FALSE(dlg.UpdateData(TRUE));
    EXPECT_FALSE(bAfter);
}

//---------------------------------------------------------------------------------------------
// Validation

struct Bounds
{
    int nInt = 0;
    UINT nUInt = 0;
    double dDouble = 0;
    float fFloat = 0;
    CString strShort;
};

const Bounds kWithinBounds = {1, 3, 1.0, 0.5f, L"ab"};

class Validation : public DataExchange
{
protected:
    void SetUp() override
    {
        DataExchange::SetUp();
        dlg.m_exchange = [this](CDataExchange* pDX) {
            DDX_Text(pDX, kIntId, bounds.nInt);
            DDV_MinMaxInt(pDX, bounds.nInt, -5, 10);
            DDX_Text(pDX, kUIntId, bounds.nUInt);
            DDV_MinMaxUInt(pDX, bounds.nUInt, 3, 4000000000u);
            DDX_Text(pDX, kDoubleId, bounds.dDouble);
            DDV_MinMaxDouble(pDX, bounds.dDouble, 0.5, 2.25);
            DDX_Text(pDX, kFloatId, bounds.fFloat);
            DDV_MinMaxFloat(pDX, bounds.fFloat, 0.1f, 1.0f);
            DDX_Text(pDX, kTextId, bounds.strShort);
            DDV_MaxChars(pDX, bounds.strShort, 3);
        };
        bounds = kWithinBounds;
        ASSERT_TRUE(dlg.UpdateData(FALSE));
    }

    // The prompt of the one message box that saving with this text in the control shows. The
    // text is set by the program: typing stops at the limit DDV_MaxChars gave the field.
    std::wstring PromptFor(int nID, const std::wstring& text)
    {
        bounds = kWithinBounds;
        EXPECT_TRUE(dlg.UpdateData(FALSE));
        dlg.SetDlgItemText(nID, text.c_str());
        MessageBoxWatcher watcher;
        BOOL bSaved = dlg.UpdateData(TRUE);
        if (bSaved || watcher.Shown().size() != 1)
            return L"(saved without one box)";
        EXPECT_TRUE(watcher.Shown().front().bExclamationIcon);
        EXPECT_EQ(::GetFocus(), dlg.GetDlgItem(nID)->m_hWnd);
        return watcher.Shown().front().strText;
    }

    Bounds bounds;
};

TEST_F(Validation, AValueOutOfBoundsShowsTheBounds)
{
    EXPECT_EQ(PromptFor(kIntId, L"11"), L"Please enter an integer between -5 and 10.");
    EXPECT_EQ(PromptFor(kUIntId, L"2"), L"Please enter an integer between 3 and 4000000000.");
    EXPECT_EQ(PromptFor(kDoubleId, L"2.5"), L"Please enter a number between 0.5 and 2.25.");
    EXPECT_EQ(PromptFor(kFloatId, L"0.05"), L"Please enter a number between 0.1 and 1.");
    EXPECT_EQ(PromptFor(kTextId, L"abcd"), L"Please enter no more than 3 characters.");
}

TEST_F(Validation, ValuesWithinBoundsPassAndLoadingLimitsTheTextField)
{
    EXPECT_EQ(dlg.SendDlgItemMessage(kTextId, EM_GETLIMITTEXT), 3);
    dlg.Type(kIntId, L"-5");
    dlg.Type(kDoubleId, L"2.25");
    MessageBoxWatcher watcher;
    EXPECT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_TRUE(watcher.Shown().empty());
    EXPECT_EQ(bounds.nInt, -5);
    EXPECT_EQ(bounds.dDouble, 2.25);
}

//---------------------------------------------------------------------------------------------
// OK in a modal dialog

TEST(DataExchangeOnOK, AFailedValidationKeepsTheDialogOpenUntilTheValueIsRight)
{
    int nValue = 3;
    std::vector<std::wstring> prompts;
    CScriptedDialog dlg([&](CScriptedDialog& self) {
        self.GetDlgItem(kIntId)->SetFocus();
        self.SendDlgItemMessage(kIntId, EM_SETSEL, 0, -1);
        pgtest::TypeText(L"42");
        {
            MessageBoxWatcher watcher;
            pgtest::PressKey(VK_RETURN); // OK: the validation fails, the dialog stays
            for (const auto& box : watcher.Shown())
                prompts.push_back(box.strText);
        }
        pgtest::TypeText(L"7"); // replaces the selected text
        pgtest::PressKey(VK_RETURN);
    });
    dlg.m_template.Add(DialogItemClass::Edit, WS_BORDER | WS_TABSTOP, 5, 5, 80, 14, kIntId);
    dlg.m_template.Add(DialogItemClass::Button, BS_DEFPUSHBUTTON | WS_TABSTOP, 100, 5, 50, 14, IDOK,
                       L"OK");
    dlg.m_exchange = [&](CDataExchange* pDX) {
        DDX_Text(pDX, kIntId, nValue);
        DDV_MinMaxInt(pDX, nValue, 0, 9);
    };
    EXPECT_EQ(dlg.RunModal(), IDOK);
    EXPECT_EQ(prompts, std::vector<std::wstring>{L"Please enter an integer between 0 and 9."});
    EXPECT_EQ(nValue, 7);
}

} // namespace
