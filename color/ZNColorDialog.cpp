#include <ZNColorDialog.h>

#include "resources/resource.h"

#include <afxcmn.h>

#include <cwchar>
#include <iterator>
#include <utility>

namespace {

constexpr int kRedField = 706;
constexpr int kGreenField = 707;
constexpr int kBlueField = 708;
constexpr int kAddToCustomColors = 712;
// The description edit is moved to this x, at this width (pixels), on the palette's left edge.
constexpr int kDescriptionLeft = 9;
constexpr int kDescriptionWidth = 195;
constexpr int kLongestDescription = 255;
constexpr int kIconSize = 16;

constexpr wchar_t kFileDescriptionSection[] = L"Description";
constexpr wchar_t kPaletteFilter[] = L"Custom Color Palettes (*.ccp)|*.ccp|All Files (*.*)|*.*||";
constexpr DWORD kPaletteFileFlags =
    OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_EXPLORER | OFN_ENABLESIZING;

// What the one open chooser of the process shares with its hooks.
struct ChooserState
{
    CZNColorDialog* pDialog = nullptr; // the open chooser, null when none is
    HWND hDialog = nullptr;            // its window
    HWND hToolTip = nullptr;           // the tips of its load and save buttons
    HHOOK hMessageHook = nullptr;      // relays to the tips, and arrow keys to the palette
    UINT nColorOK = 0;                 // "commdlg_ColorOK": the user pressed OK
    UINT nSetRGB = 0;                  // "commdlg_SetRGBColor": select a colour
};
ChooserState g_chooser;

DWORD MakeRGBA(int nRed, int nGreen, int nBlue, int nAlpha)
{
    return DWORD(nRed & 0xFF) | DWORD(nGreen & 0xFF) << 8 | DWORD(nBlue & 0xFF) << 16 |
           DWORD(nAlpha & 0xFF) << 24;
}

bool IsMouseMessage(UINT message)
{
    return message == WM_MOUSEMOVE || message == WM_LBUTTONDOWN || message == WM_LBUTTONUP ||
           message == WM_RBUTTONDOWN || message == WM_RBUTTONUP;
}

CString DescriptionKey(int nIndex)
{
    return L"Description" + CCustomColorPalette::EntryKey(nIndex);
}

} // namespace

IMPLEMENT_DYNAMIC(CZNColorDialog, CColorDialog)

CZNColorDialog::CZNColorDialog(DWORD dwColor, DWORD dwFlags, CWnd* pParentWnd)
    : CColorDialog(dwColor & 0x00FFFFFF, dwFlags & ~ZNCC_EDITALPHA, pParentWnd), m_nCurrentIndex(0),
      m_clrResult((dwFlags & ZNCC_EDITALPHA) != 0 ? dwColor : dwColor | 0xFF000000)
{
    m_cc.Flags |= CC_ENABLEHOOK | CC_ENABLETEMPLATE;
    m_cc.lpTemplateName = MAKEINTRESOURCEW(IDD_COLORDIALOG);
    m_cc.hInstance = reinterpret_cast<HWND>(AfxGetResourceHandle());
    m_cc.lCustData = reinterpret_cast<LPARAM>(this);
    m_cc.lpfnHook = &HookProc;
}

INT_PTR CZNColorDialog::DoModal()
{
    if (g_chooser.pDialog != nullptr) {
        ::SetForegroundWindow(g_chooser.hDialog);
        return IDCANCEL;
    }
    return CColorDialog::DoModal();
}

//---------------------------------------------------------------------------------------------
// The hooks

