#include "properties/ZNPropertyGridPropertyTextValueDlg.h"

IMPLEMENT_DYNAMIC(CZNPropertyGridPropertyTextValueDlg, CZNPropertyGridSingleEditDlg)

void CZNPropertyGridPropertyTextValueDlg::ApplyValue()
{
    StoreEditText(m_pValue);
}
