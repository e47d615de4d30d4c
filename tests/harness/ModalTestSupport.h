// Pieces for tests of modal windows: a modal dialog that runs a test's steps from inside its own
// loop, a watcher that answers the message boxes code under test opens, and the application's
// main window for the length of a test.
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
    ~MessageBoxWatcher();
    MessageBoxWatcher(const MessageBoxWatcher&) = delete;
    MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;

    const std::vector<ShownMessageBox>& Shown() const { return m_shown; }

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    void AnswerOpenBoxes();

    int m_nAnswer;                        // the button to press
    UINT_PTR m_nTimer;                    // the thread timer that looks for boxes
    bool m_bAnswering;                    // a click is on its way
    std::vector<ShownMessageBox> m_shown; // every box seen, in order
};

// While it lives, runs a test's steps from inside the modal loop of every window titled
// strTitle that opens on this thread (once per window, when it shows and is enabled). A window
// the steps leave open is asked to close, so that a failed step ends the loop instead of
// hanging the test.
class WindowSteps
{
public:
    WindowSteps(std::wstring strTitle, std::function<void(HWND)> steps);
    ~WindowSteps();
    WindowSteps(const WindowSteps&) = delete;
    WindowSteps& operator=(const WindowSteps&) = delete;

    // How many windows the steps ran for, and how many of them they left open.
    int Runs() const { return m_nRuns; }
    int LeftOpen() const { return m_nLeftOpen; }

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    void RunForNewWindow();

    std::wstring m_strTitle;           // the window's text
    std::function<void(HWND)> m_steps; // what to do in it
    UINT_PTR m_nTimer;                 // the thread timer that looks for the window
    HWND m_hWndLast;                   // the window the steps last ran for
    bool m_bRunning;                   // the steps are running (and pumping messages)
    int m_nRuns;                       // windows the steps ran for
    int m_nLeftOpen;                   // windows still shown after their steps
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
