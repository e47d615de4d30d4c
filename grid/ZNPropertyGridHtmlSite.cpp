// The help pane's OLE container: the web browser created, activated in place, fitted to the
// pane's window and closed again, and the site interfaces the browser calls meanwhile.
#include "grid/ZNPropertyGridHtmlSite.h"

#include "grid/HtmlEngine.h"

#include <new>

CZNPropertyGridHtmlSite::CZNPropertyGridHtmlSite(HWND hWnd)
    : m_hWnd(hWnd), m_nRefs(1), m_pObject(nullptr), m_pBrowser(nullptr)
{
}

CZNPropertyGridHtmlSite::~CZNPropertyGridHtmlSite() = default;

CZNPropertyGridHtmlSite* CZNPropertyGridHtmlSite::Create(HWND hWnd)
{
    auto* pSite = new (std::nothrow) CZNPropertyGridHtmlSite(hWnd);
    if (pSite == nullptr)
        return nullptr;
    if (!pSite->Activate()) {
        pSite->Destroy();
        return nullptr;
    }
    // A blank document to write pages into; making it is what needs the HTML engine.
    if (IsHtmlEngineInstalled()) {
        BSTR bstrBlank = ::SysAllocString(L"about:blank");
        pSite->m_pBrowser->Navigate(bstrBlank, nullptr, nullptr, nullptr, nullptr);
        ::SysFreeString(bstrBlank);
    }
    return pSite;
}

bool CZNPropertyGridHtmlSite::Activate()
{
    if (FAILED(::CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                                  reinterpret_cast<void**>(&m_pObject))))
        return false;
    RECT rcClient;
    ::GetClientRect(m_hWnd, &rcClient);
    return SUCCEEDED(m_pObject->SetClientSite(this)) &&
           SUCCEEDED(
               m_pObject->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, this, 0, m_hWnd, &rcClient)) &&
           SUCCEEDED(
               m_pObject->QueryInterface(IID_IWebBrowser2, reinterpret_cast<void**>(&m_pBrowser)));
}

void CZNPropertyGridHtmlSite::Destroy()
{
    if (m_pBrowser != nullptr) {
        m_pBrowser->Release();
        m_pBrowser = nullptr;
    }
    if (m_pObject != nullptr) {
        m_pObject->Close(OLECLOSE_NOSAVE);
        m_pObject->SetClientSite(nullptr);
        m_pObject->Release();
        m_pObject = nullptr;
    }
    Release();
}

void CZNPropertyGridHtmlSite::FitToWindow()
{
    IOleInPlaceObject* pInPlace = nullptr;
    if (FAILED(
            m_pObject->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&pInPlace))))
        return;
    RECT rcClient;
    ::GetClientRect(m_hWnd, &rcClient);
    pInPlace->SetObjectRects(&rcClient, &rcClient);
    pInPlace->Release();
}

bool CZNPropertyGridHtmlSite::PreTranslateKey(MSG* pMsg)
{
    IOleInPlaceActiveObject* pActive = nullptr;
    if (FAILED(m_pBrowser->QueryInterface(IID_IOleInPlaceActiveObject,
                                          reinterpret_cast<void**>(&pActive))))
        return false;
    bool bTaken = pActive->TranslateAccelerator(pMsg) == S_OK;
    pActive->Release();
    return bTaken;
}

//---------------------------------------------------------------------------------------------
// IUnknown

STDMETHODIMP CZNPropertyGridHtmlSite::QueryInterface(REFIID riid, void** ppvObject)
{
    if (ppvObject == nullptr)
        return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IOleClientSite)
        *ppvObject = static_cast<IOleClientSite*>(this);
    else if (riid == IID_IOleWindow || riid == IID_IOleInPlaceSite)
        *ppvObject = static_cast<IOleInPlaceSite*>(this);
    else if (riid == IID_IOleInPlaceUIWindow || riid == IID_IOleInPlaceFrame)
        *ppvObject = static_cast<IOleInPlaceFrame*>(this);
    else {
        *ppvObject = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) CZNPropertyGridHtmlSite::AddRef()
{
    return ULONG(::InterlockedIncrement(&m_nRefs));
}

STDMETHODIMP_(ULONG) CZNPropertyGridHtmlSite::Release()
{
    LONG nRefs = ::InterlockedDecrement(&m_nRefs);
    if (nRefs == 0)
        delete this;
    return ULONG(nRefs);
}

//---------------------------------------------------------------------------------------------
// IOleClientSite: nothing is stored, the browser is always shown

STDMETHODIMP CZNPropertyGridHtmlSite::SaveObject()
{
    return E_NOTIMPL;
}

