#include "properties/ZNPropertyGridPropertyInteger.h"

#include <stdlib.h>

CZNPropertyGridPropertyInteger::CZNPropertyGridPropertyInteger(CZNPropertyGridCategory* pCategory,
                                                               const wchar_t* pszName,
                                                               const wchar_t* pszHelp, unsigned nID,
                                                               const wchar_t* pszOptions)
    : CZNPropertyGridTextualProperty(pCategory, pszName, pszHelp, nID, PGT_INTEGER,
                                     L"PropertyGridPropertyInteger")
{
}

void CZNPropertyGridPropertyInteger::ValueText(int* pValue, CString& strText)
{
    strText.Format(L"%d", *pValue);
}

IMPLEMENT_DYNAMIC(CZNPropertyGridPropertyIntegerValueDlg, CZNPropertyGridSingleEditDlg)

void CZNPropertyGridPropertyIntegerValueDlg::ApplyValue()
{
    if (m_pValue != nullptr) {
        // The C runtime's own conversion: leading blanks and a sign, then decimal digits up to
        // the first other character; a number beyond 32 bits ends at the nearest limit.
        int nValue = _wtoi(GetEditText());
        m_bChanged = nValue != *m_pValue;
        if (m_bChanged)
            *m_pValue = nValue;
    }
    CZNPropertyGridSingleEditDlg::ApplyValue();
}
