#include "properties/ZNPropertyGridPropertyColorVector4.h"

#include "grid/ModuleStartup.h"
#include "properties/ZNPropertyGridPropertyVector.h"

#include <ZNColorDialog.h>

#include <algorithm>
#include <stdio.h>

namespace {

// A byte b is the fraction b times this (1/255 in single precision, rounded up, so that every
// byte comes back unchanged through ToByte).
constexpr float kByteToUnit = 0.003921569f;
// The editor starts this far right of the cell's left edge, past the swatch.
constexpr int kSwatchSkip = 22;
// Between the swatch and the text.
constexpr int kSwatchGap = 4;

float Clamped(float f)
{
    return f > 1.0f ? 1.0f : (f < 0.0f ? 0.0f : f);
}

// Times 255, truncated toward zero: what the cell and the host see of a fraction.
int ToByte(float f)
{
    return int(f * 255.0f);
}

// The chooser's RGBA word of four fractions in 0..1, and back.
DWORD PackColor(const float* pComponents)
{
    DWORD dwColor = 0;
    for (int i = 0; i < 4; ++i)
        dwColor |= DWORD(ToByte(pComponents[i]) & 0xFF) << (8 * i);
    return dwColor;
}

float UnpackComponent(DWORD dwColor, int nIndex)
{
    return float((dwColor >> (8 * nIndex)) & 0xFF) * kByteToUnit;
}

DWORD ParseOptions(const wchar_t* pszOptions)
{
    DWORD dwOptions = 0;
    if (pszOptions == nullptr)
        return dwOptions;
    CString strOptions = pszOptions;
    int nStart = 0;
    for (CString strWord = strOptions.Tokenize(L";", nStart); nStart >= 0;
         strWord = strOptions.Tokenize(L";", nStart)) {
        if (strWord.CompareNoCase(L"noalpha") == 0)
            dwOptions |= CZNPropertyGridPropertyColorVector4::kNoAlpha;
        else if (strWord.CompareNoCase(L"showasbyte") == 0)
            dwOptions |= CZNPropertyGridPropertyColorVector4::kShowAsByte;
    }
    return dwOptions;
}

} // namespace

CZNPropertyGridPropertyColorVector4::CZNPropertyGridPropertyColorVector4(
    CZNPropertyGridCategory* pCategory, const wchar_t* pszName, const wchar_t* pszHelp,
    unsigned nID, const wchar_t* pszOptions)
    : CZNPropertyGridTextualProperty(pCategory, pszName, pszHelp, nID, PGT_COLORVECTOR4,
                                     L"PropertyGridPropertyColorVector4"),
      m_dwColorOptions(ParseOptions(pszOptions))
{
}

void CZNPropertyGridPropertyColorVector4::FormatValue(float r, float g, float b, float a,
                                                      CString& strText)
{
    const float clamped[kComponents] = {Clamped(r), Clamped(g), Clamped(b), Clamped(a)};
    bool bAlpha = (m_dwColorOptions & kNoAlpha) == 0;
    if ((m_dwColorOptions & kShowAsByte) != 0) {
        int bytes[kComponents];
        std::transform(clamped, clamped + kComponents, bytes,
                       [](float f) { return ToByte(f) & 0xFF; });
        if (bAlpha)
            strText.Format(L"%d, %d, %d, %d", bytes[0], bytes[1], bytes[2], bytes[3]);
        else
            strText.Format(L"%d, %d, %d", bytes[0], bytes[1], bytes[2]);
    } else if (bAlpha) {
        strText.Format(L"%f, %f, %f, %f", double(clamped[0]), double(clamped[1]),
                       double(clamped[2]), double(clamped[3]));
    } else {
        strText.Format(L"%f, %f, %f", double(clamped[0]), double(clamped[1]), double(clamped[2]));
    }
}

