// What the grid tests share: a shown host dialog whose list box carries the grid, with two value
// columns and the root category; the host keeps the notifications it hears. Clicks and keys
// reach the cells as a user's do.
#pragma once

#include <ZNPropertyGrid.h>
#include <gtest/gtest.h>

#include "model/ZNPropertyGridCategory.h"
#include "model/ZNPropertyGridProperty.h"
#include "HostDialog.h"
#include "Input.h"

#include <functional>
#include <string>
#include <vector>

namespace pgtest {

constexpr int kGutterWidth = 18;
constexpr int kRowHeight = 18;

// The grid with the state that input and the tree change opened to the tests.
class CTestGrid : public CZNPropertyGrid
{
public:
    using CZNPropertyGrid::m_Columns;
    using CZNPropertyGrid::m_nCurrentColumn;
    using CZNPropertyGrid::m_pActiveProperty;
    using CZNPropertyGrid::m_pCaptureProperty;
    using CZNPropertyGrid::m_pRootCategory;
};

// A host window that keeps the notifications the grid sends it, each with what m_Snapshot reads
// when it arrives (for PGM_PROPERTYEXECUTE: the text it carries), then does what m_React says. It
// answers a change with kChangeAnswer, which the editor gets back, and a request to open a file
// with m_nExecuteAnswer.
template <class TWindow> class CRecording : public TWindow
{
public:
    static constexpr LRESULT kChangeAnswer = 42;
    struct Notification
    {
        WPARAM wParam;
        LPARAM lParam;
        CString strValue;
    };
    std::function<CString()> m_Snapshot;
    std::function<void(UINT nMessage)> m_React; // what the host does with what it heard
    LRESULT m_nExecuteAnswer = 0;               // non-zero: the host opens the file itself
    std::vector<Notification> m_Changes;
    std::vector<Notification> m_Checks;
    std::vector<Notification> m_Executes;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == PGM_PROPERTYEXECUTE)
            m_Executes.push_back({wParam, lParam, reinterpret_cast<const wchar_t*>(lParam)});
        else if (message == PGM_PROPERTYCHANGE || message == PGM_PROPERTYCHECK)
            (message == PGM_PROPERTYCHANGE ? m_Changes : m_Checks)
                .push_back({wParam, lParam, m_Snapshot ? m_Snapshot() : CString()});
        else
            return TWindow::WindowProc(message, wParam, lParam);
        if (m_React)
            m_React(message);
        if (message == PGM_PROPERTYEXECUTE)
            return m_nExecuteAnswer;
        return message == PGM_PROPERTYCHANGE ? kChangeAnswer : 0;
    }
};

// The state a command's update handler gives it: m_nEnabled stays -1 until Enable is called.
class CRecordingCmdUI : public CCmdUI
{
public:
    explicit CRecordingCmdUI(UINT nID = 0) { m_nID = nID; }
    void Enable(BOOL bOn) override { m_nEnabled = bOn; }
    int m_nEnabled = -1;
};

class GridFixture : public ::testing::Test
{
protected:
    // Once a process, as a host does.
    static void SetUpTestSuite();
    void SetUp() override;
    void TearDown() override;

    // Shows the host with the grid subclassed onto its list box, not yet initialized.
    bool CreateHost(DWORD dwListBoxExStyle = 0);
    // Initializes the grid with the style and the value columns "First" and "Second" of the
    // widths given, then adds the root category.
    bool Initialize(DWORD dwExtStyle = 0, const std::vector<int>& widths = {100, 100});

    CZNPropertyGridCategory* Category(CZNPropertyGridCategory* pParent, const wchar_t* pszName);
    IZNPropertyGridProperty* AddText(CZNPropertyGridCategory* pCategory, unsigned nID = 1);
    // A property of the type in m_pCategory, with the host's storage for the first two value
    // cells where given.
    IZNPropertyGridProperty* Add(eZNPropertyGridType eType, unsigned nID, void* pFirst,
                                 void* pSecond = nullptr);
    CString ValueText(IZNPropertyGridProperty* pProperty, int nIndex);
    // The object each row shows, from the top.
    std::vector<void*> Rows() const;

    CRect CellRect(int nRow, int nColumn);
    CRect CellRect(IZNPropertyGridProperty* pProperty, int nColumn);
    // The check box of a value cell as the user sees it: its side is the cell's height less the
    // grid line and a margin of 2 all round.
    CRect CheckBox(int nRow, int nColumn);

    // Clicks alternate between two points apart: two clicks on one cell make no double click.
    bool ClickCell(IZNPropertyGridProperty* pProperty, int nColumn);
    // Opens the cell, replaces its text (the caret waits after it: Shift+Home selects it all)
    // and presses endKey unless it is 0.
    bool Edit(IZNPropertyGridProperty* pProperty, int nColumn, const std::wstring& text,
              WORD endKey = VK_RETURN);
    bool Commit(IZNPropertyGridProperty* pProperty, int nColumn);

    // The open editor's text and run-time class: the edit control has the focus.
    static CString EditText();
    static const char* EditorClass();

    CRecording<CHostDialog> m_Host;
    CTestGrid m_Grid;
    CZNPropertyGridCategory* m_pRoot = nullptr;
    // Where Add puts properties: the root, unless a suite names a category of its own.
    CZNPropertyGridCategory* m_pCategory = nullptr;
    int m_nClicks = 0;
};

// Editing tests keep their properties in one category under the root, as hosts mostly do.
class EditTest : public GridFixture
{
protected:
    void SetUp() override;
};

} // namespace pgtest
