#include "properties/ZNPropertyGridPropertyMemoValueDlg.h"

#include "model/ZNPropertyGridPaint.h"
#include "properties/ZNPropertyGridPropertyMemo.h"
#include "properties/ZNPropertyGridPropertyMemoExternalDlg.h"

namespace {

// Child, visible, clipping, multi-line with Enter as a line break; scroll bars and scrolling
// follow the property.
constexpr DWORD kRichEditStyle =
    WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | ES_WANTRETURN | ES_MULTILINE;

bool IsKeyDown(const MSG* pMsg, WPARAM vk)
{
    return pMsg->message == WM_KEYDOWN && pMsg->wParam == vk;
}

} // namespace

IMPLEMENT_DYNAMIC(CZNPropertyGridPropertyMemoValueDlg, CZNPropertyGridPropertyValueDlg)

BEGIN_MESSAGE_MAP(CZNPropertyGridPropertyMemoValueDlg, CZNPropertyGridPropertyValueDlg)
    ON_WM_SIZE()
    ON_WM_CTLCOLOR()
    ON_BN_CLICKED(IDC_PROPERTYGRID_BROWSE, &CZNPropertyGridPropertyMemoValueDlg::ExternalEdit)
END_MESSAGE_MAP()

CZNPropertyGridPropertyMemoValueDlg::CZNPropertyGridPropertyMemoValueDlg(CWnd* pParent)
    : CZNPropertyGridPropertyValueDlg(IDD, pParent), m_pValue(nullptr)
{
    // The template names the rich edit's window class, which the library registers.
    AfxInitRichEdit2();
}

CZNPropertyGridPropertyMemo* CZNPropertyGridPropertyMemoValueDlg::Memo() const
{
    // BeginEdit is the only place that sets the property.
    return static_cast<CZNPropertyGridPropertyMemo*>(m_pProperty);
}

void CZNPropertyGridPropertyMemoValueDlg::DoDataExchange(CDataExchange* pDX)
{
    CZNPropertyGridPropertyValueDlg::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PROPERTYGRID_EDIT, m_RichEdit);
    DDX_Control(pDX, IDC_PROPERTYGRID_BROWSE, m_ExpandButton);
}

BOOL CZNPropertyGridPropertyMemoValueDlg::OnInitDialog()
{
    CZNPropertyGridPropertyValueDlg::OnInitDialog();
    if (m_ToolTip.m_hWnd == nullptr)
        m_ToolTip.Create(this);
    m_ToolTip.Activate(TRUE);
    m_ToolTip.AddTool(&m_ExpandButton, L"Expand");
    const LOGFONTW lfStatus = GetStatusFont();
    m_Font.CreateFontIndirect(&lfStatus);
    // The template's default button stands for Enter on the "..." button; a tall cell would
    // show it inside the editor.
    if (CWnd* pDefault = GetDlgItem(IDOK))
        pDefault->ShowWindow(SW_HIDE);
    CRect rcClient;
    GetClientRect(&rcClient);
    LayoutControls(rcClient.Width(), rcClient.Height());
    return TRUE;
}

BOOL CZNPropertyGridPropertyMemoValueDlg::BeginEdit(CZNPropertyGridPropertyMemo* pProperty,
                                                    void* pValue, RECT* pCell)
{
    if (pValue == nullptr)
        return TRUE;
    m_pValue = static_cast<CString*>(pValue);
    m_pProperty = pProperty;
    RecreateRichEdit();
    ShowOver(*pCell, *m_pValue);
    m_ExpandButton.ShowWindow(pProperty->CanExpand() ? SW_SHOW : SW_HIDE);
    CRect rcClient;
    GetClientRect(&rcClient);
    LayoutControls(rcClient.Width(), rcClient.Height());
    return TRUE;
}

void CZNPropertyGridPropertyMemoValueDlg::RecreateRichEdit()
{
    CRect rcRichEdit;
    m_RichEdit.GetWindowRect(&rcRichEdit);
    ScreenToClient(&rcRichEdit);
    m_RichEdit.DestroyWindow();
    Memo()->CreateRichEdit(m_RichEdit, kRichEditStyle, rcRichEdit, this, IDC_PROPERTYGRID_EDIT,
                           m_Font);
}

void CZNPropertyGridPropertyMemoValueDlg::ApplyValue()
{
    ApplyText(m_pValue);
}

void CZNPropertyGridPropertyMemoValueDlg::OnSize(UINT nType, int cx, int cy)
{
    CZNPropertyGridPropertyValueDlg::OnSize(nType, cx, cy);
    LayoutControls(cx, cy);
}

void CZNPropertyGridPropertyMemoValueDlg::LayoutControls(int cx, int cy)
{
    if (m_RichEdit.m_hWnd == nullptr)
        return;
    // The button is as wide as a one-line row is high; the rich edit's right edge lies one
    // pixel under it.
    bool bButton = m_ExpandButton.m_hWnd != nullptr && m_pProperty != nullptr &&
                   (m_ExpandButton.GetStyle() & WS_VISIBLE) != 0;
    if (bButton) {
        int nSide = Memo()->GetLineRowHeight();
        m_ExpandButton.SetWindowPos(nullptr, cx - nSide, 1, nSide - 2, cy - 2, SWP_NOZORDER);
        m_RichEdit.SetWindowPos(nullptr, 1, 2, cx - nSide, cy - 2, SWP_NOZORDER);
    } else {
        m_RichEdit.SetWindowPos(nullptr, 1, 2, cx - 1, cy - 2, SWP_NOZORDER);
    }
}

// The rich edit keeps Enter for its line breaks, so committing takes Ctrl+Enter. Escape is
// taken here too, before the rich edit could turn it into a close request of its own.
BOOL CZNPropertyGridPropertyMemoValueDlg::PreTranslateMessage(MSG* pMsg)
{
    if (m_ToolTip.m_hWnd != nullptr)
        m_ToolTip.RelayEvent(pMsg);
    if (IsKeyDown(pMsg, VK_RETURN) && ::GetKeyState(VK_CONTROL) < 0) {
        OnOK();
        return TRUE;
    }
    if (IsKeyDown(pMsg, VK_ESCAPE)) {
        OnCancel();
        return TRUE;
    }
    return CZNPropertyGridPropertyValueDlg::PreTranslateMessage(pMsg);
}

HBRUSH CZNPropertyGridPropertyMemoValueDlg::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    if (nCtlColor == CTLCOLOR_BTN)
        return ::GetSysColorBrush(COLOR_WINDOW);
    return CZNPropertyGridPropertyValueDlg::OnCtlColor(pDC, pWnd, nCtlColor);
}

// An editor that edits nothing (its property went, or it never opened) opens no dialog: the
// dialog takes its caption from the property.
void CZNPropertyGridPropertyMemoValueDlg::ExternalEdit()
{
    if (Memo() == nullptr)
        return;
    CZNPropertyGridPropertyMemoExternalDlg dialog(Memo(), GetEditText());
    dialog.DoModal();
    m_RichEdit.SetWindowText(dialog.m_strText);
    long nEnd = dialog.m_strText.GetLength();
    m_RichEdit.SetSel(nEnd, nEnd);
    m_RichEdit.SetFocus();
    // Last: the host may remove the property, or the whole tree, when it hears of the change.
    ApplyValue();
}
