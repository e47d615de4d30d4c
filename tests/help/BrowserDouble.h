// Stand-ins for the web browser and its document where the machine has no HTML engine: the
// browser hands out a document, the document keeps the bytes it is loaded with. Every other
// member of the browser answers E_NOTIMPL. Both count their references, so that a test sees
// what the caller failed to release.
#pragma once

#include <ZNPropertyGridHtmlCtrl.h>

#include <exdisp.h>
#include <ocidl.h>

#include <cstring>
#include <string>
#include <vector>

namespace pgtest {

// IDispatch's members, unused by the pane, on top of an interface derived from it.
template <class TInterface> class CDispatchStub : public TInterface
{
public:
    STDMETHODIMP GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override
    {
        return E_NOTIMPL;
    }
    STDMETHODIMP Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                        UINT*) override
    {
        return E_NOTIMPL;
    }
};

// A document that takes what it is loaded with, or fails as told.
class CDocumentDouble : public CDispatchStub<IDispatch>, public IPersistStreamInit
{
public:
    bool m_bPersistable = true; // whether it has IPersistStreamInit
    HRESULT m_hrInitNew = S_OK;
    HRESULT m_hrLoad = S_OK;
    int m_nInitNew = 0;
    std::vector<BYTE> m_Bytes; // what the last Load read, up to the end of its stream
    LONG m_nRefs = 1;

    // The last page read as text, without its terminator.
    std::wstring Page() const;

    STDMETHODIMP QueryInterface(REFIID riid, void** ppvObject) override;
    STDMETHODIMP_(ULONG) AddRef() override { return ULONG(++m_nRefs); }
    STDMETHODIMP_(ULONG) Release() override { return ULONG(--m_nRefs); }

    STDMETHODIMP GetClassID(CLSID*) override { return E_NOTIMPL; }
    STDMETHODIMP IsDirty() override { return S_FALSE; }
    STDMETHODIMP Load(LPSTREAM pStm) override;
    STDMETHODIMP Save(LPSTREAM, BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP GetSizeMax(ULARGE_INTEGER*) override { return E_NOTIMPL; }
    STDMETHODIMP InitNew() override
    {
        ++m_nInitNew;
        return m_hrInitNew;
    }
};

// A browser whose document is m_pDocument, handed out with m_hrDocument.
class CBrowserDouble : public CDispatchStub<IWebBrowser2>
{
public:
    IDispatch* m_pDocument = nullptr;
    HRESULT m_hrDocument = S_OK;
    LONG m_nRefs = 1;

    STDMETHODIMP QueryInterface(REFIID riid, void** ppvObject) override;
    STDMETHODIMP_(ULONG) AddRef() override { return ULONG(++m_nRefs); }
    STDMETHODIMP_(ULONG) Release() override { return ULONG(--m_nRefs); }

    STDMETHODIMP get_Document(IDispatch** ppDisp) override;

