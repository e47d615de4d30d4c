// Vectors of three (x, y, z) or four (x, y, z, w) single-precision floats per value column, kept
// in the host's float array and edited as one line of comma-separated numbers.
#pragma once

#include "model/ZNPropertyGridTextualProperty.h"

#include <algorithm>
#include <iterator>

class CZNPropertyGridPropertyVector3ValueDlg;
class CZNPropertyGridPropertyVector4ValueDlg;

// The host's storage of a column is the first of its floats.
class CZNPropertyGridPropertyVector3
    : public CZNPropertyGridTextualProperty<CZNPropertyGridPropertyVector3, float,
                                            CZNPropertyGridPropertyVector3ValueDlg>
{
public:
    static constexpr int kComponents = 3;

    // pszOptions is not used by this type.
    CZNPropertyGridPropertyVector3(CZNPropertyGridCategory* pCategory, const wchar_t* pszName,
                                   const wchar_t* pszHelp, unsigned nID, const wchar_t* pszOptions);

    // Appended behind the base's operations, in this order. The text is "x, y, z", each with
    // six decimals; parsing reads that form as far as it matches, leaves 0 in the components
    // after, and answers how many it read (EOF for an empty or blank text).
    virtual void FormatValue(float x, float y, float z, CString& strText);
    virtual int ParseValue(const wchar_t* pszText, float* pComponents);

    // The host always gets the fixed form; the cell, its tip and the editor show FormatValue's.
    void ValueText(float* pValue, CString& strText);
    void DisplayText(float* pValue, CString& strText);
};

class CZNPropertyGridPropertyVector4
    : public CZNPropertyGridTextualProperty<CZNPropertyGridPropertyVector4, float,
                                            CZNPropertyGridPropertyVector4ValueDlg>
{
public:
    static constexpr int kComponents = 4;

    // pszOptions is not used by this type.
    CZNPropertyGridPropertyVector4(CZNPropertyGridCategory* pCategory, const wchar_t* pszName,
                                   const wchar_t* pszHelp, unsigned nID, const wchar_t* pszOptions);

    // As for three components, with "x, y, z, w".
    virtual void FormatValue(float x, float y, float z, float w, CString& strText);
    virtual int ParseValue(const wchar_t* pszText, float* pComponents);

    void ValueText(float* pValue, CString& strText);
    void DisplayText(float* pValue, CString& strText);
};

// The edited text of a vector or colour, read with the property's ParseValue, replaces the
// host's TProperty::kComponents floats when a component differs; true when they were replaced.
template <class TProperty>
bool StoreParsedComponents(TProperty& property, const wchar_t* pszText, float* pValue)
{
    float parsed[TProperty::kComponents];
    // What did not parse is 0 already; how much did is not needed.
    property.ParseValue(pszText, parsed);
    // Exact comparison, so a NaN on either side counts as a change.
    if (std::equal(std::begin(parsed), std::end(parsed), pValue))
        return false;
    std::copy(std::begin(parsed), std::end(parsed), pValue);
    return true;
}

// The editor of either vector type.
template <class TProperty>
class CZNPropertyGridVectorValueDlg : public CZNPropertyGridTextualValueDlg<TProperty, float>
{
public:
    using CZNPropertyGridTextualValueDlg<TProperty, float>::CZNPropertyGridTextualValueDlg;

    void ApplyValue() override
    {
        if (this->m_pValue != nullptr)
            this->m_bChanged = StoreParsedComponents(*static_cast<TProperty*>(this->m_pProperty),
                                                     this->GetEditText(), this->m_pValue);
        CZNPropertyGridSingleEditDlg::ApplyValue();
    }
};

class CZNPropertyGridPropertyVector3ValueDlg
    : public CZNPropertyGridVectorValueDlg<CZNPropertyGridPropertyVector3>
{
    DECLARE_DYNAMIC(CZNPropertyGridPropertyVector3ValueDlg)
public:
    using CZNPropertyGridVectorValueDlg::CZNPropertyGridVectorValueDlg;
};

class CZNPropertyGridPropertyVector4ValueDlg
    : public CZNPropertyGridVectorValueDlg<CZNPropertyGridPropertyVector4>
{
    DECLARE_DYNAMIC(CZNPropertyGridPropertyVector4ValueDlg)
public:
    using CZNPropertyGridVectorValueDlg::CZNPropertyGridVectorValueDlg;
};
