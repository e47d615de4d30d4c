#include "properties/ZNPropertyGridPropertyText.h"

#include "properties/ZNPropertyGridPropertyTextValueDlg.h"

CZNPropertyGridPropertyText::CZNPropertyGridPropertyText(CZNPropertyGridCategory* pCategory,
                                                         const wchar_t* pszName,
                                                         const wchar_t* pszHelp, unsigned nID,
                                                         const wchar_t* pszOptions)
    : CZNPropertyGridTextualProperty(pCategory, pszName, pszHelp, nID, PGT_TEXT,
                                     L"PropertyGridPropertyText")
{
}
