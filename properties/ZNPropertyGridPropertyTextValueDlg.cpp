#include "properties/ZNPropertyGridPropertyTextValueDlg.h"

IMPLEMENT_DYNAMIC(CZNPropertyGridPropertyTextValueDlg, CZNPropertyGridSingleEditDlg)

void CZNPropertyGridPropertyTextValueDlg::ApplyValue()
{
    if (m_pValue != nullptr)
        m_bChanged = StoreEditText(*m_pValue);
    CZNPropertyGridSingleEditDlg::ApplyValue();
}
