// How a path shows in a cell: relative to the grid's base path when it lies below it.
#pragma once

#include <afxwin.h>

// strValue without its leading strBasePath when it lies below that folder, compared without
// regard to case and with "/" and "\" alike; otherwise strValue as it is. The rest keeps its own
// case and slashes. An empty base path or value leaves the value unchanged.
CString StripBasePath(const CString& strBasePath, const CString& strValue);
