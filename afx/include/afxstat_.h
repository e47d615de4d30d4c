// State the framework keeps for the user-interface thread, as MFC's module thread state.
#pragma once

#include "afxwin.h"

class CToolTipCtrl;

struct AFX_CORE_API AFX_MODULE_THREAD_STATE
{
    // The thread's tool-tip control, made by the first window with tool tips that the mouse
    // moves over; null until then.
    CToolTipCtrl* m_pToolTip = nullptr;
    CWnd* m_pLastHit = nullptr;      // the window whose tool is shown
    INT_PTR m_nLastHit = -1;         // the id OnToolHitTest gave that tool
    TOOLINFO m_lastInfo = {};        // the registered tool, to remove it when the next one comes
    BOOL m_bToolTipsEnabled = FALSE; // some window called EnableToolTips
};

AFX_CORE_API AFX_MODULE_THREAD_STATE* AFXAPI AfxGetModuleThreadState();
