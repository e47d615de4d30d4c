// Whether the web browser can show documents here without asking the user for anything.
#pragma once

#include <afxwin.h>

// True on Windows, whose browser brings its engine. Under Wine, true when Wine finds its HTML
// engine (Wine Gecko) without asking: installed in the prefix, or unpacked or as an installer
// package in Wine's data folders or in its download cache. Without one, the first document a
// browser makes has Wine offer to download the engine and wait for the user's answer.
AFX_EXT_API bool IsHtmlEngineInstalled();
