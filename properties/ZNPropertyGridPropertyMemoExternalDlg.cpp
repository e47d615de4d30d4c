#include "properties/ZNPropertyGridPropertyMemoExternalDlg.h"

#include "frame/ZNFrameContainer.h"
#include "frame/ZNFrameControlWnd.h"
#include "frame/ZNFrameFactory.h"
#include "frame/ZNFrameLayout.h"
#include "model/ZNPropertyGridPaint.h"
#include "properties/ZNPropertyGridPropertyMemo.h"

namespace {

// Room between the client area's edges and the inner container, and between that and the text.
constexpr int kOuterMargin = 11;
constexpr int kInnerMargin = 2;

// Child, visible, clipping, sunken, multi-line with Enter as a line break; scroll bars and
// scrolling follow the property.
constexpr DWORD kRichEditStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN |
                                 ES_SUNKEN | ES_WANTRETURN | ES_MULTILINE;

CZNFrameContainer* BorderContainer(CWnd* pParent, CRect rc, int nMargin)
{
    CZNFrameContainer* pContainer = nullptr;
    if (!GetFrameFactory().CreateContainer(pParent, &rc, CZNFrameLayout::FLK_BORDER, &pContainer))
        return nullptr;
    pContainer->SetMargins(nMargin, nMargin, nMargin, nMargin);
    return pContainer;
}

} // namespace

IMPLEMENT_DYNAMIC(CZNPropertyGridPropertyMemoExternalDlg, CZNFrameDialog)

CZNPropertyGridPropertyMemoExternalDlg::CZNPropertyGridPropertyMemoExternalDlg(
    CZNPropertyGridPropertyMemo* pProperty, const wchar_t* pszText, CWnd* pParent)
    : CZNFrameDialog(IDD, pParent), m_pProperty(pProperty), m_strText(pszText)
{
    // The template names the rich edit's window class, which the library registers.
    AfxInitRichEdit2();
}

void CZNPropertyGridPropertyMemoExternalDlg::DoDataExchange(CDataExchange* pDX)
{
    CZNFrameDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PROPERTYGRID_MEMO_TEXT, m_RichEdit);
}

// A border container with the size grip around an inner one around the rich edit, both in the
// centre: the text keeps the client area less 13 pixels on every side.
bool CZNPropertyGridPropertyMemoExternalDlg::OnCreateFrame()
{
    CRect rc;
    GetClientRect(&rc);
    m_pContainer = BorderContainer(this, rc, kOuterMargin);
    if (m_pContainer == nullptr)
        return false;
    CreateSizeGrip();
    CZNFrameContainer* pInner = BorderContainer(m_pContainer, rc, kInnerMargin);
    if (pInner == nullptr)
        return false;
    pInner->AddControl(new CZNFrameControlWnd(m_RichEdit.m_hWnd));
    m_pContainer->AddControl(pInner);
    ArrangeFrame(rc.Width(), rc.Height());
    GetFrameFactory().LoadPlacement(m_pContainer, this, kPlacementName);
    return true;
}

void CZNPropertyGridPropertyMemoExternalDlg::OnDestroyFrame()
{
    GetFrameFactory().SavePlacement(m_pContainer, this, kPlacementName);
}

BOOL CZNPropertyGridPropertyMemoExternalDlg::OnInitDialog()
{
    CZNFrameDialog::OnInitDialog();
    SetWindowText(m_pProperty->GetName());
    ReplaceRichEdit();
    m_RichEdit.SetFocus();
    return FALSE;
}

void CZNPropertyGridPropertyMemoExternalDlg::ReplaceRichEdit()
{
    // The template's control leaves the tree; the container gives it back to the dialog.
    CWnd* pParent = m_RichEdit.GetParent();
    auto* pInner = DYNAMIC_DOWNCAST(CZNFrameContainer, pParent);
    if (pInner != nullptr) {
        if (CZNFrameControl* pControl = pInner->GetControl(0)) {
            pInner->RemoveControlAt(0);
            pControl->Release();
        }
    }
    CRect rcRichEdit;
    m_RichEdit.GetWindowRect(&rcRichEdit);
    pParent->ScreenToClient(&rcRichEdit);
    m_RichEdit.DestroyWindow();
    if (m_SizeGrip.m_hWnd != nullptr)
        m_SizeGrip.ModifyStyle(0, WS_CLIPSIBLINGS | WS_CLIPCHILDREN, SWP_FRAMECHANGED);

    // The rich edit takes its character format from the font as it gets it.
    CFont font;
    const LOGFONTW lfStatus = GetStatusFont();
    font.CreateFontIndirect(&lfStatus);
    m_pProperty->CreateRichEdit(m_RichEdit, kRichEditStyle, rcRichEdit, pParent,
                                IDC_PROPERTYGRID_MEMO_TEXT, font);
    m_RichEdit.SetWindowText(m_strText);
    m_RichEdit.SetSel(m_strText.GetLength(), m_strText.GetLength());
    if (pInner != nullptr)
        pInner->AddControl(new CZNFrameControlWnd(m_RichEdit.m_hWnd));
    m_RichEdit.SetOwner(this);
    CRect rcClient;
    GetClientRect(&rcClient);
    ArrangeFrame(rcClient.Width(), rcClient.Height());
}

void CZNPropertyGridPropertyMemoExternalDlg::KeepText()
{
    if (m_RichEdit.m_hWnd != nullptr)
        m_RichEdit.GetWindowText(m_strText);
}

void CZNPropertyGridPropertyMemoExternalDlg::OnOK()
{
    KeepText();
    CZNFrameDialog::OnOK();
}

// Escape, the close box and Alt+F4 end here: closing the window keeps the edits.
void CZNPropertyGridPropertyMemoExternalDlg::OnCancel()
{
    KeepText();
    CZNFrameDialog::OnCancel();
}
