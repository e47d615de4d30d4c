// The frame container: its list of controls, its layout and its own place in a frame tree.
#include "frame/ZNFrameContainer.h"

#include "frame/ZNFrameLayout.h"

#include <algorithm>

namespace {

// Room a container keeps free on each side until told otherwise.
constexpr int kDefaultMargin = 4;

} // namespace

IMPLEMENT_DYNAMIC(CZNFrameContainer, CDialog)

BEGIN_MESSAGE_MAP(CZNFrameContainer, CDialog)
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_SYSCOMMAND()
    ON_WM_CLOSE()
END_MESSAGE_MAP()

CZNFrameContainer::CZNFrameContainer()
    : CZNFrameControl(FCK_CONTAINER), m_pLayout(nullptr),
      m_rcMargins(kDefaultMargin, kDefaultMargin, kDefaultMargin, kDefaultMargin),
      m_pTabItem(nullptr)
{
}

CZNFrameContainer::~CZNFrameContainer()
{
    for (CZNFrameControl* pControl : m_Controls) {
        if (pControl != nullptr)
            pControl->Release();
    }
    if (m_hWnd != nullptr)
        DestroyWindow();
    if (m_pLayout != nullptr)
        m_pLayout->Release();
}

//---------------------------------------------------------------------------------------------
// Controls

bool CZNFrameContainer::AddControl(CZNFrameControl* pControl)
{
    return InsertControl(pControl, GetControlCount());
}

bool CZNFrameContainer::InsertControl(CZNFrameControl* pControl, int nIndex)
{
    if (pControl == nullptr || nIndex < 0 || nIndex > GetControlCount())
        return false;
    pControl->SetParentContainer(this);
    m_Controls.insert(m_Controls.begin() + nIndex, pControl);
    if (m_pLayout != nullptr)
        m_pLayout->OnControlInserted(nIndex);
    return true;
}

bool CZNFrameContainer::RemoveControlAt(int nIndex)
{
    if (nIndex < 0 || nIndex >= GetControlCount())
        return false;
    if (CZNFrameControl* pControl = m_Controls[size_t(nIndex)])
        pControl->SetParentContainer(nullptr);
    m_Controls.erase(m_Controls.begin() + nIndex);
    if (m_pLayout != nullptr)
        m_pLayout->OnControlRemoved(nIndex);
    return true;
}

bool CZNFrameContainer::RemoveControl(CZNFrameControl* pControl)
{
    auto it = std::find(m_Controls.begin(), m_Controls.end(), pControl);
    return it != m_Controls.end() && RemoveControlAt(int(it - m_Controls.begin()));
}

CZNFrameControl* CZNFrameContainer::GetControl(int nIndex) const
{
    return nIndex < 0 || nIndex >= GetControlCount() ? nullptr : m_Controls[size_t(nIndex)];
}

int CZNFrameContainer::GetControlCount() const
{
    return int(m_Controls.size());
}

//---------------------------------------------------------------------------------------------
// Layout, tab page and margins

void CZNFrameContainer::SetLayout(CZNFrameLayout* pLayout)
{
    if (m_pLayout != nullptr && m_pLayout != pLayout)
        m_pLayout->Release();
    m_pLayout = pLayout;
}

CZNFrameLayout* CZNFrameContainer::GetLayout() const
{
    return m_pLayout;
}

void CZNFrameContainer::GetLayoutRect(RECT* pRect) const
{
    GetClientRect(pRect);
}

void CZNFrameContainer::SetTabItem(CWnd* pTabItem)
{
    m_pTabItem = pTabItem;
}

CWnd* CZNFrameContainer::GetTabItem() const
{
    return m_pTabItem;
}

void CZNFrameContainer::SetMargins(int left, int top, int right, int bottom)
{
    m_rcMargins.SetRect(left, top, right, bottom);
}

void CZNFrameContainer::GetMargins(RECT* pMargins) const
{
    *pMargins = m_rcMargins;
}

void CZNFrameContainer::RecalcLayout()
{
    if (m_pLayout != nullptr)
        m_pLayout->RecalcLayout();
}

//---------------------------------------------------------------------------------------------
// The container as a frame control

void CZNFrameContainer::SetSize(int, int) {}

void CZNFrameContainer::SetPosition(int, int) {}

void CZNFrameContainer::SetRect(int left, int top, int right, int bottom)
{
    SetWindowRect(m_hWnd, left, top, right, bottom);
    RecalcLayout();
}

void CZNFrameContainer::GetRect(RECT* pRect) const
{
    GetPreferredRectOfWindow(m_hWnd, pRect);
}

void CZNFrameContainer::GetPreferredSize(SIZE* pSize, bool bMax) const
{
    CRect rcBounds;
    if (m_pLayout != nullptr)
        m_pLayout->GetBounds(&rcBounds, bMax);
    pSize->cx = std::max<LONG>(pSize->cx, rcBounds.Width()) + m_rcMargins.left + m_rcMargins.right;
    pSize->cy = std::max<LONG>(pSize->cy, rcBounds.Height()) + m_rcMargins.top + m_rcMargins.bottom;
}

void CZNFrameContainer::Release()
{
    delete this;
}

//---------------------------------------------------------------------------------------------
// Messages

void CZNFrameContainer::OnSize(UINT nType, int cx, int cy)
{
    CDialog::OnSize(nType, cx, cy);
    RecalcLayout();
}

// Nothing of its own to draw: the dialog background is erased, the controls paint themselves.
void CZNFrameContainer::OnPaint()
{
    PAINTSTRUCT ps;
    BeginPaint(&ps);
    EndPaint(&ps);
}

// A container is part of the window it sits in, not a window the user moves or sizes: system
// commands sent to it, the size grip's SC_SIZE among them, are meant for that window.
void CZNFrameContainer::OnSysCommand(UINT nID, LPARAM lParam)
{
    CWnd* pParent = GetParent();
    if ((GetStyle() & WS_CHILD) != 0 && pParent != nullptr)
        pParent->SendMessage(WM_SYSCOMMAND, nID, lParam);
    else
        CDialog::OnSysCommand(nID, lParam);
}

// Escape in a multi-line edit control asks the control's parent to close: a container passes
// the request on to the window it sits in, whose dialog turns it into its Cancel.
void CZNFrameContainer::OnClose()
{
    CWnd* pParent = GetParent();
    if ((GetStyle() & WS_CHILD) != 0 && pParent != nullptr)
        pParent->SendMessage(WM_CLOSE);
    else
        CDialog::OnClose();
}
