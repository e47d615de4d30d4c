// A single-precision number per value column, kept in the host's float and edited as fixed-point
// text with six decimals.
#pragma once

#include "model/ZNPropertyGridTextualProperty.h"

class CZNPropertyGridPropertyFloatValueDlg;

class CZNPropertyGridPropertyFloat
    : public CZNPropertyGridTextualProperty<CZNPropertyGridPropertyFloat, float,
                                            CZNPropertyGridPropertyFloatValueDlg>
{
public:
    // pszOptions is not used by this type.
    CZNPropertyGridPropertyFloat(CZNPropertyGridCategory* pCategory, const wchar_t* pszName,
                                 const wchar_t* pszHelp, unsigned nID, const wchar_t* pszOptions);

    // Fixed notation with six decimals, never an exponent: 1.5 is 1.500000.
    void ValueText(float* pValue, CString& strText);
};

class CZNPropertyGridPropertyFloatValueDlg
    : public CZNPropertyGridTextualValueDlg<CZNPropertyGridPropertyFloat, float>
{
    DECLARE_DYNAMIC(CZNPropertyGridPropertyFloatValueDlg)
public:
    using CZNPropertyGridTextualValueDlg::CZNPropertyGridTextualValueDlg;

    // Any text is taken: the number it starts with, as the runtime library reads it, or 0.
    void ApplyValue() override;
};
