// The frame dialog: the root container, the size grip and the minimum window size.
#include "frame/ZNFrameDialog.h"

#include "frame/ZNFrameContainer.h"

#include <algorithm>

namespace {

constexpr UINT kSizeGripId = 100;
constexpr DWORD kSizeGripStyle =
    WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | SBS_SIZEGRIP | SBS_SIZEBOXBOTTOMRIGHTALIGN;

} // namespace

IMPLEMENT_DYNAMIC(CZNFrameDialog, CDialog)

BEGIN_MESSAGE_MAP(CZNFrameDialog, CDialog)
    ON_WM_SIZE()
    ON_WM_SIZING()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CZNFrameDialog::CZNFrameDialog(UINT nIDTemplate, CWnd* pParent)
    : CDialog(nIDTemplate, pParent), m_pContainer(nullptr)
{
}

CZNFrameDialog::~CZNFrameDialog()
{
    if (m_pContainer != nullptr)
        m_pContainer->Release();
}

BOOL CZNFrameDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    OnCreateFrame();
    return TRUE;
}

BOOL CZNFrameDialog::CreateSizeGrip()
{
    CRect rc(0, 0, ::GetSystemMetrics(SM_CXHTHUMB), ::GetSystemMetrics(SM_CYVTHUMB));
    return m_pContainer != nullptr &&
           m_SizeGrip.Create(kSizeGripStyle, rc, m_pContainer, kSizeGripId);
}

void CZNFrameDialog::ArrangeFrame(int cx, int cy)
{
    if (m_SizeGrip.m_hWnd != nullptr) {
        CRect rc;
        m_SizeGrip.GetWindowRect(&rc);
        m_SizeGrip.SetWindowPos(nullptr, cx - rc.Width(), cy - rc.Height(), 0, 0,
                                SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        // A maximised window cannot be resized: no grip then.
        m_SizeGrip.ShowWindow(IsZoomed() ? SW_HIDE : SW_SHOW);
    }
    if (m_pContainer != nullptr)
        m_pContainer->SetRect(0, 0, cx, cy);
}

void CZNFrameDialog::OnSize(UINT nType, int cx, int cy)
{
    CDialog::OnSize(nType, cx, cy);
    ArrangeFrame(cx, cy);
}

void CZNFrameDialog::OnSizing(UINT nSide, LPRECT lpRect)
{
    CDialog::OnSizing(nSide, lpRect);
    bool bLeft = nSide == WMSZ_LEFT || nSide == WMSZ_TOPLEFT || nSide == WMSZ_BOTTOMLEFT;
    bool bRight = nSide == WMSZ_RIGHT || nSide == WMSZ_TOPRIGHT || nSide == WMSZ_BOTTOMRIGHT;
    bool bTop = nSide == WMSZ_TOP || nSide == WMSZ_TOPLEFT || nSide == WMSZ_TOPRIGHT;
    bool bBottom = nSide == WMSZ_BOTTOM || nSide == WMSZ_BOTTOMLEFT || nSide == WMSZ_BOTTOMRIGHT;
    if (bLeft)
        lpRect->left = std::min(lpRect->left, lpRect->right - m_sizeMin.cx);
    if (bRight)
        lpRect->right = std::max(lpRect->right, lpRect->left + m_sizeMin.cx);
    if (bTop)
        lpRect->top = std::min(lpRect->top, lpRect->bottom - m_sizeMin.cy);
    if (bBottom)
        lpRect->bottom = std::max(lpRect->bottom, lpRect->top + m_sizeMin.cy);
}

void CZNFrameDialog::OnDestroy()
{
    OnDestroyFrame();
    CDialog::OnDestroy();
}
