#include "properties/ZNPropertyGridPropertyFloat.h"

#include <stdlib.h>

CZNPropertyGridPropertyFloat::CZNPropertyGridPropertyFloat(CZNPropertyGridCategory* pCategory,
                                                           const wchar_t* pszName,
                                                           const wchar_t* pszHelp, unsigned nID,
                                                           const wchar_t* pszOptions)
    : CZNPropertyGridTextualProperty(pCategory, pszName, pszHelp, nID, PGT_FLOAT,
                                     L"PropertyGridPropertyFloat")
{
}

void CZNPropertyGridPropertyFloat::ValueText(float* pValue, CString& strText)
{
    strText.Format(L"%f", double(*pValue));
}

IMPLEMENT_DYNAMIC(CZNPropertyGridPropertyFloatValueDlg, CZNPropertyGridSingleEditDlg)

void CZNPropertyGridPropertyFloatValueDlg::ApplyValue()
{
    if (m_pValue != nullptr) {
        // The C runtime's own conversion, decimal with an optional exponent.
        double dValue = _wtof(GetEditText());
        // The host's float is compared with the number as read, not as a float would hold it:
        // a value a float cannot hold exactly (0.1) counts as changed at every commit, and so
        // does a NaN on either side.
        m_bChanged = !(double(*m_pValue) == dValue);
        if (m_bChanged)
            *m_pValue = float(dValue);
    }
    CZNPropertyGridSingleEditDlg::ApplyValue();
}
