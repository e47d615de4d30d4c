// A signed 32-bit integer per value column, kept in the host's int and edited as decimal text.
#pragma once

#include "model/ZNPropertyGridTextualProperty.h"

class CZNPropertyGridPropertyIntegerValueDlg;

class CZNPropertyGridPropertyInteger
    : public CZNPropertyGridTextualProperty<CZNPropertyGridPropertyInteger, int,
                                            CZNPropertyGridPropertyIntegerValueDlg>
{
public:
    // pszOptions is not used by this type.
    CZNPropertyGridPropertyInteger(CZNPropertyGridCategory* pCategory, const wchar_t* pszName,
                                   const wchar_t* pszHelp, unsigned nID, const wchar_t* pszOptions);

    // Plain decimal: a minus for negative numbers, no grouping, no padding.
    void ValueText(int* pValue, CString& strText);
};

class CZNPropertyGridPropertyIntegerValueDlg
    : public CZNPropertyGridTextualValueDlg<CZNPropertyGridPropertyInteger, int>
{
    DECLARE_DYNAMIC(CZNPropertyGridPropertyIntegerValueDlg)
public:
    using CZNPropertyGridTextualValueDlg::CZNPropertyGridTextualValueDlg;

    // Any text is taken: the number it starts with, as the runtime library reads it, or 0.
    void ApplyValue() override;
};