// The system's dialog calls this before its own handling of each message; 0 lets it go on.
UINT_PTR CALLBACK CZNColorDialog::HookProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        auto* pChooseColor = reinterpret_cast<CHOOSECOLOR*>(lParam);
        reinterpret_cast<CZNColorDialog*>(pChooseColor->lCustData)->OnInitChooser(hDlg);
        return 0;
    }
    CZNColorDialog* pThis = g_chooser.pDialog;
    if (pThis == nullptr || hDlg != g_chooser.hDialog)
        return 0;
    switch (message) {
    case WM_COMMAND:
        pThis->OnCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_CTLCOLOREDIT:
        if (reinterpret_cast<HWND>(lParam) == ::GetDlgItem(hDlg, IDC_COLORDIALOG_DESCRIPTION))
            return reinterpret_cast<UINT_PTR>(
                pThis->OnDescriptionColor(reinterpret_cast<HDC>(wParam)));
        return 0;
    case WM_DESTROY:
        pThis->OnDestroyChooser();
        return 0;
    case CPM_APPLYCOLOR:
        pThis->OnApplyColor(reinterpret_cast<const DWORD*>(lParam));
        return 0;
    case CPM_SELCHANGE:
        pThis->OnSelectEntry(int(wParam));
        return 0;
    case CPM_CLEARCOLOR:
        pThis->OnClearEntry(int(wParam));
        return 0;
    default:
        if (message == g_chooser.nColorOK && message != 0)
            pThis->OnColorAccepted();
        return 0;
    }
}

// Under the system's modal loop the chooser's own PreTranslateMessage does not run: the hook
// sees each message taken from the queue instead.
LRESULT CALLBACK CZNColorDialog::MessageHookProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    const auto* pMsg = reinterpret_cast<const MSG*>(lParam);
    if (nCode == HC_ACTION && wParam == PM_REMOVE && g_chooser.hDialog != nullptr &&
        ::IsChild(g_chooser.hDialog, pMsg->hwnd)) {
        HWND hPalette = g_chooser.pDialog->m_Palette.m_hWnd;
        // The dialog manager takes the arrow keys for moving between controls.
        if (pMsg->message == WM_KEYDOWN && pMsg->wParam >= VK_LEFT && pMsg->wParam <= VK_DOWN &&
            ::GetFocus() == hPalette)
            ::SendMessageW(hPalette, WM_KEYDOWN, pMsg->wParam, pMsg->lParam);
        else if (IsMouseMessage(pMsg->message))
            ::SendMessageW(g_chooser.hToolTip, TTM_RELAYEVENT, 0, lParam);
    }
    return ::CallNextHookEx(g_chooser.hMessageHook, nCode, wParam, lParam);
}

//---------------------------------------------------------------------------------------------
// Messages of the system's dialog

void CZNColorDialog::OnInitChooser(HWND hDlg)
{
    g_chooser.pDialog = this;
    g_chooser.hDialog = hDlg;
    LoadProfileColors();
    // The creation hook made the system's window this object's.
    m_Palette.SubclassDlgItem(IDC_COLORDIALOG_PALETTE, this);

    CToolTipCtrl toolTip;
    toolTip.Create(this, TTS_ALWAYSTIP);
    toolTip.AddTool(GetDlgItem(IDC_COLORDIALOG_LOAD), L"Load Custom Colors");
    toolTip.AddTool(GetDlgItem(IDC_COLORDIALOG_SAVE), L"Save Custom Colors");
    // The window outlives the object: it goes back to its own procedure.
    g_chooser.hToolTip = toolTip.UnsubclassWindow();

    CWnd* pDescription = GetDlgItem(IDC_COLORDIALOG_DESCRIPTION);
    CRect rcDescription;
    pDescription->GetWindowRect(&rcDescription);
    ScreenToClient(&rcDescription);
    pDescription->MoveWindow(kDescriptionLeft, rcDescription.top, kDescriptionWidth,
                             rcDescription.Height());

    g_chooser.hMessageHook =
        ::SetWindowsHookExW(WH_GETMESSAGE, &MessageHookProc, nullptr, ::GetCurrentThreadId());
    CenterWindow();
    g_chooser.nColorOK = ::RegisterWindowMessageW(COLOROKSTRINGW);
    HINSTANCE hResources = reinterpret_cast<HINSTANCE>(m_cc.hInstance);
    const std::pair<int, int> iconOfButton[] = {{IDC_COLORDIALOG_LOAD, IDI_COLORDIALOG_LOAD},
                                                {IDC_COLORDIALOG_SAVE, IDI_COLORDIALOG_SAVE}};
    for (const auto& [nButton, nIcon] : iconOfButton) {
        HANDLE hIcon = ::LoadImageW(hResources, MAKEINTRESOURCEW(nIcon), IMAGE_ICON, kIconSize,
                                    kIconSize, LR_SHARED);
        SendDlgItemMessage(nButton, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(hIcon));
    }

    ShowDescription();
    SetFieldValue(IDC_COLORDIALOG_ALPHA, int(m_clrResult >> 24));
    SendDlgItemMessage(IDC_COLORDIALOG_ALPHA, EM_LIMITTEXT, 3);
}

