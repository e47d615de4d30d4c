#include "ModalTestSupport.h"

#include "Input.h"

#include <algorithm>
#include <climits>

namespace pgtest {

namespace {

constexpr UINT_PTR kScriptTimer = 1;
constexpr UINT_PTR kGiveUpTimer = 2;
constexpr UINT kGiveUpAfterMs = 10000;
constexpr UINT kWatchEveryMs = 20;
constexpr int kMessageBoxTextId = 0xFFFF;

std::vector<ModalWatcher*> g_watchers; // the live watchers, each with its timer

std::wstring TextOf(HWND hWnd)
{
    CString strText;
    CWnd::FromHandle(hWnd)->GetWindowText(strText);
    return strText.GetString();
}

// A dialog the user could work with now: shown, and not disabled by a dialog open over it.
bool IsShownDialog(HWND hWnd)
{
    wchar_t szClass[16] = L"";
    ::GetClassNameW(hWnd, szClass, 16);
    return ::IsWindowVisible(hWnd) && ::IsWindowEnabled(hWnd) && wcscmp(szClass, L"#32770") == 0;
}

std::vector<HWND> ShownDialogs()
{
    std::vector<HWND> dialogs;
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND hWnd, LPARAM lParam) -> BOOL {
            if (IsShownDialog(hWnd))
                reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(hWnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&dialogs));
    return dialogs;
}

bool IsOpenMessageBox(HWND hWnd)
{
    return ::GetDlgItem(hWnd, kMessageBoxTextId) != nullptr;
}

ShownMessageBox Describe(HWND hBox)
{
    ShownMessageBox shown;
    shown.strText = TextOf(::GetDlgItem(hBox, kMessageBoxTextId));
    shown.strCaption = TextOf(hBox);
    shown.hWndOwner = ::GetWindow(hBox, GW_OWNER);
    for (HWND hChild = ::GetWindow(hBox, GW_CHILD); hChild != nullptr;
         hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        if ((::SendMessageW(hChild, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON) != 0) {
            shown.buttons.push_back(::GetDlgCtrlID(hChild));
            continue;
        }
        auto hIcon = reinterpret_cast<HICON>(::SendMessageW(hChild, STM_GETICON, 0, 0));
        shown.bExclamationIcon |=
            hIcon != nullptr && hIcon == ::LoadIconW(nullptr, IDI_EXCLAMATION);
        shown.bQuestionIcon |= hIcon != nullptr && hIcon == ::LoadIconW(nullptr, IDI_QUESTION);
    }
    return shown;
}

} // namespace

CScriptedDialog::CScriptedDialog(std::function<void(CScriptedDialog&)> script)
    : m_template(WS_POPUP | WS_CAPTION | WS_SYSMENU, 200, 100, L"Scripted"),
      m_script(std::move(script))
{
}

INT_PTR CScriptedDialog::RunModal(CWnd* pParentWnd)
{
    InitModalIndirect(m_template.Get(), pParentWnd);
    return DoModal();
}

BEGIN_MESSAGE_MAP(CScriptedDialog, CDialog)
    ON_WM_TIMER()
END_MESSAGE_MAP()

BOOL CScriptedDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetTimer(kScriptTimer, 10);
    SetTimer(kGiveUpTimer, kGiveUpAfterMs);
    return TRUE;
}

void CScriptedDialog::DoDataExchange(CDataExchange* pDX)
{
    if (m_exchange)
        m_exchange(pDX);
}

void CScriptedDialog::OnTimer(UINT_PTR nIDEvent)
{
    KillTimer(nIDEvent);
    if (nIDEvent == kGiveUpTimer)
        EndDialog(kGaveUp);
    else if (m_script)
        m_script(*this);
}

//---------------------------------------------------------------------------------------------
// Dialogs the test waits for

DialogMatch DialogCaptioned(std::wstring strCaption)
{
    return [strCaption](HWND hDialog) { return TextOf(hDialog) == strCaption; };
}

ModalWatcher::ModalWatcher()
    : m_nTimer(::SetTimer(nullptr, 0, kWatchEveryMs, &OnTimer)), m_nGaveUp(0)
{
    g_watchers.push_back(this);
}

ModalWatcher::~ModalWatcher()
{
    ::KillTimer(nullptr, m_nTimer);
    g_watchers.erase(std::find(g_watchers.begin(), g_watchers.end(), this));
}

void ModalWatcher::Expect(DialogMatch match, DialogSteps steps)
{
    m_handlers.push_back({std::move(match), std::move(steps), false, false});
}

void ModalWatcher::Always(DialogMatch match, DialogSteps steps)
{
    m_handlers.push_back({std::move(match), std::move(steps), true, false});
}

bool ModalWatcher::AllHandled() const
{
    return m_nGaveUp == 0 && std::all_of(m_handlers.begin(), m_handlers.end(),
                                         [](const Handler& h) { return h.bRepeat || h.bUsed; });
}

