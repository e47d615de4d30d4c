// The demo's main dialog: a property grid over the dialog's list box.
#pragma once

#include <ZNPropertyGrid.h>

class CDemoDlg : public CDialog
{
public:
    CDemoDlg();

    // With a path, the dialog saves a picture of itself there once it is shown, then closes.
    void SetScreenshotPath(const CString& strPath) { m_strScreenshotPath = strPath; }
    bool ScreenshotWritten() const { return m_bScreenshotWritten; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    afx_msg void OnTimer(UINT_PTR nIDEvent);

    DECLARE_MESSAGE_MAP()

private:
    void SaveScreenshot();

    CZNPropertyGrid m_Grid;
    CString m_strScreenshotPath;
    bool m_bScreenshotWritten = false;
};
