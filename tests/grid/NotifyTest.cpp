// What the host hears of edits and check boxes, and its Edit commands reaching the open editor.
#include "GridFixture.h"

namespace {

// Row 1: property 7 with "alpha" and "beta", user data per cell, a check box in the first.
class NotifyTest : public pgtest::EditTest
{
protected:
    void SetUp() override
    {
        EditTest::SetUp();
        m_pProperty = Add(PGT_TEXT, 7, &m_strFirst, &m_strSecond);
        m_Grid.SetPropertyUserData(m_pCategory, m_pProperty, 0, &m_nData[0]);
        m_Grid.SetPropertyUserData(m_pCategory, m_pProperty, 1, &m_nData[1]);
        m_Grid.SetPropertyCheckBoxState(m_pCategory, m_pProperty, 0, PGCB_UNCHECKED);
        ASSERT_TRUE(m_Recorder.CreateEx(0, nullptr, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr));
        m_Grid.SetFocus();
        // The first value cell becomes the current cell.
        ASSERT_TRUE(pgtest::PressKey(VK_RIGHT) && pgtest::PressKey(VK_RIGHT));
    }
    void TearDown() override
    {
        EditTest::TearDown();
        m_Recorder.DestroyWindow();
    }

    CString m_strFirst = L"alpha";
    CString m_strSecond = L"beta";
    int m_nData[2] = {};
    IZNPropertyGridProperty* m_pProperty = nullptr;
    pgtest::CRecording<CWnd> m_Recorder;
};

TEST_F(NotifyTest, HostHearsValueIndexAndIdInTheParentOrElseTheMessageWindow)
{
    ASSERT_TRUE(pgtest::PressKey(VK_SPACE));
    ASSERT_TRUE(Edit(m_pProperty, 2, L"gamma"));
    // Enter on an unchanged text is no news.
    ASSERT_TRUE(Commit(m_pProperty, 2));
    ASSERT_EQ(m_Host.m_Checks.size(), 1u);
    EXPECT_EQ(m_Host.m_Checks[0].wParam, WPARAM(MAKELONG(0, 7)));
    EXPECT_EQ(m_Host.m_Checks[0].lParam, LPARAM(&m_nData[0]));
    ASSERT_EQ(m_Host.m_Changes.size(), 1u);
    EXPECT_EQ(m_Host.m_Changes[0].wParam, WPARAM(MAKELONG(1, 7)));
    EXPECT_EQ(m_Host.m_Changes[0].lParam, LPARAM(&m_nData[1]));

    m_Grid.SetMessageWindow(&m_Recorder);
    ASSERT_TRUE(Edit(m_pProperty, 1, L"delta") && pgtest::PressKey(VK_SPACE));
    EXPECT_EQ(m_Host.m_Changes.size() + m_Host.m_Checks.size(), 2u);
    ASSERT_EQ(m_Recorder.m_Changes.size(), 1u);
    EXPECT_EQ(m_Recorder.m_Changes[0].wParam, WPARAM(MAKELONG(0, 7)));
    ASSERT_EQ(m_Recorder.m_Checks.size(), 1u);
    EXPECT_EQ(m_Recorder.m_Checks[0].wParam, WPARAM(MAKELONG(0, 7)));
    // The host's answer goes back to the editor.
    EXPECT_EQ(m_Grid.SendMessage(PGM_PROPERTYCHANGE, MAKELONG(1, 7)), m_Recorder.kChangeAnswer);
}

// A host may take the property away while it hears of its check box, whether the mouse or
// Space toggled the box.
TEST_F(NotifyTest, AHostMayRemoveThePropertyWhoseBoxItHearsOf)
{
    auto removeProperty = [this] {
        m_Grid.RemoveProperty(m_pCategory, m_pProperty);
        return CString();
    };
    m_Host.m_Snapshot = removeProperty;
    CPoint ptBox = CheckBox(1, 1).CenterPoint();
    ASSERT_TRUE(pgtest::MoveMouse(m_Grid, ptBox) && pgtest::Click(m_Grid, ptBox));
    EXPECT_EQ(m_Host.m_Checks.size(), 1u);
    EXPECT_EQ(m_Grid.GetCount(), 1);
    ASSERT_TRUE(pgtest::MoveMouse(m_Grid, CPoint(ptBox.x, ptBox.y - pgtest::kRowHeight)));

    m_Host.m_Snapshot = nullptr;
    m_pProperty = Add(PGT_TEXT, 8, &m_strFirst);
    m_Grid.SetPropertyCheckBoxState(m_pCategory, m_pProperty, 0, PGCB_CHECKED);
    m_Host.m_Snapshot = removeProperty;
    m_Grid.SetCurSel(1);
    m_Grid.m_nCurrentColumn = 1;
    m_Grid.SetFocus();
    ASSERT_TRUE(pgtest::PressKey(VK_SPACE));
    EXPECT_EQ(m_Host.m_Checks.size(), 3u);
    EXPECT_EQ(m_Grid.GetCount(), 1);
}

// As a frame asks the grid before it shows its Edit menu: Cut, Copy and Paste enabled or not.
std::vector<int> Enabled(CZNPropertyGrid& grid)
{
    std::vector<int> enabled;
    for (UINT nID : {ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE}) {
        pgtest::CRecordingCmdUI ui(nID);
        ui.DoUpdate(&grid, FALSE);
        enabled.push_back(ui.m_nEnabled);
    }
    return enabled;
}

TEST_F(NotifyTest, EditCommandsActOnTheOpenEditorAndAreDisabledWithoutOne)
{
    using Flags = std::vector<int>;
    EXPECT_EQ(Enabled(m_Grid), (Flags{0, 0, 0}));
    ASSERT_TRUE(ClickCell(m_pProperty, 1));
    EXPECT_EQ(Enabled(m_Grid), (Flags{0, 0, 1}));
    ASSERT_TRUE(pgtest::PressKeyWith(VK_SHIFT, VK_HOME));
    EXPECT_EQ(Enabled(m_Grid), (Flags{1, 1, 1}));

    EXPECT_TRUE(m_Grid.OnCmdMsg(ID_EDIT_COPY, CN_COMMAND, nullptr, nullptr));
    EXPECT_EQ(pgtest::ClipboardText(), L"alpha");
    ASSERT_TRUE(::OpenClipboard(nullptr) && ::EmptyClipboard() && ::CloseClipboard());
    EXPECT_TRUE(m_Grid.OnCmdMsg(ID_EDIT_CUT, CN_COMMAND, nullptr, nullptr));
    EXPECT_STREQ(EditText(), L"");
    EXPECT_EQ(pgtest::ClipboardText(), L"alpha");
    m_Grid.ForwardCommandMessage(ID_EDIT_PASTE);
    m_Grid.ForwardCommandMessage(ID_EDIT_PASTE);
    EXPECT_STREQ(EditText(), L"alphaalpha");

    // The forwarder knows the three commands only.
    pgtest::CRecordingCmdUI undo(ID_EDIT_UNDO);
    m_Grid.ForwardUpdateMessage(&undo);
    EXPECT_EQ(undo.m_nEnabled, -1);
    ASSERT_TRUE(pgtest::PressKey(VK_RETURN));
    EXPECT_STREQ(m_strFirst, L"alphaalpha");
    pgtest::CRecordingCmdUI paste(ID_EDIT_PASTE);
    m_Grid.ForwardUpdateMessage(&paste);
    EXPECT_EQ(paste.m_nEnabled, FALSE);
}

} // namespace
