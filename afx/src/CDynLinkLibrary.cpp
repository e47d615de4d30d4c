// The resource chain: the application's resources first, then those of every extension DLL
// that put itself into the chain with a CDynLinkLibrary, then the framework's own.
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

extern "C" IMAGE_DOS_HEADER __ImageBase; // the linker's name for this DLL's own image

namespace {

// The framework DLL itself, whose own strings (the prompts of data validation) come last.
HINSTANCE FrameworkModule()
{
    return reinterpret_cast<HINSTANCE>(&__ImageBase);
}

// The first module of the resource chain that holds the resource: the application's resources,
// the libraries of the application, the framework's system libraries, the framework itself.
template <typename Holds> HINSTANCE FirstModuleHolding(Holds holds)
{
    HINSTANCE hApp = AfxGetResourceHandle();
    if (holds(hApp))
        return hApp;
    for (BOOL bSystem : {FALSE, TRUE}) {
        for (CDynLinkLibrary* pDLL = Module().pFirstDLL; pDLL != nullptr; pDLL = pDLL->m_pNextDLL) {
            if (pDLL->m_bSystem == bSystem && pDLL->m_hResource != nullptr &&
                holds(pDLL->m_hResource))
                return pDLL->m_hResource;
        }
    }
    return holds(FrameworkModule()) ? FrameworkModule() : nullptr;
}

} // namespace

HINSTANCE AFXAPI AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType)
{
    HINSTANCE hInst = FirstModuleHolding(
        [&](HINSTANCE h) { return ::FindResourceW(h, lpszName, lpszType) != nullptr; });
    return hInst != nullptr ? hInst : AfxGetResourceHandle();
}

// A module counts only when its string is not empty.
HINSTANCE AFXAPI AfxFindStringResourceHandle(UINT nID)
{
    return FirstModuleHolding([nID](HINSTANCE h) {
        const wchar_t* pchString = nullptr;
        return ::LoadStringW(h, nID, reinterpret_cast<LPWSTR>(&pchString), 0) > 0;
    });
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