// The scans call the C runtime's own swscanf, as the vector types do, for the Microsoft
// runtime's reading of numbers.
int CZNPropertyGridPropertyColorVector4::ParseValue(const wchar_t* pszText, float* pComponents)
{
    std::fill_n(pComponents, kComponents, 0.0f);
    bool bAlpha = (m_dwColorOptions & kNoAlpha) == 0;
    int nRead = 0;
    if ((m_dwColorOptions & kShowAsByte) != 0) {
        int bytes[kComponents] = {};
        nRead = bAlpha ? __ms_swscanf(pszText, L"%d, %d, %d, %d", &bytes[0], &bytes[1], &bytes[2],
                                      &bytes[3])
                       : __ms_swscanf(pszText, L"%d, %d, %d", &bytes[0], &bytes[1], &bytes[2]);
        std::transform(bytes, bytes + kComponents, pComponents,
                       [](int nByte) { return float(nByte) * kByteToUnit; });
    } else {
        nRead = bAlpha ? __ms_swscanf(pszText, L"%f, %f, %f, %f", &pComponents[0], &pComponents[1],
                                      &pComponents[2], &pComponents[3])
                       : __ms_swscanf(pszText, L"%f, %f, %f", &pComponents[0], &pComponents[1],
                                      &pComponents[2]);
    }
    if (!bAlpha)
        pComponents[3] = 1.0f;
    std::transform(pComponents, pComponents + kComponents, pComponents, Clamped);
    return nRead;
}

void CZNPropertyGridPropertyColorVector4::ValueText(float* pValue, CString& strText)
{
    strText.Format(L"%d, %d, %d", ToByte(pValue[0]), ToByte(pValue[1]), ToByte(pValue[2]));
}

void CZNPropertyGridPropertyColorVector4::DisplayText(float* pValue, CString& strText)
{
    FormatValue(pValue[0], pValue[1], pValue[2], pValue[3], strText);
}

// The swatch is two thirds of the text's height high, centred, outlined in black.
void CZNPropertyGridPropertyColorVector4::DrawValue(PropertyGridDrawContext* pContext, int nColumn,
                                                    RECT* pCell)
{
    CRect rcText;
    if (!DrawValueBase(pContext, nColumn, *pCell, rcText))
        return;
    float* pValue = ValueAt(nColumn - 1);
    CDC* pDC = CDC::FromHandle(pContext->hDC);
    int nSide = rcText.Height();
    int nHeight = 2 * nSide / 3;
    int nTop = rcText.top + (nSide - nHeight) / 2;
    CBrush brush(
        RGB(ToByte(Clamped(pValue[0])), ToByte(Clamped(pValue[1])), ToByte(Clamped(pValue[2]))));
    CGdiObject* pOldPen = pDC->SelectStockObject(BLACK_PEN);
    CBrush* pOldBrush = pDC->SelectObject(&brush);
    pDC->Rectangle(rcText.left, nTop, rcText.left + nSide, nTop + nHeight);
    pDC->SelectObject(pOldBrush);
    pDC->SelectObject(pOldPen);

    rcText.left += nSide + kSwatchGap;
    CString strText;
    DisplayText(pValue, strText);
    pDC->DrawText(strText, &rcText, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
}

void CZNPropertyGridPropertyColorVector4::BeginEditor(
    CZNPropertyGridPropertyColorVector4ValueDlg& editor, int nIndex, void* pValue, RECT* pCell)
{
    pCell->left += kSwatchSkip;
    editor.BeginEdit(this, pValue, pCell);
}

//---------------------------------------------------------------------------------------------
// The editor

IMPLEMENT_DYNAMIC(CZNPropertyGridPropertyColorVector4ValueDlg, CZNPropertyGridButtonEditDlg)

BEGIN_MESSAGE_MAP(CZNPropertyGridPropertyColorVector4ValueDlg, CZNPropertyGridButtonEditDlg)
    ON_BN_CLICKED(IDC_PROPERTYGRID_BROWSE, &CZNPropertyGridPropertyColorVector4ValueDlg::OnPick)
END_MESSAGE_MAP()

CZNPropertyGridPropertyColorVector4ValueDlg::CZNPropertyGridPropertyColorVector4ValueDlg(
    CWnd* pParent)
    : CZNPropertyGridButtonEditDlg(IDD, pParent), m_pValue(nullptr)
{
}

void CZNPropertyGridPropertyColorVector4ValueDlg::DoDataExchange(CDataExchange* pDX)
{
    CZNPropertyGridButtonEditDlg::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PROPERTYGRID_BROWSE, m_PickButton);
}

