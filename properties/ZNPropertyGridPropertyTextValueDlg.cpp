#include "properties/ZNPropertyGridPropertyTextValueDlg.h"

IMPLEMENT_DYNAMIC(CZNPropertyGridPropertyTextValueDlg, CZNPropertyGridSingleEditDlg)

void CZNPropertyGridPropertyTextValueDlg::ApplyValue()
{
    ApplyText(m_pValue);
}
