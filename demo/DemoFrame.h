// The demo's main window: a frame with File and Edit menus and accelerators around the form.
// Its Edit commands go to the grid first, which hands them to an open in-place editor.
#pragma once

#include "DemoForm.h"
#include "DemoScenes.h"

class CDemoFrame : public CFrameWnd
{
public:
    // With a screenshot folder, the frame takes the demo's pictures there once it is shown and
    // closes; bScreenshotsWritten tells whether every one was written.
    CDemoFrame(const CString& strScreenshotFolder, bool& bScreenshotsWritten);

    BOOL CreateDemo();
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnAppExit();

    DECLARE_MESSAGE_MAP()

private:
    void FitToForm();
    // The states the pictures show, in the order they are taken.
    std::vector<CDemoScene> Scenes();
    // The form with the in-place editor of the first property of that type open.
    CDemoScene EditorScene(const wchar_t* pszName, eZNPropertyGridType eType);

    CDemoForm m_Form;
    CString m_strScreenshotFolder;
    bool& m_bScreenshotsWritten;
};
