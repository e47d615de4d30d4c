// The help pane of Tarvex.PropertyGrid: a window showing the system's web browser, in which a
// grid writes the selected row's name and help text (CZNPropertyGrid::AttachHTMLHelp).
//
// A host places a control (a static frame, for instance) where the pane goes in its dialog and
// subclasses it onto a CZNPropertyGridHtmlCtrl, for instance with DDX_Control; the browser is
// created then, fills the control and goes with it. The pane initialises OLE on its thread for as
// long as it lives, so the host needs no COM code of its own; a thread that chose the
// multithreaded apartment gets a pane without a browser.
#pragma once

#include <afxwin.h>

struct IWebBrowser2;
class CZNPropertyGridHtmlSite;

// A placeholder control turned into an in-place web browser that a property grid writes its
// help pages into.
class AFX_EXT_CLASS CZNPropertyGridHtmlCtrl : public CWnd
{
    DECLARE_DYNAMIC(CZNPropertyGridHtmlCtrl)
public:
    CZNPropertyGridHtmlCtrl();
    ~CZNPropertyGridHtmlCtrl() override;

    // Overridables

    // The browser's interface, owned by the pane (no reference is added); null while the
    // browser does not exist. Under Wine without its HTML engine the browser exists but shows
    // no document, so that Wine is never asked to install one. A host that embeds a browser
    // of its own derives and hands out that one.
    virtual IWebBrowser2* GetWebBrowser() const;
    // Keys for the browser go to it first, as to any in-place active object.
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    void PreSubclassWindow() override;
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnDestroy();

    DECLARE_MESSAGE_MAP()

private:
    void CreateBrowser();
    void DestroyBrowser();

    CZNPropertyGridHtmlSite* m_pSite; // the browser and the container around it, if any
    bool m_bOleInitialized;           // this pane's OleInitialize is still to be balanced
};

// Writes text as the document of the pane's browser. S_OK, or the failure: E_INVALIDARG without
// a pane, E_NOINTERFACE without a browser or document, E_OUTOFMEMORY, or the browser's own.
AFX_EXT_API HRESULT LoadHtmlString(CZNPropertyGridHtmlCtrl* pView, const CString& strText);
