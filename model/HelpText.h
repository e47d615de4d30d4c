// Help texts given at construction are shown in an HTML pane, where a line break must be a tag.
#pragma once

#include <afxwin.h>

// The text with every CR-LF pair, and then every lone LF, replaced by "<BR>".
inline CString HelpTextToHtml(const wchar_t* pszHelp)
{
    CString strHtml(pszHelp);
    // Most texts have no line break, and a host adds its properties by the thousand.
    if (strHtml.Find(L'\n') >= 0) {
        strHtml.Replace(L"\r\n", L"<BR>");
        strHtml.Replace(L"\n", L"<BR>");
    }
    return strHtml;
}
