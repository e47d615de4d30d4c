// Editing value cells with real clicks and keys: a host dialog with a grid of two value columns
// and one category, whose change notifications a message window records.
#pragma once

#include <ZNPropertyGrid.h>
#include <gtest/gtest.h>

#include "../../model/ZNPropertyGridProperty.h"
#include "HostDialog.h"
#include "Input.h"

#include <functional>
#include <string>
#include <vector>

namespace pgtest {

class CChangeRecorder : public CWnd
{
public:
    struct Change
    {
        WPARAM wParam;
        LPARAM lParam;
        CString strValue; // what m_Snapshot read when the notification arrived
    };
    std::function<CString()> m_Snapshot;
    std::vector<Change> m_Changes;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == PGM_PROPERTYCHANGE)
            m_Changes.push_back({wParam, lParam, m_Snapshot ? m_Snapshot() : CString()});
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class EditTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        InitPropertyGridCtrl();
        ASSERT_TRUE(m_Host.Create(kGridListBoxStyle, {360, 200}) &&
                    m_Grid.SubclassDlgItem(CHostDialog::kListBoxId, &m_Host) &&
                    m_Grid.Initialize(0) &&
                    m_Recorder.CreateEx(0, nullptr, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr));
        m_Grid.SetMessageWindow(&m_Recorder);
        m_Grid.AddColumn(150, L"A");
        m_Grid.AddColumn(150, L"B");
        m_pCategory = m_Grid.AddCategory(m_Grid.AddCategory(nullptr, L"Root", L""), L"V", L"");
    }

    void TearDown() override
    {
        m_Host.DestroyWindow();
        m_Recorder.DestroyWindow();
    }

    // A property of the type with the host's storage of both value columns.
    IZNPropertyGridProperty* Add(eZNPropertyGridType eType, unsigned nID, void* pFirst,
                                 void* pSecond = nullptr)
    {
        auto* pProperty = m_Grid.AddProperty(m_pCategory, L"Name", L"", nID, eType, L"");
        m_Grid.SetPropertyValue(m_pCategory, pProperty, 0, pFirst);
        m_Grid.SetPropertyValue(m_pCategory, pProperty, 1, pSecond);
        return pProperty;
    }

    CString ValueText(IZNPropertyGridProperty* pProperty, int nIndex)
    {
        CString strText = L"<none>";
        m_Grid.GetPropertyValueAsString(m_pCategory, pProperty, nIndex, strText);
        return strText;
    }

    // Clicks alternate between two points apart: two clicks on one cell make no double click.
    bool ClickCell(IZNPropertyGridProperty* pProperty, int nColumn)
    {
        CRect rc;
        m_Grid.ColumnRect(m_Grid.ComputeListIndex(pProperty), nColumn, &rc);
        CPoint point = rc.CenterPoint();
        point.x += (m_nClicks++ % 2) * 2 * ::GetSystemMetrics(SM_CXDOUBLECLK);
        return Click(m_Grid.m_hWnd, point);
    }

    // Opens the cell, replaces its text (the caret waits after it: Shift+Home selects it all)
    // and presses endKey.
    bool Edit(IZNPropertyGridProperty* pProperty, int nColumn, const std::wstring& text,
              WORD endKey = VK_RETURN)
    {
        return ClickCell(pProperty, nColumn) && PressKeyWith(VK_SHIFT, VK_HOME) &&
               (text.empty() ? PressKey(VK_DELETE) : TypeText(text)) && PressKey(endKey);
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

    CHostDialog m_Host;
    CZNPropertyGrid m_Grid;
    CZNPropertyGridCategory* m_pCategory = nullptr;
    CChangeRecorder m_Recorder;
    int m_nClicks = 0;
};

} // namespace pgtest
