#include "properties/ZNPropertyGridPropertyTextValueDlg.h"

IMPLEMENT_DYNAMIC(CZNPropertyGridPropertyTextValueDlg, CZNPropertyGridSingleEditDlg)

void CZNPropertyGridPropertyTextValueDlg::ApplyValue()
{
    if (m_pValue != nullptr) {
        CString strText = GetEditText();
        m_bChanged = strText.Compare(*m_pValue) != 0;
        if (m_bChanged)
            *m_pValue = strText;
    }
    CZNPropertyGridSingleEditDlg::ApplyValue();
}
