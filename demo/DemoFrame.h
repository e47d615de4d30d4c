// The demo's main window: a frame with File and Edit menus and accelerators around the form.
// Its Edit commands go to the grid first, which hands them to an open in-place editor.
#pragma once

#include "DemoForm.h"

class CDemoFrame : public CFrameWnd
{
public:
    // With a screenshot path, the frame saves a picture of itself there once it is shown and
    // closes; bScreenshotWritten tells whether that worked.
    CDemoFrame(const CString& strScreenshotPath, bool& bScreenshotWritten);

    BOOL CreateDemo();
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnAppExit();

    DECLARE_MESSAGE_MAP()

private:
    void FitToForm();
    void SaveScreenshot();

    CDemoForm m_Form;
    CString m_strScreenshotPath;
    bool& m_bScreenshotWritten;
};