bool ModalWatcher::WaitUntilHandled()
{
    ULONGLONG nGiveUp = ::GetTickCount64() + kGiveUpAfterMs;
    while (!AllHandled() && m_nGaveUp == 0 && ::GetTickCount64() < nGiveUp) {
        PumpMessages();
        ::MsgWaitForMultipleObjectsEx(0, nullptr, kWatchEveryMs, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
    return AllHandled();
}

void CALLBACK ModalWatcher::OnTimer(HWND, UINT, UINT_PTR nIDEvent, DWORD)
{
    for (ModalWatcher* pWatcher : g_watchers) {
        if (pWatcher->m_nTimer == nIDEvent) {
            pWatcher->HandleOpenDialogs();
            return;
        }
    }
}

bool ModalWatcher::IsHandled(HWND hDialog) const
{
    return std::any_of(m_handled.begin(), m_handled.end(),
                       [hDialog](const Handled& handled) { return handled.hDialog == hDialog; });
}

// Steps run from inside this function and may come back into it from the loops of the dialogs
// they open: a dialog is marked before its steps begin, and lists are walked by index.
void ModalWatcher::HandleOpenDialogs()
{
    EndOverdueDialogs();
    for (HWND hDialog : ShownDialogs()) {
        if (!IsShownDialog(hDialog) || IsHandled(hDialog))
            continue;
        for (size_t i = 0; i < m_handlers.size(); ++i) {
            if (m_handlers[i].bUsed || !m_handlers[i].match(hDialog))
                continue;
            m_handlers[i].bUsed = !m_handlers[i].bRepeat;
            m_handled.push_back({hDialog, ::GetTickCount64() + ULONGLONG(kGiveUpAfterMs)});
            DialogSteps steps = m_handlers[i].steps;
            steps(hDialog);
            break;
        }
    }
}

void ModalWatcher::EndOverdueDialogs()
{
    ULONGLONG nNow = ::GetTickCount64();
    for (Handled& handled : m_handled) {
        if (nNow > handled.nDeadline && ::IsWindowVisible(handled.hDialog)) {
            handled.nDeadline = ULLONG_MAX;
            ++m_nGaveUp;
            ::EndDialog(handled.hDialog, IDCANCEL);
        }
    }
    m_handled.erase(
        std::remove_if(m_handled.begin(), m_handled.end(),
                       [](const Handled& handled) { return !::IsWindow(handled.hDialog); }),
        m_handled.end());
}

bool ClickDlgItem(HWND hDialog, int nID)
{
    HWND hItem = ::GetDlgItem(hDialog, nID);
    CRect rcItem;
    return hItem != nullptr && ::GetClientRect(hItem, &rcItem) &&
           Click(hItem, rcItem.CenterPoint());
}

bool TypeIntoDlgItem(HWND hDialog, int nID, const std::wstring& text)
{
    // Ctrl+End, then Ctrl+Shift+Home: the whole text is selected, in one line or many.
    return ClickDlgItem(hDialog, nID) && KeyDown(VK_CONTROL) && PressKey(VK_END) &&
           KeyDown(VK_SHIFT) && PressKey(VK_HOME) && KeyUp(VK_SHIFT) && KeyUp(VK_CONTROL) &&
           (text.empty() ? PressKey(VK_DELETE) : TypeText(text));
}

std::wstring DlgItemText(HWND hDialog, int nID)
{
    HWND hItem = ::GetDlgItem(hDialog, nID);
    return hItem != nullptr ? TextOf(hItem) : std::wstring();
}

std::vector<std::wstring> ComboItems(HWND hDialog, int nID)
{
    std::vector<std::wstring> items;
    HWND hList = ::GetDlgItem(hDialog, nID);
    int nCount = int(::SendMessageW(hList, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < nCount; ++i) {
        wchar_t szItem[256] = L"";
        ::SendMessageW(hList, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(szItem));
        items.push_back(szItem);
    }
    return items;
}

//---------------------------------------------------------------------------------------------
// Message boxes

MessageBoxWatcher::MessageBoxWatcher(int nAnswer)
{
    m_watcher.Always(&IsOpenMessageBox, [this, nAnswer](HWND hBox) {
        m_shown.push_back(Describe(hBox));
        const std::vector<int>& buttons = m_shown.back().buttons;
        int nButton =
            ::GetDlgItem(hBox, nAnswer) != nullptr || buttons.empty() ? nAnswer : buttons.front();
        ClickDlgItem(hBox, nButton);
    });
}

MainWindowScope::MainWindowScope(CWnd* pWnd) : m_pPrevious(AfxGetApp()->m_pMainWnd)
{
    AfxGetApp()->m_pMainWnd = pWnd;
}

MainWindowScope::~MainWindowScope()
{
    AfxGetApp()->m_pMainWnd = m_pPrevious;
}

} // namespace pgtest
