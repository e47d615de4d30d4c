#include "AfxState.h"

namespace afx_internal {
namespace {

struct ThreadMaps
{
    CHandleMap<CWnd, HWND> windows{[](CWnd* pWnd, HWND hWnd) { pWnd->m_hWnd = hWnd; },
                                   [](CWnd* pWnd) { pWnd->m_hWnd = nullptr; }};
    CHandleMap<CDC, HDC> dcs{[](CDC* pDC, HDC hDC) { pDC->m_hDC = pDC->m_hAttribDC = hDC; },
                             [](CDC* pDC) { pDC->m_hDC = pDC->m_hAttribDC = nullptr; }};
    CHandleMap<CGdiObject, HGDIOBJ> gdiObjects{
        [](CGdiObject* pObject, HGDIOBJ h) { pObject->m_hObject = h; },
        [](CGdiObject* pObject) { pObject->m_hObject = nullptr; }};
    CHandleMap<CMenu, HMENU> menus{[](CMenu* pMenu, HMENU hMenu) { pMenu->m_hMenu = hMenu; },
                                   [](CMenu* pMenu) { pMenu->m_hMenu = nullptr; }};
};

ThreadMaps& Maps()
{
    static ThreadMaps maps;
    return maps;
}

} // namespace

CHandleMap<CWnd, HWND>& WindowMap()
{
    return Maps().windows;
}
CHandleMap<CDC, HDC>& DCMap()
{
    return Maps().dcs;
}
CHandleMap<CGdiObject, HGDIOBJ>& GdiObjectMap()
{
    return Maps().gdiObjects;
}

CHandleMap<CMenu, HMENU>& MenuMap()
{
    return Maps().menus;
}

RoutingState& Routing()
{
    static RoutingState state;
    return state;
}

ModuleState& Module()
{
    static ModuleState state;
    return state;
}

void DeleteTempMapsWhenIdle()
{
    if (Routing().nDispatchDepth != 0)
        return;
    Maps().windows.DeleteTemp();
    Maps().dcs.DeleteTemp();
    Maps().gdiObjects.DeleteTemp();
    Maps().menus.DeleteTemp();
}

} // namespace afx_internal
