// Start-up of the module as an MFC extension DLL.
#include <ZNPropertyGrid.h>

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

extern "C" void InitPropertyGridCtrl()
{
    new CDynLinkLibrary(g_propertyGridModule);
}