    STDMETHODIMP GoBack() override { return E_NOTIMPL; }
    STDMETHODIMP GoForward() override { return E_NOTIMPL; }
    STDMETHODIMP GoHome() override { return E_NOTIMPL; }
    STDMETHODIMP GoSearch() override { return E_NOTIMPL; }
    STDMETHODIMP Navigate(BSTR, VARIANT*, VARIANT*, VARIANT*, VARIANT*) override
    {
        return E_NOTIMPL;
    }
    STDMETHODIMP Refresh() override { return E_NOTIMPL; }
    STDMETHODIMP Refresh2(VARIANT*) override { return E_NOTIMPL; }
    STDMETHODIMP Stop() override { return E_NOTIMPL; }
    STDMETHODIMP get_Application(IDispatch**) override { return E_NOTIMPL; }
    STDMETHODIMP get_Parent(IDispatch**) override { return E_NOTIMPL; }
    STDMETHODIMP get_Container(IDispatch**) override { return E_NOTIMPL; }
    STDMETHODIMP get_TopLevelContainer(VARIANT_BOOL*) override { return E_NOTIMPL; }
    STDMETHODIMP get_Type(BSTR*) override { return E_NOTIMPL; }
    STDMETHODIMP get_Left(LONG*) override { return E_NOTIMPL; }
    STDMETHODIMP put_Left(LONG) override { return E_NOTIMPL; }
    STDMETHODIMP get_Top(LONG*) override { return E_NOTIMPL; }
    STDMETHODIMP put_Top(LONG) override { return E_NOTIMPL; }
    STDMETHODIMP get_Width(LONG*) override { return E_NOTIMPL; }
    STDMETHODIMP put_Width(LONG) override { return E_NOTIMPL; }
    STDMETHODIMP get_Height(LONG*) override { return E_NOTIMPL; }
    STDMETHODIMP put_Height(LONG) override { return E_NOTIMPL; }
    STDMETHODIMP get_LocationName(BSTR*) override { return E_NOTIMPL; }
    STDMETHODIMP get_LocationURL(BSTR*) override { return E_NOTIMPL; }
    STDMETHODIMP get_Busy(VARIANT_BOOL*) override { return E_NOTIMPL; }
    STDMETHODIMP Quit() override { return E_NOTIMPL; }
    STDMETHODIMP ClientToWindow(int*, int*) override { return E_NOTIMPL; }
    STDMETHODIMP PutProperty(BSTR, VARIANT) override { return E_NOTIMPL; }
    STDMETHODIMP GetProperty(BSTR, VARIANT*) override { return E_NOTIMPL; }
    STDMETHODIMP get_Name(BSTR*) override { return E_NOTIMPL; }
    STDMETHODIMP get_HWND(SHANDLE_PTR*) override { return E_NOTIMPL; }
    STDMETHODIMP get_FullName(BSTR*) override { return E_NOTIMPL; }
    STDMETHODIMP get_Path(BSTR*) override { return E_NOTIMPL; }
    STDMETHODIMP get_Visible(VARIANT_BOOL*) override { return E_NOTIMPL; }
    STDMETHODIMP put_Visible(VARIANT_BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP get_StatusBar(VARIANT_BOOL*) override { return E_NOTIMPL; }
    STDMETHODIMP put_StatusBar(VARIANT_BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP get_StatusText(BSTR*) override { return E_NOTIMPL; }
    STDMETHODIMP put_StatusText(BSTR) override { return E_NOTIMPL; }
    STDMETHODIMP get_ToolBar(int*) override { return E_NOTIMPL; }
    STDMETHODIMP put_ToolBar(int) override { return E_NOTIMPL; }
    STDMETHODIMP get_MenuBar(VARIANT_BOOL*) override { return E_NOTIMPL; }
    STDMETHODIMP put_MenuBar(VARIANT_BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP get_FullScreen(VARIANT_BOOL*) override { return E_NOTIMPL; }
    STDMETHODIMP put_FullScreen(VARIANT_BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP Navigate2(VARIANT*, VARIANT*, VARIANT*, VARIANT*, VARIANT*) override
    {
        return E_NOTIMPL;
    }
    STDMETHODIMP QueryStatusWB(OLECMDID, OLECMDF*) override { return E_NOTIMPL; }
    STDMETHODIMP ExecWB(OLECMDID, OLECMDEXECOPT, VARIANT*, VARIANT*) override { return E_NOTIMPL; }
    STDMETHODIMP ShowBrowserBar(VARIANT*, VARIANT*, VARIANT*) override { return E_NOTIMPL; }
    STDMETHODIMP get_ReadyState(READYSTATE*) override { return E_NOTIMPL; }
    STDMETHODIMP get_Offline(VARIANT_BOOL*) override { return E_NOTIMPL; }
    STDMETHODIMP put_Offline(VARIANT_BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP get_Silent(VARIANT_BOOL*) override { return E_NOTIMPL; }
    STDMETHODIMP put_Silent(VARIANT_BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP get_RegisterAsBrowser(VARIANT_BOOL*) override { return E_NOTIMPL; }
    STDMETHODIMP put_RegisterAsBrowser(VARIANT_BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP get_RegisterAsDropTarget(VARIANT_BOOL*) override { return E_NOTIMPL; }
    STDMETHODIMP put_RegisterAsDropTarget(VARIANT_BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP get_TheaterMode(VARIANT_BOOL*) override { return E_NOTIMPL; }
    STDMETHODIMP put_TheaterMode(VARIANT_BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP get_AddressBar(VARIANT_BOOL*) override { return E_NOTIMPL; }
    STDMETHODIMP put_AddressBar(VARIANT_BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP get_Resizable(VARIANT_BOOL*) override { return E_NOTIMPL; }
    STDMETHODIMP put_Resizable(VARIANT_BOOL) override { return E_NOTIMPL; }
};

// A help pane without a window whose browser is the double, once m_bBrowserExists.
class CDoubleHtmlCtrl : public CZNPropertyGridHtmlCtrl
{
public:
    CBrowserDouble m_Browser;
    CDocumentDouble m_Document;
    bool m_bBrowserExists = true;

    CDoubleHtmlCtrl() { m_Browser.m_pDocument = &m_Document; }
    IWebBrowser2* GetWebBrowser() const override
    {
        return m_bBrowserExists ? const_cast<CBrowserDouble*>(&m_Browser) : nullptr;
    }
};

inline std::wstring CDocumentDouble::Page() const
{
    size_t nChars = m_Bytes.size() / sizeof(wchar_t);
    std::wstring page(nChars, L'\0');
    std::memcpy(page.data(), m_Bytes.data(), nChars * sizeof(wchar_t));
    if (!page.empty() && page.back() == L'\0')
        page.pop_back();
    return page;
}

inline STDMETHODIMP CDocumentDouble::QueryInterface(REFIID riid, void** ppvObject)
{
    if (riid == IID_IUnknown || riid == IID_IDispatch)
        *ppvObject = static_cast<IDispatch*>(this);
    else if (riid == IID_IPersistStreamInit && m_bPersistable)
        *ppvObject = static_cast<IPersistStreamInit*>(this);
    else {
        *ppvObject = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

inline STDMETHODIMP CDocumentDouble::Load(LPSTREAM pStm)
{
    m_Bytes.clear();
    BYTE buffer[4096];
    ULONG cbRead = 0;
    while (SUCCEEDED(pStm->Read(buffer, sizeof(buffer), &cbRead)) && cbRead > 0)
        m_Bytes.insert(m_Bytes.end(), buffer, buffer + cbRead);
    return m_hrLoad;
}

inline STDMETHODIMP CBrowserDouble::QueryInterface(REFIID riid, void** ppvObject)
{
    if (riid != IID_IUnknown && riid != IID_IDispatch && riid != IID_IWebBrowser2) {
        *ppvObject = nullptr;
        return E_NOINTERFACE;
    }
    *ppvObject = static_cast<IWebBrowser2*>(this);
    AddRef();
    return S_OK;
}

inline STDMETHODIMP CBrowserDouble::get_Document(IDispatch** ppDisp)
{
    *ppDisp = SUCCEEDED(m_hrDocument) ? m_pDocument : nullptr;
    if (*ppDisp != nullptr)
        (*ppDisp)->AddRef();
    return m_hrDocument;
}

} // namespace pgtest
