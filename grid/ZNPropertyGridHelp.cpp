// The help pane: the page template from the module's resources, and the selected row's page
// written into the attached view.
#include <ZNPropertyGrid.h>
#include <ZNPropertyGridHtmlCtrl.h>

#include "grid/ModuleStartup.h"
#include "model/ZNPropertyGridCategory.h"
#include "model/ZNPropertyGridPaint.h"
#include "model/ZNPropertyGridProperty.h"

bool CZNPropertyGrid::LoadHTMLTemplate(UINT nID, CString& strText)
{
    HINSTANCE hModule = GetPropertyGridInstance();
    HRSRC hResource = ::FindResourceW(hModule, MAKEINTRESOURCEW(nID), RT_HTML);
    HGLOBAL hData = hResource != nullptr ? ::LoadResource(hModule, hResource) : nullptr;
    const void* pData = hData != nullptr ? ::LockResource(hData) : nullptr;
    if (pData == nullptr)
        return false;
    // UTF-16 text; its byte-order mark stays as the first character.
    int nLength = int(::SizeofResource(hModule, hResource) / sizeof(wchar_t));
    strText = CString(static_cast<const wchar_t*>(pData), nLength);
    return true;
}

void CZNPropertyGrid::ReplaceUserValues(CString& strText)
{
    const LOGFONTW lfStatus = GetStatusFont();
    HDC hScreen = ::GetDC(nullptr);
    int nPixelsPerInch = ::GetDeviceCaps(hScreen, LOGPIXELSY);
    ::ReleaseDC(nullptr, hScreen);
    int nPoints = nPixelsPerInch != 0 ? lfStatus.lfHeight * -72 / nPixelsPerInch : 8;

    CString strFont;
    strFont.Format(L"font:%dpt %s;", nPoints, lfStatus.lfFaceName);
    strText.Replace(L"<%STATUSFONT%>", strFont);
}

void CZNPropertyGrid::SetHelp(IZNPropertyGridProperty* pProperty)
{
    if (pProperty != nullptr)
        ShowHelpPage(pProperty->GetName(), pProperty->GetHelp());
}

void CZNPropertyGrid::SetHelp(CZNPropertyGridCategory* pCategory)
{
    if (pCategory != nullptr)
        ShowHelpPage(pCategory->m_strName, pCategory->m_strHelp);
}

// Name and help go in as they are, markup included; a page the view does not take leaves its
// previous one.
void CZNPropertyGrid::ShowHelpPage(const wchar_t* pszName, const wchar_t* pszHelp)
{
    if (m_pHtmlHelp == nullptr)
        return;
    CString strPage = m_strHtmlTemplate;
    strPage.Replace(L"<%PROPERTYNAME%>", pszName);
    strPage.Replace(L"<%PROPERTYHELP%>", pszHelp);
    LoadHtmlString(m_pHtmlHelp, strPage);
}

// A view whose browser is still to come gets its first page once the messages posted so far
// have run; it is not asked again after that.
void CZNPropertyGrid::AttachHTMLHelp(CZNPropertyGridHtmlCtrl* pView)
{
    m_pHtmlHelp = pView;
    if (pView == nullptr)
        return;
    if (pView->GetWebBrowser() != nullptr)
        LoadHtmlString(pView, m_strHtmlTemplate);
    else if (m_hWnd != nullptr)
        PostMessage(PGM_NAVIGATETOBLANK);
}

LRESULT CZNPropertyGrid::OnNavigateToBlank(WPARAM, LPARAM)
{
    if (m_pHtmlHelp != nullptr && m_pHtmlHelp->GetWebBrowser() != nullptr)
        LoadHtmlString(m_pHtmlHelp, m_strHtmlTemplate);
    return 0;
}
