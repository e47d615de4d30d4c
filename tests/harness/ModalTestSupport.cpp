#include "ModalTestSupport.h"

#include "Input.h"

namespace pgtest {

namespace {

constexpr UINT_PTR kScriptTimer = 1;
constexpr UINT_PTR kGiveUpTimer = 2;
constexpr UINT kGiveUpAfterMs = 10000;
constexpr UINT kWatchEveryMs = 20;
constexpr int kMessageBoxTextId = 0xFFFF;

MessageBoxWatcher* g_pWatcher = nullptr;
WindowSteps* g_pSteps = nullptr;

std::wstring TextOf(HWND hWnd)
{
    CString strText;
    CWnd::FromHandle(hWnd)->GetWindowText(strText);
    return strText.GetString();
}

bool IsOpenMessageBox(HWND hWnd)
{
    wchar_t szClass[16] = L"";
    ::GetClassNameW(hWnd, szClass, 16);
    return ::IsWindowVisible(hWnd) && ::IsWindowEnabled(hWnd) && wcscmp(szClass, L"#32770") == 0 &&
           ::GetDlgItem(hWnd, kMessageBoxTextId) != nullptr;
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

MessageBoxWatcher::MessageBoxWatcher(int nAnswer)
    : m_nAnswer(nAnswer), m_nTimer(::SetTimer(nullptr, 0, kWatchEveryMs, &OnTimer)),
      m_bAnswering(false)
{
    g_pWatcher = this;
}

MessageBoxWatcher::~MessageBoxWatcher()
{
    ::KillTimer(nullptr, m_nTimer);
    g_pWatcher = nullptr;
}

void CALLBACK MessageBoxWatcher::OnTimer(HWND, UINT, UINT_PTR, DWORD)
{
    if (g_pWatcher != nullptr)
        g_pWatcher->AnswerOpenBoxes();
}

// The click runs the box's own handling before the box's loop sees that it ended; the timer
// may fire again meanwhile.
void MessageBoxWatcher::AnswerOpenBoxes()
{
    if (m_bAnswering)
        return;
    m_bAnswering = true;
    std::vector<HWND> boxes;
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND hWnd, LPARAM lParam) -> BOOL {
            if (IsOpenMessageBox(hWnd))
                reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(hWnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&boxes));
    for (HWND hBox : boxes) {
        m_shown.push_back(Describe(hBox));
        const std::vector<int>& buttons = m_shown.back().buttons;
        HWND hButton = ::GetDlgItem(hBox, m_nAnswer);
        if (hButton == nullptr && !buttons.empty())
            hButton = ::GetDlgItem(hBox, buttons.front());
        CRect rcButton;
        ::GetClientRect(hButton, &rcButton);
        pgtest::Click(hButton, rcButton.CenterPoint());
    }
    m_bAnswering = false;
}

WindowSteps::WindowSteps(std::wstring strTitle, std::function<void(HWND)> steps)
    : m_strTitle(std::move(strTitle)), m_steps(std::move(steps)),
      m_nTimer(::SetTimer(nullptr, 0, kWatchEveryMs, &OnTimer)), m_hWndLast(nullptr),
      m_bRunning(false), m_nRuns(0), m_nLeftOpen(0)
{
    g_pSteps = this;
}

WindowSteps::~WindowSteps()
{
    ::KillTimer(nullptr, m_nTimer);
    g_pSteps = nullptr;
}

void CALLBACK WindowSteps::OnTimer(HWND, UINT, UINT_PTR, DWORD)
{
    if (g_pSteps != nullptr)
        g_pSteps->RunForNewWindow();
}

void WindowSteps::RunForNewWindow()
{
    if (m_bRunning)
        return;
    std::pair<const std::wstring*, HWND> search = {&m_strTitle, nullptr};
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND hWnd, LPARAM lParam) -> BOOL {
            auto* pSearch = reinterpret_cast<std::pair<const std::wstring*, HWND>*>(lParam);
            if (!::IsWindowVisible(hWnd) || !::IsWindowEnabled(hWnd) ||
                TextOf(hWnd) != *pSearch->first)
                return TRUE;
            pSearch->second = hWnd;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    HWND hWnd = search.second;
    if (hWnd == nullptr || hWnd == m_hWndLast)
        return;
    m_hWndLast = hWnd;
    m_bRunning = true;
    ++m_nRuns;
    m_steps(hWnd);
    if (::IsWindowVisible(hWnd)) {
        ++m_nLeftOpen;
        ::PostMessageW(hWnd, WM_CLOSE, 0, 0);
    }
    m_bRunning = false;
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
