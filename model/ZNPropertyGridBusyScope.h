// Marks a message of a grid or of one of its editors as under way.
#pragma once

#include <ZNPropertyGrid.h>

// While any scope of a grid is open, the categories, properties and row records removed from
// it stay allocated; the grid destroys them once the host's message loop runs again after the
// last scope closed. The grid opens one around each of its own messages and every editor
// around each of its messages, so that code that sent a notification finds what it still uses
// alive whatever the host did in its answer. A null grid makes a scope that does nothing.
class CZNPropertyGridBusyScope
{
public:
    explicit CZNPropertyGridBusyScope(CZNPropertyGrid* pGrid);
    ~CZNPropertyGridBusyScope();
    CZNPropertyGridBusyScope(const CZNPropertyGridBusyScope&) = delete;
    CZNPropertyGridBusyScope& operator=(const CZNPropertyGridBusyScope&) = delete;

    // The grid that is a window's parent, or null when the parent is no grid.
    static CZNPropertyGrid* GridOfChild(HWND hWnd);

private:
    CZNPropertyGrid* m_pGrid; // the grid whose destruction waits; may be null
};
