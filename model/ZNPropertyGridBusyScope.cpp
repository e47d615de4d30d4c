// Marks a message of a grid or of one of its editors as under way.
#include "model/ZNPropertyGridBusyScope.h"

CZNPropertyGridBusyScope::CZNPropertyGridBusyScope(CZNPropertyGrid* pGrid) : m_pGrid(pGrid)
{
    if (m_pGrid != nullptr)
        ++m_pGrid->m_nBusyDepth;
}

CZNPropertyGridBusyScope::~CZNPropertyGridBusyScope()
{
    if (m_pGrid != nullptr)
        m_pGrid->LeaveBusy();
}

CZNPropertyGrid* CZNPropertyGridBusyScope::GridOfChild(HWND hWnd)
{
    if (hWnd == nullptr)
        return nullptr;
    return DYNAMIC_DOWNCAST(CZNPropertyGrid, CWnd::FromHandlePermanent(::GetParent(hWnd)));
}
