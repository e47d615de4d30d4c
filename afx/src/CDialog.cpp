#include "AfxState.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, &CDialog::OnOK)
    ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
    ON_MESSAGE(WM_INITDIALOG, &CDialog::HandleInitDialog)
END_MESSAGE_MAP()

namespace {

// The dialog procedure of every framework dialog: the dialog manager asks it only about
// WM_INITDIALOG; everything else reaches the object through its window procedure.
INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM, LPARAM)
{
    if (message != WM_INITDIALOG)
        return FALSE;
    auto* pDlg = DYNAMIC_DOWNCAST(CDialog, CWnd::FromHandlePermanent(hWnd));
    return pDlg == nullptr ? TRUE : pDlg->OnInitDialog();
}

HWND ParentOrMainWindow(CWnd* pParentWnd)
{
    return pParentWnd != nullptr ? pParentWnd->m_hWnd : AfxGetMainWnd()->GetSafeHwnd();
}

} // namespace

CDialog::CDialog()
    : m_lpszTemplateName(nullptr), m_lpDialogTemplate(nullptr), m_pParentWnd(nullptr),
      m_hWndTop(nullptr)
{
}

CDialog::CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd) : CDialog()
{
    m_lpszTemplateName = lpszTemplateName;
    m_pParentWnd = pParentWnd;
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : CDialog(MAKEINTRESOURCEW(nIDTemplate), pParentWnd)
{
}

LPCDLGTEMPLATE CDialog::LoadTemplate(HINSTANCE* phInst) const
{
    if (m_lpszTemplateName == nullptr) {
        *phInst = AfxGetInstanceHandle();
        return m_lpDialogTemplate;
    }
    *phInst = AfxFindResourceHandle(m_lpszTemplateName, RT_DIALOG);
    HRSRC hResource = ::FindResourceW(*phInst, m_lpszTemplateName, RT_DIALOG);
    HGLOBAL hTemplate = hResource == nullptr ? nullptr : ::LoadResource(*phInst, hResource);
    return static_cast<LPCDLGTEMPLATE>(hTemplate == nullptr ? nullptr : ::LockResource(hTemplate));
}

// A dialog that EndDialog ended during OnInitDialog is destroyed again, and creation fails.
BOOL CDialog::CreateFromTemplate(LPCDLGTEMPLATE lpDialogTemplate, HWND hWndParent, HINSTANCE hInst)
{
    if (lpDialogTemplate == nullptr)
        return FALSE;
    m_nModalResult = -1;
    m_nFlags |= WF_CONTINUEMODAL;
    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateDialogIndirectParamW(hInst, lpDialogTemplate, hWndParent, &AfxDlgProc, 0);
    if (!AfxUnhookWindowCreate())
        PostNcDestroy();
    if (hWnd != nullptr && !ContinueModal()) {
        DestroyWindow();
        return FALSE;
    }
    return hWnd != nullptr;
}

// Without a parent, a modeless dialog belongs to the main window.
BOOL CDialog::Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
{
    m_lpszTemplateName = lpszTemplateName;
    m_pParentWnd = pParentWnd;
    HINSTANCE hInst = nullptr;
    LPCDLGTEMPLATE lpTemplate = LoadTemplate(&hInst);
    return CreateFromTemplate(lpTemplate, ParentOrMainWindow(pParentWnd), hInst);
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    return Create(MAKEINTRESOURCEW(nIDTemplate), pParentWnd);
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd)
{
    m_lpszTemplateName = nullptr;
    m_lpDialogTemplate = lpDialogTemplate;
    m_pParentWnd = pParentWnd;
    return CreateFromTemplate(lpDialogTemplate, ParentOrMainWindow(pParentWnd),
                              AfxGetInstanceHandle());
}

BOOL CDialog::InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd)
{
    m_lpszTemplateName = nullptr;
    m_lpDialogTemplate = lpDialogTemplate;
    m_pParentWnd = pParentWnd;
    return lpDialogTemplate != nullptr;
}

HWND CDialog::PreModal()
{
    HWND hWndOwner = CWnd::GetSafeOwner_(m_pParentWnd->GetSafeHwnd(), &m_hWndTop);
    AfxHookWindowCreate(this);
    return hWndOwner;
}

void CDialog::PostModal()
{
    AfxUnhookWindowCreate();
    Detach();
    if (::IsWindow(m_hWndTop))
        ::EnableWindow(m_hWndTop, TRUE);
    m_hWndTop = nullptr;
}

// OnInitDialog may already end the dialog; the loop then does not run. The dialog shows once
// the queue first runs empty.
INT_PTR CDialog::DoModal()
{
    HINSTANCE hInst = nullptr;
    LPCDLGTEMPLATE lpTemplate = LoadTemplate(&hInst);
    if (lpTemplate == nullptr)
        return -1;

    HWND hWndOwner = PreModal();
    AfxUnhookWindowCreate();
    BOOL bEnableOwner = FALSE;
    if (hWndOwner != nullptr && hWndOwner != ::GetDesktopWindow() && ::IsWindowEnabled(hWndOwner)) {
        ::EnableWindow(hWndOwner, FALSE);
        bEnableOwner = TRUE;
    }

    if (CreateFromTemplate(lpTemplate, hWndOwner, hInst)) {
        if (ContinueModal())
            RunModalLoop(MLF_SHOWONIDLE | ((GetStyle() & DS_NOIDLEMSG) != 0 ? MLF_NOIDLEMSG : 0));
        if (m_hWnd != nullptr)
            SetWindowPos(nullptr, 0, 0, 0, 0,
                         SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    }

    if (bEnableOwner)
        ::EnableWindow(hWndOwner, TRUE);
    if (hWndOwner != nullptr && ::GetActiveWindow() == m_hWnd)
        ::SetActiveWindow(hWndOwner);
    DestroyWindow();
    PostModal();
    return m_nModalResult;
}

void CDialog::EndDialog(int nResult)
{
    if ((m_nFlags & (WF_MODALLOOP | WF_CONTINUEMODAL)) != 0)
        EndModalLoop(nResult);
    ::EndDialog(m_hWnd, nResult);
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM)
{
    return Default(); // the dialog manager calls OnInitDialog through the dialog procedure
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    return CWnd::PreTranslateMessage(pMsg) || PreTranslateInput(pMsg);
}

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl)
{
    SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(pWndCtrl->GetSafeHwnd()), TRUE);
}