STDMETHODIMP CZNPropertyGridHtmlSite::GetMoniker(DWORD, DWORD, IMoniker** ppmk)
{
    *ppmk = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP CZNPropertyGridHtmlSite::GetContainer(IOleContainer** ppContainer)
{
    *ppContainer = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP CZNPropertyGridHtmlSite::ShowObject()
{
    return S_OK;
}

STDMETHODIMP CZNPropertyGridHtmlSite::OnShowWindow(BOOL)
{
    return S_OK;
}

STDMETHODIMP CZNPropertyGridHtmlSite::RequestNewObjectLayout()
{
    return E_NOTIMPL;
}

//---------------------------------------------------------------------------------------------
// IOleWindow

STDMETHODIMP CZNPropertyGridHtmlSite::GetWindow(HWND* phwnd)
{
    *phwnd = m_hWnd;
    return S_OK;
}

STDMETHODIMP CZNPropertyGridHtmlSite::ContextSensitiveHelp(BOOL)
{
    return E_NOTIMPL;
}

//---------------------------------------------------------------------------------------------
// IOleInPlaceSite: the browser lives over the whole client area of the pane

STDMETHODIMP CZNPropertyGridHtmlSite::CanInPlaceActivate()
{
    return S_OK;
}

STDMETHODIMP CZNPropertyGridHtmlSite::OnInPlaceActivate()
{
    return S_OK;
}

STDMETHODIMP CZNPropertyGridHtmlSite::OnUIActivate()
{
    return S_OK;
}

STDMETHODIMP CZNPropertyGridHtmlSite::GetWindowContext(IOleInPlaceFrame** ppFrame,
                                                       IOleInPlaceUIWindow** ppDoc,
                                                       LPRECT lprcPosRect, LPRECT lprcClipRect,
                                                       LPOLEINPLACEFRAMEINFO lpFrameInfo)
{
    AddRef();
    *ppFrame = this;
    *ppDoc = nullptr;
    ::GetClientRect(m_hWnd, lprcPosRect);
    ::GetClientRect(m_hWnd, lprcClipRect);
    lpFrameInfo->fMDIApp = FALSE;
    lpFrameInfo->hwndFrame = ::GetAncestor(m_hWnd, GA_ROOT);
    lpFrameInfo->haccel = nullptr;
    lpFrameInfo->cAccelEntries = 0;
    return S_OK;
}

STDMETHODIMP CZNPropertyGridHtmlSite::Scroll(SIZE)
{
    return E_NOTIMPL;
}

STDMETHODIMP CZNPropertyGridHtmlSite::OnUIDeactivate(BOOL)
{
    return S_OK;
}

STDMETHODIMP CZNPropertyGridHtmlSite::OnInPlaceDeactivate()
{
    return S_OK;
}

STDMETHODIMP CZNPropertyGridHtmlSite::DiscardUndoState()
{
    return E_NOTIMPL;
}

STDMETHODIMP CZNPropertyGridHtmlSite::DeactivateAndUndo()
{
    return E_NOTIMPL;
}

STDMETHODIMP CZNPropertyGridHtmlSite::OnPosRectChange(LPCRECT)
{
    return S_OK;
}

//---------------------------------------------------------------------------------------------
// IOleInPlaceUIWindow and IOleInPlaceFrame

STDMETHODIMP CZNPropertyGridHtmlSite::GetBorder(LPRECT)
{
    return INPLACE_E_NOTOOLSPACE;
}

STDMETHODIMP CZNPropertyGridHtmlSite::RequestBorderSpace(LPCBORDERWIDTHS)
{
    return INPLACE_E_NOTOOLSPACE;
}

STDMETHODIMP CZNPropertyGridHtmlSite::SetBorderSpace(LPCBORDERWIDTHS pborderwidths)
{
    return pborderwidths == nullptr ? S_OK : OLE_E_INVALIDRECT;
}

STDMETHODIMP CZNPropertyGridHtmlSite::SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR)
{
    return S_OK;
}

STDMETHODIMP CZNPropertyGridHtmlSite::InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS)
{
    return E_NOTIMPL;
}

STDMETHODIMP CZNPropertyGridHtmlSite::SetMenu(HMENU, HOLEMENU, HWND)
{
    return S_OK;
}

STDMETHODIMP CZNPropertyGridHtmlSite::RemoveMenus(HMENU)
{
    return E_NOTIMPL;
}

STDMETHODIMP CZNPropertyGridHtmlSite::SetStatusText(LPCOLESTR)
{
    return S_OK;
}

STDMETHODIMP CZNPropertyGridHtmlSite::EnableModeless(BOOL)
{
    return S_OK;
}

STDMETHODIMP CZNPropertyGridHtmlSite::TranslateAccelerator(LPMSG, WORD)
{
    return S_FALSE;
}
