// The minimal host's dialog: a property grid that edits two objects side by side, one value
// column each, and a status line that tells of the last change.
#pragma once

#include <ZNColorDialog.h>
#include <ZNPropertyGrid.h>

class CMinimalHostDlg : public CDialog
{
public:
    // With bSelfTest the dialog edits one value itself once it shows and ends with IDOK when
    // the grid took the edit and told the dialog, IDABORT otherwise.
    explicit CMinimalHostDlg(bool bSelfTest);

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    afx_msg LRESULT OnPropertyChange(WPARAM wParam, LPARAM lParam);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnAccentColour();

    DECLARE_MESSAGE_MAP()

private:
    void FillGrid();
    void AddGeneral(CZNPropertyGridCategory* pRoot);
    void AddPhysics(CZNPropertyGridCategory* pRoot);
    void AddLooks(CZNPropertyGridCategory* pRoot);
    void RunSelfTestStep();
    bool SelfTestPassed();

    CZNPropertyGrid m_Grid; // subclassed onto the dialog's list box IDC_GRID

    // The values the grid edits in place: index 0 is the first value column, 1 the second.
    CString m_strName[2] = {L"Crate", L"Barrel"};
    CString m_strShape[2] = {L"Box", L"Cylinder"};
    int m_nCount[2] = {12, 3};
    float m_fMass[2] = {25.5f, 80.25f};
    float m_vPosition[2][3] = {{1.0f, 2.0f, 0.0f}, {-4.5f, 0.0f, 7.25f}};
    // Red, green, blue, alpha from 0 to 1.
    float m_cTint[2][4] = {{0.8f, 0.55f, 0.3f, 1.0f}, {0.35f, 0.35f, 0.4f, 0.75f}};
    // The colour the Accent colour button picks, RGBA: red in the low byte, alpha in the high.
    DWORD m_dwAccent = 0xFF3366CC;

    IZNPropertyGridProperty* m_pCount = nullptr; // the property the self-test edits
    bool m_bSelfTest;                            // edit one value, then end with the result
    int m_nSelfTestStep = 0;                     // the next step of the self-test
};