BOOL CZNPropertyGridPropertyColorVector4ValueDlg::OnInitDialog()
{
    CZNPropertyGridButtonEditDlg::OnInitDialog();
    AddButtonTip(m_PickButton, L"Pick");
    return TRUE;
}

void CZNPropertyGridPropertyColorVector4ValueDlg::LayoutControls(int cx, int cy)
{
    if (m_PickButton.m_hWnd != nullptr)
        m_PickButton.SetWindowPos(nullptr, cx - cy + 1, 1, cy - 2, cy - 2, SWP_NOZORDER);
    if (m_Edit.m_hWnd != nullptr)
        m_Edit.SetWindowPos(nullptr, -1, 2, cx - cy - 1, cy - 2, SWP_NOZORDER);
}

CZNPropertyGridPropertyColorVector4* CZNPropertyGridPropertyColorVector4ValueDlg::Property() const
{
    return static_cast<CZNPropertyGridPropertyColorVector4*>(m_pProperty);
}

BOOL CZNPropertyGridPropertyColorVector4ValueDlg::BeginEdit(IZNPropertyGridProperty* pProperty,
                                                            void* pValue, RECT* pCell)
{
    if (pValue == nullptr)
        return TRUE;
    m_pProperty = pProperty;
    m_pValue = static_cast<float*>(pValue);
    CString strText;
    Property()->DisplayText(m_pValue, strText);
    ShowOver(*pCell, strText);
    return TRUE;
}

void CZNPropertyGridPropertyColorVector4ValueDlg::ApplyValue()
{
    if (m_pValue != nullptr) {
        m_bChanged = StoreParsedComponents(*Property(), GetEditText(), m_pValue);
        GetParent()->Invalidate(FALSE);
    }
    CZNPropertyGridButtonEditDlg::ApplyValue();
}

// The chooser starts from the text as it stands, applied or not; the chosen colour is applied
// at once and the editor stays open. The host may remove the property when it hears of the
// change, and this editor with it.
void CZNPropertyGridPropertyColorVector4ValueDlg::OnPick()
{
    CZNPropertyGridPropertyColorVector4* pProperty = Property();
    if (pProperty == nullptr)
        return;
    float components[CZNPropertyGridPropertyColorVector4::kComponents];
    pProperty->ParseValue(GetEditText(), components);
    DWORD dwFlags = CC_RGBINIT | CC_FULLOPEN | CC_ENABLEHOOK | CC_ENABLETEMPLATE;
    if ((pProperty->GetColorOptions() & CZNPropertyGridPropertyColorVector4::kNoAlpha) == 0)
        dwFlags |= ZNCC_EDITALPHA;

    // The chooser's template and icons are this module's.
    HINSTANCE hPreviousResources = AfxGetResourceHandle();
    AfxSetResourceHandle(GetPropertyGridInstance());
    CZNColorDialog dialog(PackColor(components), dwFlags);
    INT_PTR nResult = dialog.DoModal();
    AfxSetResourceHandle(hPreviousResources);
    // Back to the text, so that Enter closes the editor rather than pressing the button again.
    m_Edit.SetFocus();
    if (nResult != IDOK)
        return;

    CString strText;
    pProperty->FormatValue(
        UnpackComponent(dialog.m_clrResult, 0), UnpackComponent(dialog.m_clrResult, 1),
        UnpackComponent(dialog.m_clrResult, 2), UnpackComponent(dialog.m_clrResult, 3), strText);
    m_Edit.SetWindowText(strText);
    ApplyValue();
}
