// The OLE container of the help pane's web browser.
#pragma once

#include <exdisp.h>
#include <ole2.h>

// The container around one web browser living in place in a window's client area: the client
// site, in-place site and frame that the browser asks its host for. Reference-counted as COM
// wants; the pane holds one reference until it destroys the browser.
class CZNPropertyGridHtmlSite final : public IOleClientSite,
                                      public IOleInPlaceSite,
                                      public IOleInPlaceFrame
{
public:
    // Creates the browser in place over hWnd's client area (OLE initialised on this thread);
    // null when it cannot be created.
    static CZNPropertyGridHtmlSite* Create(HWND hWnd);
    // Closes and lets go of the browser, then drops the pane's reference.
    void Destroy();

    IWebBrowser2* GetWebBrowser() const { return m_pBrowser; }
    // The browser covers the window's client area again.
    void FitToWindow();
    // Offers a key message to the browser; true when it took it as its own.
    bool PreTranslateKey(MSG* pMsg);

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID riid, void** ppvObject) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    // IOleClientSite
    STDMETHODIMP SaveObject() override;
    STDMETHODIMP GetMoniker(DWORD dwAssign, DWORD dwWhichMoniker, IMoniker** ppmk) override;
    STDMETHODIMP GetContainer(IOleContainer** ppContainer) override;
    STDMETHODIMP ShowObject() override;
    STDMETHODIMP OnShowWindow(BOOL fShow) override;
    STDMETHODIMP RequestNewObjectLayout() override;

    // IOleWindow, for the in-place site and the frame alike: the pane's window
    STDMETHODIMP GetWindow(HWND* phwnd) override;
    STDMETHODIMP ContextSensitiveHelp(BOOL fEnterMode) override;

    // IOleInPlaceSite
    STDMETHODIMP CanInPlaceActivate() override;
    STDMETHODIMP OnInPlaceActivate() override;
    STDMETHODIMP OnUIActivate() override;
    STDMETHODIMP GetWindowContext(IOleInPlaceFrame** ppFrame, IOleInPlaceUIWindow** ppDoc,
                                  LPRECT lprcPosRect, LPRECT lprcClipRect,
                                  LPOLEINPLACEFRAMEINFO lpFrameInfo) override;
    STDMETHODIMP Scroll(SIZE scrollExtant) override;
    STDMETHODIMP OnUIDeactivate(BOOL fUndoable) override;
    STDMETHODIMP OnInPlaceDeactivate() override;
    STDMETHODIMP DiscardUndoState() override;
    STDMETHODIMP DeactivateAndUndo() override;
    STDMETHODIMP OnPosRectChange(LPCRECT lprcPosRect) override;

    // IOleInPlaceUIWindow and IOleInPlaceFrame: no tool space, menus or accelerators to share
    STDMETHODIMP GetBorder(LPRECT lprectBorder) override;
    STDMETHODIMP RequestBorderSpace(LPCBORDERWIDTHS pborderwidths) override;
    STDMETHODIMP SetBorderSpace(LPCBORDERWIDTHS pborderwidths) override;
    STDMETHODIMP SetActiveObject(IOleInPlaceActiveObject* pActiveObject,
                                 LPCOLESTR pszObjName) override;
    STDMETHODIMP InsertMenus(HMENU hmenuShared, LPOLEMENUGROUPWIDTHS lpMenuWidths) override;
    STDMETHODIMP SetMenu(HMENU hmenuShared, HOLEMENU holemenu, HWND hwndActiveObject) override;
    STDMETHODIMP RemoveMenus(HMENU hmenuShared) override;
    STDMETHODIMP SetStatusText(LPCOLESTR pszStatusText) override;
    STDMETHODIMP EnableModeless(BOOL fEnable) override;
    STDMETHODIMP TranslateAccelerator(LPMSG lpmsg, WORD wID) override;

private:
    explicit CZNPropertyGridHtmlSite(HWND hWnd);
    ~CZNPropertyGridHtmlSite();
    CZNPropertyGridHtmlSite(const CZNPropertyGridHtmlSite&) = delete;
    CZNPropertyGridHtmlSite& operator=(const CZNPropertyGridHtmlSite&) = delete;

    bool Activate();

    HWND m_hWnd;              // the pane's window, the browser's parent
    LONG m_nRefs;             // COM references to the site
    IOleObject* m_pObject;    // the browser as an embedded object; null once destroyed
    IWebBrowser2* m_pBrowser; // the browser's automation interface; null once destroyed
};
