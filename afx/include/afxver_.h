// Build configuration shared by every header of the framework: the Windows headers, the
// calling-convention macros and the import/export decoration of the framework DLL.
#pragma once

#ifndef UNICODE
#define UNICODE
#endif
#ifndef _UNICODE
#define _UNICODE
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif

#include <windows.h>
#include <commctrl.h>
#include <tchar.h>

#define AFXAPI __stdcall
#define AFX_CDECL __cdecl
#define AFX_MSG_CALL
#define afx_msg

#define AFX_CLASS_EXPORT __declspec(dllexport)
#define AFX_CLASS_IMPORT __declspec(dllimport)
#define AFX_API_EXPORT __declspec(dllexport)
#define AFX_API_IMPORT __declspec(dllimport)

// Classes and functions of the framework DLL itself.
#ifdef _AFX_CORE_IMPL
#define AFX_CORE_API AFX_CLASS_EXPORT
#else
#define AFX_CORE_API AFX_CLASS_IMPORT
#endif

// Classes of an MFC extension DLL: exported while the DLL is built (_AFXEXT), imported by hosts.
#ifdef _AFXEXT
#define AFX_EXT_CLASS AFX_CLASS_EXPORT
#define AFX_EXT_API AFX_API_EXPORT
#else
#define AFX_EXT_CLASS AFX_CLASS_IMPORT
#define AFX_EXT_API AFX_API_IMPORT
#endif
