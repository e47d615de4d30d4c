// Dialog data exchange: UpdateData, CDataExchange and the DDX_/DDV_ routines.
//
// A failed validation shows its message box, gives the focus back to the control and throws a
// CUserException out of the host's DoDataExchange, so that the exchange stops where MFC's
// stops; UpdateData catches it and answers FALSE. No exception leaves the framework.
#include "AfxState.h"

#include <cfloat>
#include <cwchar>

using afx_internal::Routing;

// The Microsoft runtime's own wcstod, through its import: the C++ headers route the name to
// MinGW's, which also reads "inf", "nan" and hexadecimal numbers.
extern "C" double(__cdecl* __imp_wcstod)(const wchar_t*, wchar_t**);

BOOL CWnd::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    HWND hWndOldLockout = Routing().hLockoutNotifyWindow;
    Routing().hLockoutNotifyWindow = m_hWnd;
    BOOL bOK = FALSE;
    try {
        DoDataExchange(&dx);
        bOK = TRUE;
    } catch (CUserException* e) {
        e->Delete(); // the user was told already
    }
    Routing().hLockoutNotifyWindow = hWndOldLockout;
    return bOK;
}

void CWnd::DoDataExchange(CDataExchange*) {}

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd), m_idLastControl(0),
      m_bEditLastControl(FALSE)
{
}

HWND CDataExchange::PrepareCtrl(int nIDC)
{
    HWND hWndCtrl = ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC);
    if (hWndCtrl == nullptr)
        AfxThrowUserException();
    m_idLastControl = UINT(nIDC);
    m_bEditLastControl = FALSE;
    return hWndCtrl;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC)
{
    HWND hWndCtrl = PrepareCtrl(nIDC);
    m_bEditLastControl = TRUE;
    return hWndCtrl;
}

void CDataExchange::Fail()
{
    if (m_bSaveAndValidate && m_idLastControl != 0) {
        HWND hWndLastControl = ::GetDlgItem(m_pDlgWnd->m_hWnd, int(m_idLastControl));
        ::SetFocus(hWndLastControl);
        if (m_bEditLastControl)
            ::SendMessageW(hWndLastControl, EM_SETSEL, 0, -1);
    }
    AfxThrowUserException();
}

void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.m_hWnd == nullptr && !pDX->m_bSaveAndValidate)
        rControl.SubclassWindow(pDX->PrepareCtrl(nIDC));
}

namespace {

// Setting the same text again would only make the control flicker and notify.
void SetWindowTextIfChanged(HWND hWndCtrl, LPCTSTR lpszNew)
{
    CString strOld;
    CWnd::FromHandle(hWndCtrl)->GetWindowText(strOld);
    if (strOld != lpszNew)
        ::SetWindowTextW(hWndCtrl, lpszNew);
}

CString WindowText(HWND hWndCtrl)
{
    CString strText;
    CWnd::FromHandle(hWndCtrl)->GetWindowText(strText);
    return strText;
}

bool IsBlank(wchar_t ch)
{
    return ch == L' ' || ch == L'\t';
}

const wchar_t* SkipBlanks(const wchar_t* psz)
{
    while (IsBlank(*psz))
        ++psz;
    return psz;
}

// A number the C runtime reads entirely, blanks around it allowed. As in MFC, a text that
// converts to 0 counts only when it starts with the digit 0 ("-0" does not).
template <typename TParse> bool ParseWhole(const wchar_t* pszText, TParse parse)
{
    pszText = SkipBlanks(pszText);
    wchar_t chFirst = *pszText;
    wchar_t* pszEnd = nullptr;
    bool bZero = parse(pszText, &pszEnd);
    if (bZero && chFirst != L'0')
        return false;
    return *SkipBlanks(pszEnd) == L'\0';
}

bool ParseLong(const wchar_t* pszText, long& lValue)
{
    return ParseWhole(pszText, [&](const wchar_t* psz, wchar_t** ppszEnd) {
        lValue = std::wcstol(psz, ppszEnd, 10);
        return lValue == 0;
    });
}

bool ParseUnsignedLong(const wchar_t* pszText, unsigned long& ulValue)
{
    if (*SkipBlanks(pszText) == L'-')
        return false;
    return ParseWhole(pszText, [&](const wchar_t* psz, wchar_t** ppszEnd) {
        ulValue = std::wcstoul(psz, ppszEnd, 10);
        return ulValue == 0;
    });
}

bool ParseDouble(const wchar_t* pszText, double& dValue)
{
    return ParseWhole(pszText, [&](const wchar_t* psz, wchar_t** ppszEnd) {
        dValue = __imp_wcstod(psz, ppszEnd);
        return dValue == 0.0;
    });
}

// The exchange of one number through its text: formatted with the runtime's printf when
// loading, parsed when saving; text that does not parse shows nIDPrompt and fails.
template <typename TValue, typename TParsed, typename TParse>
void ExchangeNumber(CDataExchange* pDX, int nIDC, TValue& value, const CString& strShown,
                    UINT nIDPrompt, TParse parse)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (!pDX->m_bSaveAndValidate) {
        SetWindowTextIfChanged(hWndCtrl, strShown);
        return;
    }
    TParsed parsed{};
    if (!parse(WindowText(hWndCtrl), parsed)) {
        AfxMessageBox(nIDPrompt);
        pDX->Fail();
    }
    value = TValue(parsed);
}

