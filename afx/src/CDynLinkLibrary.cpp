// The resource chain: the application's resources first, then those of every extension DLL
// that put itself into the chain with a CDynLinkLibrary.
#include "AfxState.h"

using afx_internal::Module;

IMPLEMENT_DYNAMIC(CDynLinkLibrary, CCmdTarget)

HINSTANCE AFXAPI AfxGetResourceHandle()
{
    return Module().hCurrentResourceHandle;
}

void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource)
{
    Module().hCurrentResourceHandle = hInstResource;
}

CDynLinkLibrary* AFXAPI AfxGetFirstDynLinkLibrary()
{
    return Module().pFirstDLL;
}

HINSTANCE AFXAPI AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType)
{
    HINSTANCE hApp = AfxGetResourceHandle();
    if (::FindResourceW(hApp, lpszName, lpszType) != nullptr)
        return hApp;
    // Libraries of the application before the framework's own (system) libraries.
    for (BOOL bSystem : {FALSE, TRUE}) {
        for (CDynLinkLibrary* pDLL = Module().pFirstDLL; pDLL != nullptr; pDLL = pDLL->m_pNextDLL) {
            if (pDLL->m_bSystem == bSystem && pDLL->m_hResource != nullptr &&
                ::FindResourceW(pDLL->m_hResource, lpszName, lpszType) != nullptr)
                return pDLL->m_hResource;
        }
    }
    return hApp;
}

BOOL AFXAPI AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule)
{
    if (hModule == nullptr)
        return FALSE;
    state.bInitialized = TRUE;
    state.hModule = hModule;
    state.hResource = hModule;
    return TRUE;
}

void AFXAPI AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll)
{
    if (!state.bInitialized)
        return;
    CDynLinkLibrary* pDLL = Module().pFirstDLL;
    while (pDLL != nullptr) {
        CDynLinkLibrary* pNext = pDLL->m_pNextDLL;
        if (bAll || pDLL->m_hModule == state.hModule)
            delete pDLL;
        pDLL = pNext;
    }
    state.bInitialized = FALSE;
}

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem)
    : CDynLinkLibrary(state.hModule, state.hResource)
{
    m_bSystem = bSystem;
}

CDynLinkLibrary::CDynLinkLibrary(HINSTANCE hModule, HINSTANCE hResource)
    : m_hModule(hModule), m_hResource(hResource), m_bSystem(FALSE), m_pNextDLL(Module().pFirstDLL)
{
    Module().pFirstDLL = this;
}

CDynLinkLibrary::~CDynLinkLibrary()
{
    for (CDynLinkLibrary** ppDLL = &Module().pFirstDLL; *ppDLL != nullptr;
         ppDLL = &(*ppDLL)->m_pNextDLL) {
        if (*ppDLL == this) {
            *ppDLL = m_pNextDLL;
            break;
        }
    }
}
