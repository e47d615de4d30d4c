#include "DemoScenes.h"

#include "WindowCapture.h"

#include <algorithm>

namespace {

// Timer messages come only when nothing else is waiting, so by then the windows are painted.
constexpr UINT kCaptureDelayMs = 300;

std::vector<HWND> VisibleThreadWindows()
{
    std::vector<HWND> windows;
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND hWnd, LPARAM lParam) -> BOOL {
            if (::IsWindowVisible(hWnd))
                reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(hWnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    return windows;
}

// The windows as they stand on the screen, the topmost painted last, on a neutral background.
pgtest::Pixels CaptureDesktopOf(const std::vector<HWND>& windows)
{
    CRect rcAll;
    for (HWND hWnd : windows) {
        CRect rcWindow;
        ::GetWindowRect(hWnd, &rcWindow);
        rcAll.UnionRect(&rcAll, &rcWindow);
    }
    pgtest::Pixels image;
    image.width = rcAll.Width();
    image.height = rcAll.Height();
    image.colors.assign(size_t(image.width) * size_t(image.height), ::GetSysColor(COLOR_DESKTOP));
    // EnumThreadWindows lists the topmost first.
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
        ::RedrawWindow(*it, nullptr, nullptr,
                       RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
        pgtest::Pixels window = pgtest::CaptureWindow(*it);
        CRect rcWindow;
        ::GetWindowRect(*it, &rcWindow);
        for (int y = 0; y < window.height; ++y) {
            for (int x = 0; x < window.width; ++x) {
                int nX = rcWindow.left - rcAll.left + x;
                int nY = rcWindow.top - rcAll.top + y;
                if (nX >= 0 && nY >= 0 && nX < image.width && nY < image.height)
                    image.colors[size_t(nY) * size_t(image.width) + size_t(nX)] = window.At(x, y);
            }
        }
    }
    return image;
}

} // namespace

CDemoSceneRunner* CDemoSceneRunner::s_pThis = nullptr;

CDemoSceneRunner::CDemoSceneRunner(const CString& strFolder)
    : m_strFolder(strFolder), m_pScene(nullptr), m_bCaptured(false), m_bWritten(false)
{
}

bool CDemoSceneRunner::Run(const std::vector<CDemoScene>& scenes)
{
    ::CreateDirectoryW(m_strFolder, nullptr);
    bool bAllWritten = true;
    for (const CDemoScene& scene : scenes)
        bAllWritten = TakeScene(scene) && bAllWritten;
    return bAllWritten;
}

bool CDemoSceneRunner::TakeScene(const CDemoScene& scene)
{
    m_pScene = &scene;
    m_bCaptured = false;
    m_bWritten = false;
    s_pThis = this;
    UINT_PTR nTimer = ::SetTimer(nullptr, 0, kCaptureDelayMs, &CDemoSceneRunner::OnCaptureTimer);
    if (scene.open)
        scene.open();
    // A state without a loop of its own is captured from this one.
    while (!m_bCaptured && AfxPumpMessage()) {
    }
    ::KillTimer(nullptr, nTimer);
    s_pThis = nullptr;
    return m_bWritten;
}

void CALLBACK CDemoSceneRunner::OnCaptureTimer(HWND, UINT, UINT_PTR nIDEvent, DWORD)
{
    ::KillTimer(nullptr, nIDEvent);
    if (s_pThis != nullptr && !s_pThis->m_bCaptured)
        s_pThis->CaptureAndClose();
}

void CDemoSceneRunner::CaptureAndClose()
{
    m_bCaptured = true;
    CString strPath = m_strFolder + L"\\" + m_pScene->strName + L".png";
    m_bWritten = pgtest::SavePng(CaptureDesktopOf(VisibleThreadWindows()), std::wstring(strPath));
    if (m_pScene->close)
        m_pScene->close();
}