void CZNColorDialog::OnCommand(UINT nID, UINT nCode)
{
    if (nCode == BN_CLICKED) {
        if (nID == IDC_COLORDIALOG_SAVE)
            SavePaletteFile();
        else if (nID == IDC_COLORDIALOG_LOAD)
            LoadPaletteFile();
        else if (nID == kAddToCustomColors)
            AddToPalette();
        else if (nID == IDOK)
            OnColorAccepted();
    } else if (nCode == EN_KILLFOCUS) {
        if (nID == IDC_COLORDIALOG_DESCRIPTION)
            StoreDescription();
        else if (nID == IDC_COLORDIALOG_ALPHA)
            ClampAlpha();
    }
}

void CZNColorDialog::OnDestroyChooser()
{
    ::DestroyWindow(g_chooser.hToolTip);
    ::UnhookWindowsHookEx(g_chooser.hMessageHook);
    g_chooser.pDialog = nullptr;
    g_chooser.hDialog = nullptr;
    g_chooser.hToolTip = nullptr;
    g_chooser.hMessageHook = nullptr;
}

// The system's dialog takes the colour from "commdlg_SetRGBColor"; Wine's ignores that message,
// so the red, green and blue fields, which every colour dialog follows, get it as well.
void CZNColorDialog::OnApplyColor(const DWORD* pColor)
{
    if (pColor == nullptr)
        return;
    if (g_chooser.nSetRGB == 0)
        g_chooser.nSetRGB = ::RegisterWindowMessageW(SETRGBSTRINGW);
    DWORD dwColor = *pColor;
    SendMessage(g_chooser.nSetRGB, 0, LPARAM(dwColor & 0x00FFFFFF));
    SetFieldValue(kRedField, int(dwColor & 0xFF));
    SetFieldValue(kGreenField, int((dwColor >> 8) & 0xFF));
    SetFieldValue(kBlueField, int((dwColor >> 16) & 0xFF));
    SetFieldValue(IDC_COLORDIALOG_ALPHA, int(dwColor >> 24));
}

void CZNColorDialog::OnSelectEntry(int nIndex)
{
    if (nIndex < 0 || nIndex >= int(std::size(m_Descriptions)))
        return;
    m_nCurrentIndex = nIndex;
    ShowDescription();
}

void CZNColorDialog::OnClearEntry(int nIndex)
{
    if (nIndex < 0 || nIndex >= int(std::size(m_Descriptions)))
        return;
    m_Descriptions[nIndex].Empty();
    if (nIndex == m_nCurrentIndex)
        ShowDescription();
}

// Wine sends "commdlg_ColorOK" to the owner instead of the hook, so the OK button's own click
// comes here too; the second call on systems that send both stores the same again. A
// description typed and confirmed with Enter never lost the focus: it is taken here.
void CZNColorDialog::OnColorAccepted()
{
    StoreDescription();
    m_clrResult = MakeRGBA(FieldValue(kRedField), FieldValue(kGreenField), FieldValue(kBlueField),
                           FieldValue(IDC_COLORDIALOG_ALPHA));
    SaveProfileColors();
}

// The description looks like a tool tip.
HBRUSH CZNColorDialog::OnDescriptionColor(HDC hDC)
{
    ::SetTextColor(hDC, ::GetSysColor(COLOR_INFOTEXT));
    ::SetBkColor(hDC, ::GetSysColor(COLOR_INFOBK));
    return ::GetSysColorBrush(COLOR_INFOBK);
}

