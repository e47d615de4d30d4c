// An invisible helper dialog.
#pragma once

#include <afxwin.h>

#include "resources/resource.h"

// CHiddenDlg is an empty child dialog parked out of sight: a window of the system's dialog
// class through which its owner reaches that class without touching a dialog of its own.
class CHiddenDlg : public CDialog
{
    DECLARE_DYNAMIC(CHiddenDlg)
public:
    static constexpr UINT IDD = IDD_PROPERTYGRID_HIDDEN;

    explicit CHiddenDlg(CWnd* pParent = nullptr);

    BOOL OnInitDialog() override;
};
