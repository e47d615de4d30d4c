// Dialog data exchange (DDX_) and validation (DDV_) routines, called from DoDataExchange.
// Hosts include afxwin.h, which includes this header.
#pragma once

class CDataExchange;
class CWnd;

// Binds a control's window to a framework object (subclassing it) on the first exchange.
AFX_CORE_API void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);

// The text of an edit field (or any window). Numbers are read as the C runtime reads them;
// text that is not a number shows "Please enter an integer." (a positive integer, a number)
// and fails the exchange.
AFX_CORE_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
AFX_CORE_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, int& value);
AFX_CORE_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, UINT& value);
AFX_CORE_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, long& value);
AFX_CORE_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, DWORD& value);
AFX_CORE_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, float& value);
AFX_CORE_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, double& value);

// A check box's state (0, 1 or 2), and the index of the checked radio button of the group that
// starts at nIDC (-1 when none is checked).
AFX_CORE_API void AFXAPI DDX_Check(CDataExchange* pDX, int nIDC, int& value);
AFX_CORE_API void AFXAPI DDX_Radio(CDataExchange* pDX, int nIDC, int& value);

// The selected item of a list box or combo box, by text or by index.
AFX_CORE_API void AFXAPI DDX_LBString(CDataExchange* pDX, int nIDC, CString& value);
AFX_CORE_API void AFXAPI DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index);
AFX_CORE_API void AFXAPI DDX_CBString(CDataExchange* pDX, int nIDC, CString& value);
AFX_CORE_API void AFXAPI DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index);

// Validation of the value just exchanged. Out of bounds while saving, a message box names the
// bounds and the exchange fails; while loading, DDV_MaxChars limits the edit field instead.
AFX_CORE_API void AFXAPI DDV_MaxChars(CDataExchange* pDX, CString const& value, int nChars);
AFX_CORE_API void AFXAPI DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal);
AFX_CORE_API void AFXAPI DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal);
AFX_CORE_API void AFXAPI DDV_MinMaxFloat(CDataExchange* pDX, float const& value, float minVal,
                                         float maxVal);
AFX_CORE_API void AFXAPI DDV_MinMaxDouble(CDataExchange* pDX, double const& value, double minVal,
                                          double maxVal);
