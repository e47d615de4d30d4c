// How a cell shows a file path: relative to the grid's base path when the file lies below it.
#pragma once

#include <afxwin.h>

// strValue without its leading strBasePath and the backslash after it, when it starts with
// them; otherwise strValue unchanged. The comparison ignores case and takes "/" for "\", so
// "D:/Data" strips "d:\DATA\" but not "D:\Database\"; the rest keeps its own case and slashes.
// An empty base path or value shows unchanged.
CString StripBasePath(const CString& strBasePath, const CString& strValue);
