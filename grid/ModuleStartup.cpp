// Start-up of the module as an MFC extension DLL.
#include <ZNPropertyGrid.h>

#include "grid/ModuleStartup.h"

namespace {

AFX_EXTENSION_MODULE g_propertyGridModule = {FALSE, nullptr, nullptr};

} // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID)
{
    if (dwReason == DLL_PROCESS_ATTACH)
        return AfxInitExtensionModule(g_propertyGridModule, hInstance);
    if (dwReason == DLL_PROCESS_DETACH)
        AfxTermExtensionModule(g_propertyGridModule);
    return TRUE;
}

HINSTANCE GetPropertyGridInstance()
{
    return g_propertyGridModule.hModule;
}

extern "C" void InitPropertyGridCtrl()
{
    new CDynLinkLibrary(g_propertyGridModule);
}
