// What the grid tests share: a shown host dialog whose list box carries the grid, with two value
// columns and the root category; the host keeps the notifications it hears. Clicks and keys
// reach the cells as a user's do.
#pragma once

#include <ZNPropertyGrid.h>
#include <gtest/gtest.h>

#include "../../model/ZNPropertyGridCategory.h"
#include "../../model/ZNPropertyGridProperty.h"
#include "HostDialog.h"
#include "Input.h"

#include <functional>
#include <string>
#include <utility>
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
    using CZNPropertyGrid::m_pRootCategory;
};

// A host window that keeps the notifications the grid sends it, each with what m_Snapshot reads
// when it arrives. It answers a change with kChangeAnswer, which the editor gets back.
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
    std::vector<Notification> m_Changes;
    std::vector<Notification> m_Checks;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message != PGM_PROPERTYCHANGE && message != PGM_PROPERTYCHECK)
            return TWindow::WindowProc(message, wParam, lParam);
        (message == PGM_PROPERTYCHANGE ? m_Changes : m_Checks)
            .push_back({wParam, lParam, m_Snapshot ? m_Snapshot() : CString()});
        return message == PGM_PROPERTYCHANGE ? kChangeAnswer : 0;
    }
};

class GridFixture : public ::testing::Test
{
protected:
    // Once a process, as a host does.
    static void SetUpTestSuite()
    {
        static bool s_bInitialized = false;
        if (!std::exchange(s_bInitialized, true))
            InitPropertyGridCtrl();
    }
    void SetUp() override { ASSERT_TRUE(CreateHost() && Initialize()); }
    void TearDown() override { m_Host.DestroyWindow(); }

    // Shows the host with the grid subclassed onto its list box, not yet initialized.
    bool CreateHost(DWORD dwListBoxExStyle = 0)
    {
        return m_Host.Create(kGridListBoxStyle, {600, 240}, dwListBoxExStyle) &&
               m_Grid.SubclassDlgItem(CHostDialog::kListBoxId, &m_Host);
    }
    // Initializes the grid with the style and the value columns "First" and "Second" of the
    // widths given, then adds the root category.
    bool Initialize(DWORD dwExtStyle = 0, const std::vector<int>& widths = {100, 100})
    {
        const wchar_t* const pszTitles[] = {L"First", L"Second"};
        if (!m_Grid.Initialize(dwExtStyle))
            return false;
        for (size_t i = 0; i < widths.size(); ++i) {
            if (m_Grid.AddColumn(widths[i], pszTitles[i]) != int(i) + 1)
                return false;
        }
        m_pRoot = m_pCategory = m_Grid.AddCategory(nullptr, L"Root", L"");
        return m_pRoot != nullptr;
    }

    CZNPropertyGridCategory* Category(CZNPropertyGridCategory* pParent, const wchar_t* pszName)
    {
        return m_Grid.AddCategory(pParent, pszName, L"");
    }
    IZNPropertyGridProperty* AddText(CZNPropertyGridCategory* pCategory, unsigned nID = 1)
    {
        return m_Grid.AddProperty(pCategory, L"Name", L"", nID, PGT_TEXT, L"");
    }
    // A property of the type in m_pCategory, with the host's storage for the first two value
    // cells where given.
    IZNPropertyGridProperty* Add(eZNPropertyGridType eType, unsigned nID, void* pFirst,
                                 void* pSecond = nullptr)
    {
        auto* pProperty = m_Grid.AddProperty(m_pCategory, L"Name", L"", nID, eType, L"");
        if (pFirst != nullptr)
            m_Grid.SetPropertyValue(m_pCategory, pProperty, 0, pFirst);
        if (pSecond != nullptr)
            m_Grid.SetPropertyValue(m_pCategory, pProperty, 1, pSecond);
        return pProperty;
    }
    CString ValueText(IZNPropertyGridProperty* pProperty, int nIndex)
    {
        CString strText = L"<none>";
        m_Grid.GetPropertyValueAsString(pProperty->GetCategory(), pProperty, nIndex, strText);
        return strText;
    }

    CRect CellRect(int nRow, int nColumn)
    {
        CRect rcCell;
        m_Grid.ColumnRect(nRow, nColumn, &rcCell);
        return rcCell;
    }
    CRect CellRect(IZNPropertyGridProperty* pProperty, int nColumn)
    {
        return CellRect(m_Grid.ComputeListIndex(pProperty), nColumn);
    }
    // The check box of a value cell as the user sees it: its side is the cell's height less the
    // grid line and a margin of 2 all round.
    CRect CheckBox(int nRow, int nColumn)
    {
        CRect rcCell = CellRect(nRow, nColumn);
        int nSide = rcCell.Height() - 1 - 4;
        return CRect(rcCell.TopLeft() + CPoint(2, 2), CSize(nSide, nSide));
    }

    // Clicks alternate between two points apart: two clicks on one cell make no double click.
    bool ClickCell(IZNPropertyGridProperty* pProperty, int nColumn)
    {
        CPoint point = CellRect(pProperty, nColumn).CenterPoint();
        point.x += (m_nClicks++ % 2) * 2 * ::GetSystemMetrics(SM_CXDOUBLECLK);
        return Click(m_Grid.m_hWnd, point);
    }
    // Opens the cell, replaces its text (the caret waits after it: Shift+Home selects it all)
    // and presses endKey unless it is 0.
    bool Edit(IZNPropertyGridProperty* pProperty, int nColumn, const std::wstring& text,
              WORD endKey = VK_RETURN)
    {
        return ClickCell(pProperty, nColumn) && PressKeyWith(VK_SHIFT, VK_HOME) &&
               (text.empty() ? PressKey(VK_DELETE) : TypeText(text)) &&
               (endKey == 0 || PressKey(endKey));
    }
    bool Commit(IZNPropertyGridProperty* pProperty, int nColumn)
    {
        return ClickCell(pProperty, nColumn) && PressKey(VK_RETURN);
    }

    // The open editor's text and run-time class: the edit control has the focus.
    static CString EditText()
    {
        wchar_t szText[128] = L"";
        ::GetWindowTextW(::GetFocus(), szText, 128);
        return szText;
    }
    static const char* EditorClass()
    {
        CWnd* pEditor = CWnd::FromHandlePermanent(::GetParent(::GetFocus()));
        return pEditor != nullptr ? pEditor->GetRuntimeClass()->m_lpszClassName : "";
    }

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
    void SetUp() override
    {
        GridFixture::SetUp();
        m_pCategory = Category(m_pRoot, L"V");
    }
};

} // namespace pgtest