//---------------------------------------------------------------------------------------------
// Fields

int CZNColorDialog::FieldValue(int nID) const
{
    wchar_t szText[16] = L"";
    ::GetDlgItemTextW(m_hWnd, nID, szText, int(std::size(szText)));
    return int(std::wcstol(szText, nullptr, 10));
}

void CZNColorDialog::SetFieldValue(int nID, int nValue)
{
    CString strValue;
    strValue.Format(L"%d", nValue);
    ::SetDlgItemTextW(m_hWnd, nID, strValue);
}

void CZNColorDialog::ShowDescription()
{
    ::SetDlgItemTextW(m_hWnd, IDC_COLORDIALOG_DESCRIPTION, m_Descriptions[m_nCurrentIndex]);
}

void CZNColorDialog::StoreDescription()
{
    wchar_t szText[kLongestDescription + 1] = L"";
    ::GetDlgItemTextW(m_hWnd, IDC_COLORDIALOG_DESCRIPTION, szText, kLongestDescription + 1);
    m_Descriptions[m_nCurrentIndex] = szText;
}

void CZNColorDialog::ClampAlpha()
{
    int nAlpha = FieldValue(IDC_COLORDIALOG_ALPHA);
    if (nAlpha < 0 || nAlpha > 255)
        SetFieldValue(IDC_COLORDIALOG_ALPHA, nAlpha < 0 ? 0 : 255);
}

// The dialog's colour with the alpha field's goes into the palette's selected entry; the system
// dialog then adds it to its own custom colours as well.
void CZNColorDialog::AddToPalette()
{
    m_Palette.SetSelectedColor(MakeRGBA(FieldValue(kRedField), FieldValue(kGreenField),
                                        FieldValue(kBlueField), FieldValue(IDC_COLORDIALOG_ALPHA)));
}

//---------------------------------------------------------------------------------------------
// Profile and palette files

void CZNColorDialog::LoadProfileColors()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
        return;
    m_Palette.LoadFromProfile();
    for (int i = 0; i < int(std::size(m_Descriptions)); ++i)
        m_Descriptions[i] =
            pApp->GetProfileString(CCustomColorPalette::kProfileSection, DescriptionKey(i), L"");
    if (m_hWnd != nullptr)
        ShowDescription();
}

void CZNColorDialog::SaveProfileColors()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
        return;
    m_Palette.SaveToProfile();
    for (int i = 0; i < int(std::size(m_Descriptions)); ++i)
        pApp->WriteProfileString(CCustomColorPalette::kProfileSection, DescriptionKey(i),
                                 m_Descriptions[i]);
}

void CZNColorDialog::LoadPaletteFile()
{
    CFileDialog dialog(TRUE, L"ccp", nullptr, kPaletteFileFlags, kPaletteFilter, this);
    if (dialog.DoModal() != IDOK)
        return;
    CString strPath = dialog.GetPathName();
    m_Palette.LoadFromFile(strPath);
    for (int i = 0; i < int(std::size(m_Descriptions)); ++i) {
        wchar_t szText[kLongestDescription + 1] = L"";
        ::GetPrivateProfileStringW(kFileDescriptionSection, CCustomColorPalette::EntryKey(i), L"",
                                   szText, kLongestDescription + 1, strPath);
        m_Descriptions[i] = szText;
    }
    ShowDescription();
}

void CZNColorDialog::SavePaletteFile()
{
    CFileDialog dialog(FALSE, L"ccp", nullptr, kPaletteFileFlags, kPaletteFilter, this);
    if (dialog.DoModal() != IDOK)
        return;
    CString strPath = dialog.GetPathName();
    m_Palette.SaveToFile(strPath);
    for (int i = 0; i < int(std::size(m_Descriptions)); ++i)
        ::WritePrivateProfileStringW(kFileDescriptionSection, CCustomColorPalette::EntryKey(i),
                                     m_Descriptions[i], strPath);
}
