#include "model/ZNPropertyGridPathDisplay.h"

CString StripBasePath(const CString& strBasePath, const CString& strValue)
{
    if (strBasePath.IsEmpty() || strValue.IsEmpty())
        return strValue;
    // The closing backslash is part of the comparison: D:\Data is no prefix of D:\Database.
    CString strFolder = strBasePath;
    strFolder.Replace(L'/', L'\\');
    if (strFolder[strFolder.GetLength() - 1] != L'\\')
        strFolder += L'\\';
    strFolder.MakeUpper();
    CString strPath = strValue;
    strPath.MakeUpper();
    strPath.Replace(L'/', L'\\');
    int nPrefix = strFolder.GetLength();
    if (strPath.GetLength() < nPrefix || strPath.Left(nPrefix) != strFolder)
        return strValue;
    return strValue.Mid(nPrefix);
}
