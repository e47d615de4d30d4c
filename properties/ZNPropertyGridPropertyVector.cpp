#include "properties/ZNPropertyGridPropertyVector.h"

#include <stdio.h>

namespace {

// One format writes and reads each type's text. In a scan, the blank after a comma matches any
// run of white space, even none, while a blank before a comma ends the scan. The scans call the
// C runtime's own swscanf on purpose: with MinGW the standard name may lead to a C99
// implementation that also reads hexadecimal numbers, infinities and NaNs, where the Microsoft
// runtime stops.
constexpr wchar_t kVector3Format[] = L"%f, %f, %f";
constexpr wchar_t kVector4Format[] = L"%f, %f, %f, %f";

} // namespace

CZNPropertyGridPropertyVector3::CZNPropertyGridPropertyVector3(CZNPropertyGridCategory* pCategory,
                                                               const wchar_t* pszName,
                                                               const wchar_t* pszHelp, unsigned nID,
                                                               const wchar_t* pszOptions)
    : CZNPropertyGridTextualProperty(pCategory, pszName, pszHelp, nID, PGT_VECTOR3,
                                     L"PropertyGridPropertyVector3")
{
}

void CZNPropertyGridPropertyVector3::FormatValue(float x, float y, float z, CString& strText)
{
    strText.Format(kVector3Format, double(x), double(y), double(z));
}

int CZNPropertyGridPropertyVector3::ParseValue(const wchar_t* pszText, float* pComponents)
{
    std::fill_n(pComponents, kComponents, 0.0f);
    return __ms_swscanf(pszText, kVector3Format, &pComponents[0], &pComponents[1], &pComponents[2]);
}

void CZNPropertyGridPropertyVector3::ValueText(float* pValue, CString& strText)
{
    CZNPropertyGridPropertyVector3::FormatValue(pValue[0], pValue[1], pValue[2], strText);
}

void CZNPropertyGridPropertyVector3::DisplayText(float* pValue, CString& strText)
{
    FormatValue(pValue[0], pValue[1], pValue[2], strText);
}

CZNPropertyGridPropertyVector4::CZNPropertyGridPropertyVector4(CZNPropertyGridCategory* pCategory,
                                                               const wchar_t* pszName,
                                                               const wchar_t* pszHelp, unsigned nID,
                                                               const wchar_t* pszOptions)
    : CZNPropertyGridTextualProperty(pCategory, pszName, pszHelp, nID, PGT_VECTOR4,
                                     L"PropertyGridPropertyVector4")
{
}

void CZNPropertyGridPropertyVector4::FormatValue(float x, float y, float z, float w,
                                                 CString& strText)
{
    strText.Format(kVector4Format, double(x), double(y), double(z), double(w));
}

int CZNPropertyGridPropertyVector4::ParseValue(const wchar_t* pszText, float* pComponents)
{
    std::fill_n(pComponents, kComponents, 0.0f);
    return __ms_swscanf(pszText, kVector4Format, &pComponents[0], &pComponents[1], &pComponents[2],
                        &pComponents[3]);
}

void CZNPropertyGridPropertyVector4::ValueText(float* pValue, CString& strText)
{
    CZNPropertyGridPropertyVector4::FormatValue(pValue[0], pValue[1], pValue[2], pValue[3],
                                                strText);
}

void CZNPropertyGridPropertyVector4::DisplayText(float* pValue, CString& strText)
{
    FormatValue(pValue[0], pValue[1], pValue[2], pValue[3], strText);
}

IMPLEMENT_DYNAMIC(CZNPropertyGridPropertyVector3ValueDlg, CZNPropertyGridSingleEditDlg)
IMPLEMENT_DYNAMIC(CZNPropertyGridPropertyVector4ValueDlg, CZNPropertyGridSingleEditDlg)
