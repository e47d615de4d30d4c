// A free text per value column, kept in the host's CString and edited in a single-line editor.
#pragma once

#include "model/ZNPropertyGridTextualProperty.h"

class CZNPropertyGridPropertyTextValueDlg;

class CZNPropertyGridPropertyText
    : public CZNPropertyGridTextualProperty<CZNPropertyGridPropertyText, CString,
                                            CZNPropertyGridPropertyTextValueDlg>
{
public:
    // pszOptions is not used by this type.
    CZNPropertyGridPropertyText(CZNPropertyGridCategory* pCategory, const wchar_t* pszName,
                                const wchar_t* pszHelp, unsigned nID, const wchar_t* pszOptions);

    void ValueText(CString* pValue, CString& strText) { strText = *pValue; }
};
