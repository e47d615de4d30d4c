#include "model/ZNPropertyGridPathDisplay.h"

namespace {

// Upper case with backslashes, as the comparison sees a path.
CString Comparable(const CString& strPath)
{
    CString strResult = strPath;
    strResult.Replace(L'/', L'\\');
    strResult.MakeUpper();
    return strResult;
}

} // namespace

CString StripBasePath(const CString& strBasePath, const CString& strValue)
{
    if (strBasePath.IsEmpty() || strValue.IsEmpty())
        return strValue;
    CString strPrefix = Comparable(strBasePath);
    if (strPrefix[strPrefix.GetLength() - 1] != L'\\')
        strPrefix += L'\\';
    int nLength = strPrefix.GetLength();
    if (strValue.GetLength() < nLength || Comparable(strValue.Left(nLength)) != strPrefix)
        return strValue;
    return strValue.Mid(nLength);
}
