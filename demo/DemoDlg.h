// The demo's main dialog: a property grid over the dialog's list box, editing two objects.
#pragma once

#include <ZNPropertyGrid.h>

// What the demo edits: one object per value column.
struct CDemoObject
{
    CString strName;
    CString strDescription;
    CString strMaterial;
    CString strTexture;
    CString strTag;
    CString strScript;
};

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
    afx_msg LRESULT OnPropertyChange(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    void FillGrid();
    // A text property showing the same field of both objects.
    IZNPropertyGridProperty* AddTextProperty(CZNPropertyGridCategory* pCategory,
                                             const wchar_t* pszName, const wchar_t* pszHelp,
                                             unsigned nID, CString CDemoObject::*pField);
    void SaveScreenshot();

    CZNPropertyGrid m_Grid;
    CDemoObject m_Objects[2];
    CString m_strScreenshotPath;
    bool m_bScreenshotWritten = false;
};
