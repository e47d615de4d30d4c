// What the drop-down list tests share: a shown host window holding a stand-in for the
// enumeration editor, which owns the list as the editor does and keeps what the list tells it.
// Clicks, moves, the wheel and keys reach the list as a user's do.
#pragma once

#include <ZNPropertyGrid.h>
#include <gtest/gtest.h>

#include "Input.h"
#include "properties/ZNPropertyGridPropertyEnumDroplistDlg.h"

#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace pgtest {

// A message the list sent its owner, with its wParam.
using OwnerMessage = std::pair<UINT, WPARAM>;

// A top-level dialog of the application that ignores Enter and Escape.
class CTestHost : public CDialog
{
public:
    // Shows it active at the screen position with the client size in pixels.
    BOOL Create(const wchar_t* pszTitle, CPoint ptScreen, CSize szClient);

protected:
    void OnOK() override {}
    void OnCancel() override {}
};

// Stands in for the enumeration editor: a child dialog whose edit field holds the focus. As the
// editor does, it opens the list under itself, passes the wheel on to the open list and destroys
// the list with its own window.
class CEditorStandIn : public CDialog
{
public:
    BOOL Create(CWnd* pHost, const CRect& rcInHost);
    // The editor's anchor: just under its client area, one pixel wider, 100 pixels high.
    CRect Anchor() const;
    BOOL Open(const std::vector<CString>* pItems, const wchar_t* pszCurrent);

    CZNPropertyGridPropertyEnumDroplistDlg m_DropList;
    CEdit m_Edit;
    std::vector<OwnerMessage> m_Messages; // PGM_DROPLIST_ messages, in order
    // Runs on a commit, as the host's answer to the change the editor reports would; it may
    // delete this object.
    std::function<void()> m_OnCommit;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override {}
    void OnCancel() override {}
};

class DropListTest : public ::testing::Test
{
protected:
    static constexpr SIZE kEditorSize{150, 20};

    static void SetUpTestSuite();
    void SetUp() override;
    void TearDown() override;

    // A stand-in editor in its place in the host, with the focus in its edit field.
    bool CreateEditor();
    // Opens the list in the stand-in editor and lets it settle.
    bool Open(const std::vector<CString>* pItems, const wchar_t* pszCurrent = L"");

    HWND Popup() const { return m_pEditor->m_DropList.m_hWnd; }
    HWND List() const { return ::GetDlgItem(Popup(), IDC_PROPERTYGRID_DROPLIST); }
    bool IsOpen() const { return Popup() != nullptr && ::IsWindowVisible(Popup()); }
    CRect PopupRect() const;
    int RowHeight() const;
    int Selected() const;
    int TopIndex() const;
    // The middle of a row in the list box's client coordinates.
    CPoint RowPoint(int nItem) const;
    CString ItemText(int nItem) const;
    // A click on the list, aimed through the host: the list's window is gone before the button
    // comes up.
    bool ClickList(CPoint ptInList);
    // The editor's edit field and the host: where the focus and the activation belong.
    HWND EditField() const { return m_pEditor->m_Edit.m_hWnd; }
    bool FocusAndActivationStayWithTheHost() const;
    bool AnyHookInstalled();

    CTestHost m_Host;
    std::unique_ptr<CEditorStandIn> m_pEditor;
};

} // namespace pgtest
