// The system's file and colour dialogs as framework dialogs: the owner they get and disable,
// the window that becomes the object's, and what they report once the user confirmed.
#include <afxdlgs.h>
#include <gtest/gtest.h>

#include "Input.h"
#include "MainWindowTest.h"
#include "ModalTestSupport.h"
#include "TempFolder.h"

#include <vector>

namespace {

using pgtest::ClickDlgItem;
using pgtest::ComboItems;
using pgtest::DialogCaptioned;
using pgtest::DlgItemText;
using pgtest::kFileNameField;
using pgtest::kFileTypeList;
using pgtest::ModalWatcher;
using pgtest::TypeIntoDlgItem;

// Controls of the system's colour dialog.
constexpr int kRedField = 706;
constexpr int kGreenField = 707;
constexpr int kBlueField = 708;

// A visible main window owns what the tests open.
class CommonDialogs : public pgtest::MainWindowTest
{
protected:
    pgtest::TempFolder folder;
};

// While the Open dialog runs, the main window owns it and is disabled, the dialog's hook child
// is the object's window, and the object reads the dialog's fields; afterwards it reports the
// chosen file.
TEST_F(CommonDialogs, TheOpenDialogIsOwnedByTheMainWindowAndReportsTheChosenFile)
{
    ASSERT_TRUE(folder.Write(L"scene.txt"));
    CFileDialog dialog(TRUE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST,
                       L"Text (*.txt)|*.txt|All Files (*.*)|*.*|");
    HWND hOwner = nullptr;
    BOOL bMainEnabled = TRUE;
    bool bObjectIsHookChild = false;
    std::vector<std::wstring> types;
    CString strTypedName;
    ModalWatcher watcher;
    watcher.Expect(DialogCaptioned(L"Open"), [&](HWND hDialog) {
        hOwner = ::GetWindow(hDialog, GW_OWNER);
        bMainEnabled = main.IsWindowEnabled();
        bObjectIsHookChild = dialog.m_hWnd != nullptr && ::GetParent(dialog.m_hWnd) == hDialog &&
                             CWnd::FromHandlePermanent(dialog.m_hWnd) == &dialog;
        types = ComboItems(hDialog, kFileTypeList);
        TypeIntoDlgItem(hDialog, kFileNameField, folder / L"scene.txt");
        strTypedName = dialog.GetFileName();
        ClickDlgItem(hDialog, IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(watcher.WaitUntilHandled());
    EXPECT_EQ(hOwner, main.m_hWnd);
    EXPECT_FALSE(bMainEnabled);
    EXPECT_TRUE(main.IsWindowEnabled());
    EXPECT_TRUE(bObjectIsHookChild);
    EXPECT_EQ(dialog.m_hWnd, nullptr);
    EXPECT_EQ(types, (std::vector<std::wstring>{L"Text (*.txt)", L"All Files (*.*)"}));
    EXPECT_STREQ(strTypedName, (folder / L"scene.txt").c_str());

    EXPECT_STREQ(dialog.GetPathName(), (folder / L"scene.txt").c_str());
    EXPECT_STREQ(dialog.GetFileName(), L"scene.txt");
    EXPECT_STREQ(dialog.GetFileExt(), L"txt");
    EXPECT_STREQ(dialog.GetFileTitle(), L"scene");
}

TEST_F(CommonDialogs, SaveAsAddsTheDefaultExtensionAndCancelAnswersCancel)
{
    CFileDialog save(FALSE, L"ccp", nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                     L"Palettes (*.ccp)|*.ccp||");
    ModalWatcher watcher;
    watcher.Expect(DialogCaptioned(L"Save As"), [&](HWND hDialog) {
        TypeIntoDlgItem(hDialog, kFileNameField, folder / L"colours");
        ClickDlgItem(hDialog, IDOK);
    });
    EXPECT_EQ(save.DoModal(), IDOK);
    EXPECT_STREQ(save.GetPathName(), (folder / L"colours.ccp").c_str());

    CFileDialog open(TRUE);
    watcher.Expect(DialogCaptioned(L"Open"),
                   [&](HWND hDialog) { ClickDlgItem(hDialog, IDCANCEL); });
    EXPECT_EQ(open.DoModal(), IDCANCEL);
    EXPECT_TRUE(watcher.WaitUntilHandled());
    EXPECT_TRUE(main.IsWindowEnabled());
}

class CRecordingColorDialog : public CColorDialog
{
public:
    using CColorDialog::CColorDialog;
    HWND m_hWndAtInit = nullptr;

    BOOL OnInitDialog() override
    {
        m_hWndAtInit = m_hWnd;
        return CColorDialog::OnInitDialog();
    }
};

// The colour dialog's own window is the object's from its creation on: OnInitDialog runs in it.
TEST_F(CommonDialogs, TheColorDialogIsTheObjectsWindowAndReportsTheChosenColour)
{
    CRecordingColorDialog dialog(RGB(200, 100, 50), CC_FULLOPEN);
    HWND hDialogShown = nullptr;
    HWND hOwner = nullptr;
    std::wstring strInitialRed;
    ModalWatcher watcher;
    watcher.Expect(DialogCaptioned(L"Color"), [&](HWND hDialog) {
        hDialogShown = hDialog;
        hOwner = ::GetWindow(hDialog, GW_OWNER);
        strInitialRed = DlgItemText(hDialog, kRedField);
        TypeIntoDlgItem(hDialog, kRedField, L"10");
        TypeIntoDlgItem(hDialog, kGreenField, L"20");
        TypeIntoDlgItem(hDialog, kBlueField, L"30");
        ClickDlgItem(hDialog, IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(watcher.WaitUntilHandled());
    EXPECT_EQ(dialog.m_hWndAtInit, hDialogShown);
    EXPECT_EQ(hOwner, main.m_hWnd);
    EXPECT_EQ(strInitialRed, L"200");
    EXPECT_EQ(dialog.GetColor(), RGB(10, 20, 30));
    EXPECT_EQ(dialog.m_hWnd, nullptr);
    EXPECT_TRUE(main.IsWindowEnabled());

    CColorDialog cancelled(RGB(1, 2, 3));
    watcher.Expect(DialogCaptioned(L"Color"),
                   [&](HWND hDialog) { ClickDlgItem(hDialog, IDCANCEL); });
    EXPECT_EQ(cancelled.DoModal(), IDCANCEL);
    EXPECT_EQ(cancelled.GetColor(), RGB(1, 2, 3));
}

} // namespace
