// The help pane: the browser's life in the pane's window, and writing a page into it.
#include <ZNPropertyGridHtmlCtrl.h>

#include "grid/ZNPropertyGridHtmlSite.h"

#include <cstring>

IMPLEMENT_DYNAMIC(CZNPropertyGridHtmlCtrl, CWnd)

BEGIN_MESSAGE_MAP(CZNPropertyGridHtmlCtrl, CWnd)
    ON_WM_SIZE()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CZNPropertyGridHtmlCtrl::CZNPropertyGridHtmlCtrl() : m_pSite(nullptr), m_bOleInitialized(false) {}

CZNPropertyGridHtmlCtrl::~CZNPropertyGridHtmlCtrl()
{
    DestroyBrowser();
}

IWebBrowser2* CZNPropertyGridHtmlCtrl::GetWebBrowser() const
{
    return m_pSite != nullptr ? m_pSite->GetWebBrowser() : nullptr;
}

void CZNPropertyGridHtmlCtrl::PreSubclassWindow()
{
    CWnd::PreSubclassWindow();
    CreateBrowser();
}

// OLE stays initialised on this thread while the browser lives; OleInitialize counts, so a host
// that initialised it too keeps it after the pane has gone.
void CZNPropertyGridHtmlCtrl::CreateBrowser()
{
    if (m_pSite != nullptr || FAILED(::OleInitialize(nullptr)))
        return;
    m_bOleInitialized = true;
    m_pSite = CZNPropertyGridHtmlSite::Create(m_hWnd);
    if (m_pSite == nullptr)
        DestroyBrowser();
}

void CZNPropertyGridHtmlCtrl::DestroyBrowser()
{
    if (m_pSite != nullptr) {
        m_pSite->Destroy();
        m_pSite = nullptr;
    }
    if (m_bOleInitialized) {
        m_bOleInitialized = false;
        ::OleUninitialize();
    }
}

void CZNPropertyGridHtmlCtrl::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (m_pSite != nullptr)
        m_pSite->FitToWindow();
}

void CZNPropertyGridHtmlCtrl::OnDestroy()
{
    DestroyBrowser();
    CWnd::OnDestroy();
}

BOOL CZNPropertyGridHtmlCtrl::PreTranslateMessage(MSG* pMsg)
{
    bool bKey = pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST;
    if (bKey && m_pSite != nullptr && m_pSite->PreTranslateKey(pMsg))
        return TRUE;
    return CWnd::PreTranslateMessage(pMsg);
}

//---------------------------------------------------------------------------------------------
// Writing a page

namespace {

// Loads the text in hText (fixed global memory, which the stream frees) into the browser's
// current document through the document's own persistence.
HRESULT LoadHtmlMemory(IWebBrowser2* pBrowser, HGLOBAL hText)
{
    IDispatch* pDocument = nullptr;
    HRESULT hr = pBrowser->get_Document(&pDocument);
    if (FAILED(hr) || pDocument == nullptr) {
        ::GlobalFree(hText);
        return FAILED(hr) ? hr : E_NOINTERFACE;
    }
    IStream* pStream = nullptr;
    hr = ::CreateStreamOnHGlobal(hText, TRUE, &pStream);
    if (FAILED(hr)) {
        pDocument->Release();
        ::GlobalFree(hText);
        return hr;
    }
    IPersistStreamInit* pPersist = nullptr;
    hr = pDocument->QueryInterface(IID_IPersistStreamInit, reinterpret_cast<void**>(&pPersist));
    if (SUCCEEDED(hr)) {
        hr = pPersist->InitNew();
        if (SUCCEEDED(hr))
            hr = pPersist->Load(pStream);
        pPersist->Release();
    }
    pStream->Release();
    pDocument->Release();
    return hr;
}

} // namespace

HRESULT LoadHtmlString(CZNPropertyGridHtmlCtrl* pView, const CString& strText)
{
    if (pView == nullptr)
        return E_INVALIDARG;
    IWebBrowser2* pBrowser = pView->GetWebBrowser();
    if (pBrowser == nullptr)
        return E_NOINTERFACE;
    // The text with its terminator, as the document reads it from the stream.
    SIZE_T cbText = (SIZE_T(strText.GetLength()) + 1) * sizeof(wchar_t);
    HGLOBAL hText = ::GlobalAlloc(GPTR, cbText);
    if (hText == nullptr)
        return E_OUTOFMEMORY;
    std::memcpy(hText, static_cast<const wchar_t*>(strText), cbText);
    return LoadHtmlMemory(pBrowser, hText);
}
