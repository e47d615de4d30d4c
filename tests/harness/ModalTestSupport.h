// Pieces for tests of modal windows: a modal dialog that runs a test's steps from inside its own
// loop, a watcher that handles the dialogs and message boxes code under test opens (the system's
// file and colour dialogs among them), and the application's main window for the length of a
// test.
#pragma once

#include <afxwin.h>

#include "DialogTemplate.h"

#include <functional>
#include <string>
#include <vector>

namespace pgtest {

// A modal dialog whose steps run from a timer once its loop is running. A dialog still open
// after ten seconds ends with kGaveUp, so that a broken loop fails instead of hanging.
class CScriptedDialog : public CDialog
{
public:
    static constexpr int kGaveUp = -2;

    explicit CScriptedDialog(std::function<void(CScriptedDialog&)> script);

    // Runs the dialog made of m_template, owned as DoModal decides for pParentWnd.
    INT_PTR RunModal(CWnd* pParentWnd = nullptr);

    pgtest::DialogTemplate m_template;              // the controls the test adds
    std::function<void(CScriptedDialog&)> m_script; // the steps, run once
    std::function<void(CDataExchange*)> m_exchange; // what DoDataExchange does, if anything

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    afx_msg void OnTimer(UINT_PTR nIDEvent);

    DECLARE_MESSAGE_MAP()
};

// Tells a dialog the test waits for by its window.
using DialogMatch = std::function<bool(HWND hDialog)>;
// What the test does with the dialog: fill its fields, press its buttons, read what it shows.
using DialogSteps = std::function<void(HWND hDialog)>;

// A shown, enabled top-level dialog (class #32770) of this thread whose caption is strCaption.
DialogMatch DialogCaptioned(std::wstring strCaption);

// While it lives, the modal dialogs this thread opens are handled as the test says, from inside
// whatever modal loop shows them: a thread timer looks for shown, enabled dialogs, and the first
// waiting handler that matches one runs its steps on it. Steps may open further dialogs (a
// button that opens a file dialog), which are handled from inside those steps. A handled dialog
// that is still shown ten seconds after its steps began is ended with IDCANCEL, so that a step
// that failed lets the test fail instead of hanging it.
class ModalWatcher
{
public:
    ModalWatcher();
    ~ModalWatcher();
    ModalWatcher(const ModalWatcher&) = delete;
    ModalWatcher& operator=(const ModalWatcher&) = delete;

    // The next dialog that matches gets the steps, once. Handlers wait in the order given.
    void Expect(DialogMatch match, DialogSteps steps);
    // Every dialog that matches, now and later, gets the steps.
    void Always(DialogMatch match, DialogSteps steps);

    // Every expected dialog came, and none had to be ended for the test.
    bool AllHandled() const;
    // Handles messages until every expected dialog came, for ten seconds at most; then as
    // AllHandled. For input whose handling may still be on its way.
    bool WaitUntilHandled();
    // Dialogs ended because their steps did not close them.
    int GaveUp() const { return m_nGaveUp; }

private:
    struct Handler
    {
        DialogMatch match;
        DialogSteps steps;
        bool bRepeat; // every matching dialog, not only the next
        bool bUsed;   // a one-time handler has run
    };
    struct Handled
    {
        HWND hDialog;
        ULONGLONG nDeadline; // when it is ended unless it closed
    };

    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR nIDEvent, DWORD);
    void HandleOpenDialogs();
    void EndOverdueDialogs();
    bool IsHandled(HWND hDialog) const;

    UINT_PTR m_nTimer;               // the thread timer that looks for dialogs
    std::vector<Handler> m_handlers; // in the order given
    std::vector<Handled> m_handled;  // dialogs whose steps began, until they close
    int m_nGaveUp;                   // dialogs ended for the test
};

// Controls of the system's Explorer file dialog (Open and Save As).
constexpr int kFileNameField = 1148;
constexpr int kFileTypeList = 1136;

// Dialog steps with the user's own input: a click on a control, text typed into an edit field
// after its old text was selected (so that it is replaced), the text a control shows.
bool ClickDlgItem(HWND hDialog, int nID);
bool TypeIntoDlgItem(HWND hDialog, int nID, const std::wstring& text);
std::wstring DlgItemText(HWND hDialog, int nID);
// The items of a combo box of the dialog, in order.
std::vector<std::wstring> ComboItems(HWND hDialog, int nID);

// What a message box showed.
struct ShownMessageBox
{
    std::wstring strText;
    std::wstring strCaption;
    HWND hWndOwner = nullptr;
    bool bExclamationIcon = false;
    bool bQuestionIcon = false;
    std::vector<int> buttons; // the ids of its buttons (IDOK, IDYES, ...)
};

// While it lives, every message box this thread opens is recorded and answered by a click on
// its button nAnswer (or its first button when it has none such). A message box is a dialog with
// the system's text field, a static control with the id 0xFFFF.
class MessageBoxWatcher
{
public:
    explicit MessageBoxWatcher(int nAnswer = IDOK);

    const std::vector<ShownMessageBox>& Shown() const { return m_shown; }

private:
    std::vector<ShownMessageBox> m_shown; // every box seen, in order
    ModalWatcher m_watcher;               // finds the boxes; made last, ended first
};

// Makes pWnd the application's main window until the scope ends.
class MainWindowScope
{
public:
    explicit MainWindowScope(CWnd* pWnd);
    ~MainWindowScope();
    MainWindowScope(const MainWindowScope&) = delete;
    MainWindowScope& operator=(const MainWindowScope&) = delete;

private:
    CWnd* m_pPrevious; // the main window before
};

} // namespace pgtest
