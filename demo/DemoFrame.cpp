#include "DemoFrame.h"

#include "resource.h"

namespace {

// Timer messages come only when nothing else is waiting, so by then the window is painted.
constexpr UINT_PTR kScreenshotTimer = 1;
constexpr UINT kScreenshotDelayMs = 100;

constexpr DWORD kFrameStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

} // namespace

BEGIN_MESSAGE_MAP(CDemoFrame, CFrameWnd)
    ON_WM_CREATE()
    ON_WM_TIMER()
    ON_COMMAND(ID_APP_EXIT, &CDemoFrame::OnAppExit)
END_MESSAGE_MAP()

CDemoFrame::CDemoFrame(const CString& strScreenshotFolder, bool& bScreenshotsWritten)
    : m_strScreenshotFolder(strScreenshotFolder), m_bScreenshotsWritten(bScreenshotsWritten)
{
}

BOOL CDemoFrame::CreateDemo()
{
    if (!Create(nullptr, L"Tarvex.PropertyGrid Demo", kFrameStyle, rectDefault, nullptr,
                MAKEINTRESOURCEW(IDR_DEMO)))
        return FALSE;
    LoadAccelTable(MAKEINTRESOURCEW(IDR_DEMO));
    return TRUE;
}

int CDemoFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1 || !m_Form.Create(this))
        return -1;
    FitToForm();
    if (!m_strScreenshotFolder.IsEmpty())
        SetTimer(kScreenshotTimer, kScreenshotDelayMs);
    return 0;
}

// The frame's client area is exactly the form.
void CDemoFrame::FitToForm()
{
    CRect rcForm;
    m_Form.GetWindowRect(&rcForm);
    CRect rcFrame(0, 0, rcForm.Width(), rcForm.Height());
    ::AdjustWindowRectEx(&rcFrame, GetStyle(), TRUE, GetExStyle());
    SetWindowPos(nullptr, 0, 0, rcFrame.Width(), rcFrame.Height(),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    m_Form.SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The grid takes the Edit commands for its open editor before the frame sees them.
BOOL CDemoFrame::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (m_Form.GetGrid().m_hWnd != nullptr &&
        m_Form.GetGrid().OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CDemoFrame::OnAppExit()
{
    DestroyWindow();
}

void CDemoFrame::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kScreenshotTimer) {
        CFrameWnd::OnTimer(nIDEvent);
        return;
    }
    KillTimer(kScreenshotTimer);
    m_bScreenshotsWritten = CDemoSceneRunner(m_strScreenshotFolder).Run(Scenes());
    DestroyWindow();
}

CDemoScene CDemoFrame::EditorScene(const wchar_t* pszName, eZNPropertyGridType eType)
{
    return {pszName, [this, eType] { m_Form.OpenEditorOf(eType); },
            [this] { m_Form.GetGrid().DeactivateProperty(); }};
}

std::vector<CDemoScene> CDemoFrame::Scenes()
{
    return {
        {L"grid", nullptr, nullptr},
        {L"enum-dropdown", [this] { m_Form.DropDownShape(); },
         [this] { m_Form.GetGrid().DeactivateProperty(); }},
        {L"memo-external", [this] { m_Form.ExpandSource(); },
         [] {
             if (CWnd* pEditor = CDemoForm::FindSourceEditor())
                 pEditor->PostMessage(WM_CLOSE);
         }},
        EditorScene(L"text-editor", PGT_TEXT),
        EditorScene(L"integer-editor", PGT_INTEGER),
        EditorScene(L"float-editor", PGT_FLOAT),
        EditorScene(L"vector3-editor", PGT_VECTOR3),
        EditorScene(L"vector4-editor", PGT_VECTOR4),
        EditorScene(L"file-editor", PGT_FILE),
        EditorScene(L"color-editor", PGT_COLORVECTOR4),
        EditorScene(L"memo-editor", PGT_MEMO),
        // The chooser runs its loop inside the button's click; the picture is taken in there.
        {L"color-chooser", [this] { m_Form.PickTint(); },
         [this] { GetLastActivePopup()->PostMessage(WM_COMMAND, IDCANCEL); }},
    };
}