CString Formatted(LPCTSTR lpszFormat, long long nValue)
{
    CString str;
    str.Format(lpszFormat, nValue);
    return str;
}

CString FormattedReal(double dValue, int nDigits)
{
    CString str;
    str.Format(L"%.*g", nDigits, dValue);
    return str;
}

} // namespace

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = WindowText(hWndCtrl);
    else
        SetWindowTextIfChanged(hWndCtrl, value);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, int& value)
{
    ExchangeNumber<int, long>(pDX, nIDC, value, Formatted(L"%I64d", value), AFX_IDP_PARSE_INT,
                              ParseLong);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, long& value)
{
    ExchangeNumber<long, long>(pDX, nIDC, value, Formatted(L"%I64d", value), AFX_IDP_PARSE_INT,
                               ParseLong);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, UINT& value)
{
    ExchangeNumber<UINT, unsigned long>(pDX, nIDC, value, Formatted(L"%I64u", value),
                                        AFX_IDP_PARSE_UINT, ParseUnsignedLong);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, DWORD& value)
{
    ExchangeNumber<DWORD, unsigned long>(pDX, nIDC, value, Formatted(L"%I64u", value),
                                         AFX_IDP_PARSE_UINT, ParseUnsignedLong);
}

// Real numbers show as many significant digits as the type holds.
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, float& value)
{
    ExchangeNumber<float, double>(pDX, nIDC, value, FormattedReal(value, FLT_DIG),
                                  AFX_IDP_PARSE_REAL, ParseDouble);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, double& value)
{
    ExchangeNumber<double, double>(pDX, nIDC, value, FormattedReal(value, DBL_DIG),
                                   AFX_IDP_PARSE_REAL, ParseDouble);
}

// A state outside 0..2 shows as unchecked.
void AFXAPI DDX_Check(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        value = int(::SendMessageW(hWndCtrl, BM_GETCHECK, 0, 0));
        return;
    }
    if (value < 0 || value > 2)
        value = 0;
    ::SendMessageW(hWndCtrl, BM_SETCHECK, WPARAM(value), 0);
}

// The group runs from nIDC to the next control with WS_GROUP; controls in it that are no
// radio buttons are skipped.
void AFXAPI DDX_Radio(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = -1;
    int iButton = 0;
    do {
        if ((::SendMessageW(hWndCtrl, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) != 0) {
            if (!pDX->m_bSaveAndValidate)
                ::SendMessageW(hWndCtrl, BM_SETCHECK, iButton == value, 0);
            else if (::SendMessageW(hWndCtrl, BM_GETCHECK, 0, 0) != 0)
                value = iButton;
            ++iButton;
        }
        hWndCtrl = ::GetWindow(hWndCtrl, GW_HWNDNEXT);
    } while (hWndCtrl != nullptr && (::GetWindowLongPtrW(hWndCtrl, GWL_STYLE) & WS_GROUP) == 0);
}

void AFXAPI DDX_LBString(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (!pDX->m_bSaveAndValidate) {
        ::SendMessageW(hWndCtrl, LB_SELECTSTRING, WPARAM(-1),
                       reinterpret_cast<LPARAM>(value.GetString()));
        return;
    }
    int nIndex = int(::SendMessageW(hWndCtrl, LB_GETCURSEL, 0, 0));
    if (nIndex == LB_ERR) {
        value.Empty();
        return;
    }
    int nLength = int(::SendMessageW(hWndCtrl, LB_GETTEXTLEN, nIndex, 0));
    ::SendMessageW(hWndCtrl, LB_GETTEXT, nIndex,
                   reinterpret_cast<LPARAM>(value.GetBufferSetLength(nLength)));
    value.ReleaseBuffer();
}

namespace {

// The index of a list's selection, through the list's own get and set messages.
void ExchangeSelection(CDataExchange* pDX, int nIDC, int& index, UINT nGetMessage, UINT nSetMessage)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        index = int(::SendMessageW(hWndCtrl, nGetMessage, 0, 0));
    else
        ::SendMessageW(hWndCtrl, nSetMessage, WPARAM(index), 0);
}

} // namespace

void AFXAPI DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    ExchangeSelection(pDX, nIDC, index, LB_GETCURSEL, LB_SETCURSEL);
}

// The text of the edit field (or of the selection of a drop-down list); while loading, the
// item that starts with the value is selected, or else the value goes into the edit field.
void AFXAPI DDX_CBString(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if ((::GetWindowLongPtrW(hWndCtrl, GWL_STYLE) & CBS_DROPDOWNLIST) != CBS_DROPDOWNLIST)
        pDX->m_bEditLastControl = TRUE;
    if (pDX->m_bSaveAndValidate)
        value = WindowText(hWndCtrl);
    else if (::SendMessageW(hWndCtrl, CB_SELECTSTRING, WPARAM(-1),
                            reinterpret_cast<LPARAM>(value.GetString())) == CB_ERR)
        SetWindowTextIfChanged(hWndCtrl, value);
}

void AFXAPI DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    ExchangeSelection(pDX, nIDC, index, CB_GETCURSEL, CB_SETCURSEL);
}

namespace {

// Tells the user the bounds (nIDPrompt holds %1 and %2) and fails the exchange. While loading
// a value out of bounds is left alone.
void FailMinMax(CDataExchange* pDX, const CString& strMin, const CString& strMax, UINT nIDPrompt)
{
    if (!pDX->m_bSaveAndValidate)
        return;
    CString strPrompt;
    AfxFormatString2(strPrompt, nIDPrompt, strMin, strMax);
    AfxMessageBox(strPrompt, MB_ICONEXCLAMATION, nIDPrompt);
    pDX->Fail();
}

} // namespace

void AFXAPI DDV_MaxChars(CDataExchange* pDX, CString const& value, int nChars)
{
    if (pDX->m_bSaveAndValidate && value.GetLength() > nChars) {
        CString strPrompt;
        AfxFormatString1(strPrompt, AFX_IDP_PARSE_STRING_SIZE, Formatted(L"%I64d", nChars));
        AfxMessageBox(strPrompt, MB_ICONEXCLAMATION, AFX_IDP_PARSE_STRING_SIZE);
        pDX->Fail();
    } else if (pDX->m_idLastControl != 0 && pDX->m_bEditLastControl) {
        // The edit field, or the edit field of a combo box, takes no more than that.
        HWND hWndLastControl = ::GetDlgItem(pDX->m_pDlgWnd->m_hWnd, int(pDX->m_idLastControl));
        ::SendMessageW(hWndLastControl, EM_LIMITTEXT, WPARAM(nChars), 0);
        ::SendMessageW(hWndLastControl, CB_LIMITTEXT, WPARAM(nChars), 0);
    }
}

void AFXAPI DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal)
{
    if (value < minVal || value > maxVal)
        FailMinMax(pDX, Formatted(L"%I64d", minVal), Formatted(L"%I64d", maxVal),
                   AFX_IDP_PARSE_INT_RANGE);
}

void AFXAPI DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal)
{
    if (value < minVal || value > maxVal)
        FailMinMax(pDX, Formatted(L"%I64u", minVal), Formatted(L"%I64u", maxVal),
                   AFX_IDP_PARSE_INT_RANGE);
}

void AFXAPI DDV_MinMaxFloat(CDataExchange* pDX, float const& value, float minVal, float maxVal)
{
    if (value < minVal || value > maxVal)
        FailMinMax(pDX, FormattedReal(minVal, FLT_DIG), FormattedReal(maxVal, FLT_DIG),
                   AFX_IDP_PARSE_REAL_RANGE);
}

void AFXAPI DDV_MinMaxDouble(CDataExchange* pDX, double const& value, double minVal, double maxVal)
{
    if (value < minVal || value > maxVal)
        FailMinMax(pDX, FormattedReal(minVal, DBL_DIG), FormattedReal(maxVal, DBL_DIG),
                   AFX_IDP_PARSE_REAL_RANGE);
}
