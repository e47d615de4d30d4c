// A host changes the grid from inside the notifications it hears: every type's commit, the check
// boxes and the file's request to open its file, each answered by removing the property, its
// category or the root, uninitializing, removing a column, collapsing or opening another editor.
// The suite runs with Wine's heap checking, so that memory touched after it was freed shows.
#include "GridChecks.h"
#include "ModalTestSupport.h"
#include "TempFolder.h"
#include "resources/resource.h"

#include <string>

namespace {

// What the host does in its answer.
enum class Reaction
{
    RemoveProperty,
    RemoveCategory,
    RemoveRoot,
    Uninitialize,
    RemoveColumn,
    Collapse,
    OpenOther,
};
constexpr Reaction kReactions[] = {Reaction::RemoveProperty, Reaction::RemoveCategory,
                                   Reaction::RemoveRoot,     Reaction::Uninitialize,
                                   Reaction::RemoveColumn,   Reaction::Collapse,
                                   Reaction::OpenOther};

const char* NameOf(Reaction reaction)
{
    const char* const pszNames[] = {"remove property",    "remove category", "remove root",
                                    "uninitialize",       "remove column",   "collapse",
                                    "open another editor"};
    return pszNames[int(reaction)];
}

// How the edited value reaches the host.
enum class Handover
{
    Enter,
    ClickElsewhere,
    Deactivate,
    DropList,
};

struct TypeCase
{
    const char* pszName;
    eZNPropertyGridType eType;
    const wchar_t* pszOptions;
    const wchar_t* pszEditor; // the window property of the grid's editor of the type
    const wchar_t* pszTyped;
};

const TypeCase kTypes[] = {
    {"text", PGT_TEXT, L"", L"PropertyGridPropertyText", L"changed"},
    {"integer", PGT_INTEGER, L"", L"PropertyGridPropertyInteger", L"42"},
    {"float", PGT_FLOAT, L"", L"PropertyGridPropertyFloat", L"2.5"},
    {"file", PGT_FILE, L"", L"PropertyGridPropertyFile", L"C:\\changed.txt"},
    {"enumeration", PGT_ENUM, L"Low|Medium|High", L"PropertyGridPropertyEnum", L"High"},
    {"vector3", PGT_VECTOR3, L"", L"PropertyGridPropertyVector3", L"1, 2, 3"},
    {"vector4", PGT_VECTOR4, L"", L"PropertyGridPropertyVector4", L"1, 2, 3, 4"},
    {"colour", PGT_COLORVECTOR4, L"", L"PropertyGridPropertyColorVector4", L"0.5, 0.5, 0.5, 1"},
    {"memo", PGT_MEMO, L"Expand=true", L"PropertyGridPropertyMemo", L"memo"},
};

// Row layout after Rebuild: "Edited" (0), the property under test (1), "Other" (2), a text
// property (3).
class Reentry : public pgtest::GridFixture
{
protected:
    void Rebuild(const TypeCase& type)
    {
        if (m_Grid.TestFlag(PGF_INITIALIZED))
            m_Grid.Uninitialize();
        pgtest::PumpMessages();
        ASSERT_TRUE(Initialize());
        m_pEditedCategory = Category(m_pRoot, L"Edited");
        m_pOtherCategory = Category(m_pRoot, L"Other");
        m_pEdited =
            m_Grid.AddProperty(m_pEditedCategory, L"Edited", L"", 7, type.eType, type.pszOptions);
        ASSERT_NE(m_pEdited, nullptr);
        m_Grid.SetPropertyValue(m_pEditedCategory, m_pEdited, 0, StorageFor(type.eType));
        m_pOther = AddText(m_pOtherCategory, 8);
        m_Grid.SetPropertyValue(m_pOtherCategory, m_pOther, 0, &m_strOther);
        m_Host.m_Changes.clear();
        m_Host.m_Checks.clear();
        m_Host.m_Executes.clear();
        m_Host.m_React = nullptr;
        m_nExpected = 0;
        pgtest::PumpMessages();
    }

    void* StorageFor(eZNPropertyGridType eType)
    {
        m_Values = {L"before", 1, 1, {0, 0, 0, 1}};
        return m_Values.For(eType);
    }

    // The host reacts to the first nMessage it hears, once.
    void ReactTo(UINT nMessage, Reaction reaction)
    {
        m_Host.m_React = [this, nMessage, reaction](UINT nHeard) {
            if (nHeard != nMessage)
                return;
            m_Host.m_React = nullptr;
            React(reaction);
        };
    }

    void React(Reaction reaction)
    {
        switch (reaction) {
        case Reaction::RemoveProperty:
            m_Grid.RemoveProperty(m_pEditedCategory, m_pEdited);
            break;
        case Reaction::RemoveCategory:
            m_Grid.RemoveCategory(m_pRoot, m_pEditedCategory);
            break;
        case Reaction::RemoveRoot:
            m_Grid.RemoveCategory(nullptr, m_pRoot);
            break;
        case Reaction::Uninitialize:
            m_Grid.Uninitialize();
            break;
        case Reaction::RemoveColumn:
            m_Grid.RemoveColumn(1);
            break;
        case Reaction::Collapse:
            m_Grid.ToggleExpand(m_pEditedCategory);
            break;
        case Reaction::OpenOther: {
            CPoint point = CellRect(3, 1).CenterPoint();
            m_Grid.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
            m_Grid.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
            break;
        }
        }
    }

    // Opens the edited cell, types the type's text and hands the change over as commit says.
    bool Change(const TypeCase& type, Handover commit)
    {
        CPoint ptOther = CellRect(3, 1).CenterPoint();
        if (!ClickCell(m_pEdited, 1))
            return false;
        if (commit == Handover::DropList)
            return pgtest::PressKey(VK_DOWN) && pgtest::PressKey(VK_DOWN) &&
                   pgtest::PressKey(VK_RETURN);
        if (!pgtest::PressKeyWith(VK_SHIFT, VK_HOME) || !pgtest::TypeText(type.pszTyped))
            return false;
        switch (commit) {
        case Handover::Enter:
            return type.eType == PGT_MEMO ? pgtest::PressKeyWith(VK_CONTROL, VK_RETURN)
                                          : pgtest::PressKey(VK_RETURN);
        case Handover::ClickElsewhere:
            return pgtest::Click(m_Grid.m_hWnd, ptOther);
        default:
            m_Grid.DeactivateProperty();
            return true;
        }
    }

    // After the host's answer: the queue handled, the rows those of the tree, the heaps intact.
    void ExpectSound(const std::string& strCase)
    {
        pgtest::PumpMessages();
        EXPECT_EQ(pgtest::CheckGrid(m_Grid), "") << strCase;
        EXPECT_TRUE(pgtest::HeapsValid()) << strCase;
    }

    pgtest::ValueStorage m_Values;
    CString m_strOther = L"other";
    CZNPropertyGridCategory* m_pEditedCategory = nullptr;
    CZNPropertyGridCategory* m_pOtherCategory = nullptr;
    IZNPropertyGridProperty* m_pEdited = nullptr;
    IZNPropertyGridProperty* m_pOther = nullptr;
    size_t m_nExpected = 0;
};

std::string CaseName(const TypeCase& type, const char* pszHow, Reaction reaction)
{
    return std::string(type.pszName) + ", " + pszHow + ", " + NameOf(reaction);
}

// The host hears of the change once, with the value already written, and whatever it does in
// its answer leaves a grid that works on; removing the last property of a type takes the
// type's editor away once the host's loop runs again.
TEST_F(Reentry, EveryTypesCommitSurvivesTheHostChangingTheGrid)
{
    const struct
    {
        Handover commit;
        const char* pszName;
    } commits[] = {{Handover::Enter, "Enter"},
                   {Handover::ClickElsewhere, "click elsewhere"},
                   {Handover::Deactivate, "DeactivateProperty"},
                   {Handover::DropList, "drop-down list"}};
    for (const TypeCase& type : kTypes) {
        for (const auto& commit : commits) {
            if (commit.commit == Handover::DropList && type.eType != PGT_ENUM)
                continue;
            for (Reaction reaction : kReactions) {
                std::string strCase = CaseName(type, commit.pszName, reaction);
                Rebuild(type);
                ReactTo(PGM_PROPERTYCHANGE, reaction);
                ASSERT_TRUE(Change(type, commit.commit)) << strCase;
                ExpectSound(strCase);
                ASSERT_EQ(m_Host.m_Changes.size(), 1u) << strCase;
                EXPECT_EQ(m_Host.m_Changes[0].wParam, WPARAM(MAKELONG(0, 7))) << strCase;
                // The other property shares the text editor.
                if (reaction == Reaction::RemoveProperty && type.eType != PGT_TEXT) {
                    EXPECT_EQ(::GetPropW(m_Grid.m_hWnd, type.pszEditor), nullptr) << strCase;
                }
                // The grid still edits: the other property takes a new text.
                if (reaction != Reaction::RemoveRoot && reaction != Reaction::Uninitialize &&
                    reaction != Reaction::RemoveColumn) {
                    m_Host.m_Changes.clear();
                    ASSERT_TRUE(Edit(m_pOther, 1, L"next")) << strCase;
                    EXPECT_STREQ(m_strOther, L"next") << strCase;
                    EXPECT_EQ(m_Host.m_Changes.size(), 1u) << strCase;
                    m_strOther = L"other";
                }
            }
        }
    }
}

// The box of the edited property, toggled by the mouse, by Space on the current cell and by
// the host's own call.
TEST_F(Reentry, CheckBoxToggleSurvivesTheHostChangingTheGrid)
{
    const char* const pszHows[] = {"mouse", "Space", "SetPropertyCheckBoxState"};
    for (int nHow = 0; nHow < 3; ++nHow) {
        for (Reaction reaction : kReactions) {
            std::string strCase = CaseName(kTypes[0], pszHows[nHow], reaction);
            Rebuild(kTypes[0]);
            m_Grid.SetPropertyCheckBoxState(m_pEditedCategory, m_pEdited, 0, PGCB_UNCHECKED);
            m_Host.m_Checks.clear();
            ReactTo(PGM_PROPERTYCHECK, reaction);
            CPoint ptBox = CheckBox(1, 1).CenterPoint();
            if (nHow == 0) {
                ASSERT_TRUE(pgtest::MoveMouse(m_Grid, ptBox) && pgtest::Click(m_Grid, ptBox));
                ASSERT_TRUE(pgtest::MoveMouse(m_Grid, CPoint(ptBox.x, ptBox.y + 60)));
            } else if (nHow == 1) {
                m_Grid.SetCurSel(1);
                m_Grid.m_nCurrentColumn = 1;
                m_Grid.SetFocus();
                ASSERT_TRUE(pgtest::PressKey(VK_SPACE));
            } else {
                m_Grid.SetPropertyCheckBoxState(m_pEditedCategory, m_pEdited, 0, PGCB_CHECKED);
            }
            ExpectSound(strCase);
            ASSERT_EQ(m_Host.m_Checks.size(), 1u) << strCase;
            EXPECT_EQ(m_Host.m_Checks[0].wParam, WPARAM(MAKELONG(0, 7))) << strCase;
        }
    }
}

// The file editor asks its host to open the file, and the host answers by changing the grid.
TEST_F(Reentry, ExecuteRequestSurvivesTheHostChangingTheGrid)
{
    const TypeCase& file = kTypes[3];
    m_Host.m_nExecuteAnswer = 1;
    for (Reaction reaction : kReactions) {
        std::string strCase = CaseName(file, "execute", reaction);
        Rebuild(file);
        ReactTo(PGM_PROPERTYEXECUTE, reaction);
        ASSERT_TRUE(ClickCell(m_pEdited, 1)) << strCase;
        HWND hButton = ::GetDlgItem(::GetParent(::GetFocus()), IDC_PROPERTYGRID_EXECUTE);
        ASSERT_NE(hButton, nullptr) << strCase;
        CRect rcButton;
        ::GetClientRect(hButton, &rcButton);
        ASSERT_TRUE(pgtest::Click(hButton, rcButton.CenterPoint())) << strCase;
        ExpectSound(strCase);
        EXPECT_EQ(m_Host.m_Executes.size(), 1u) << strCase;
    }
}

// The file's Open dialog, the colour chooser and the memo's external editor commit from inside
// their buttons' handlers, with the editor still open; the host answers by changing the grid.
TEST_F(Reentry, CommitsFromTheEditorsDialogsSurviveTheHostChangingTheGrid)
{
    pgtest::MainWindowScope mainWindow(&m_Host);
    pgtest::TempFolder folder;
    ASSERT_TRUE(folder.Write(L"chosen.txt"));
    const std::wstring strChosen = folder / L"chosen.txt";
    constexpr int kRedField = 706; // the colour dialog's field of the red component
    const struct
    {
        const TypeCase& type;
        const wchar_t* pszCaption;
        pgtest::DialogSteps steps;
    } popups[] = {
        {kTypes[3], L"Open",
         [&](HWND hDialog) {
             pgtest::TypeIntoDlgItem(hDialog, pgtest::kFileNameField, strChosen);
             pgtest::ClickDlgItem(hDialog, IDOK);
         }},
        {kTypes[7], L"Color",
         [](HWND hDialog) {
             pgtest::TypeIntoDlgItem(hDialog, kRedField, L"12");
             pgtest::ClickDlgItem(hDialog, IDOK);
         }},
        {kTypes[8], L"Edited",
         // The focus waits in the dialog's text; Escape keeps what was typed.
         [](HWND) { EXPECT_TRUE(pgtest::TypeText(L" more") && pgtest::PressKey(VK_ESCAPE)); }},
    };
    for (const auto& popup : popups) {
        for (Reaction reaction : kReactions) {
            std::string strCase = CaseName(popup.type, "dialog", reaction);
            Rebuild(popup.type);
            ReactTo(PGM_PROPERTYCHANGE, reaction);
            pgtest::ModalWatcher watcher;
            watcher.Expect(pgtest::DialogCaptioned(popup.pszCaption), popup.steps);
            ASSERT_TRUE(ClickCell(m_pEdited, 1)) << strCase;
            HWND hButton = ::GetDlgItem(::GetParent(::GetFocus()), IDC_PROPERTYGRID_BROWSE);
            ASSERT_TRUE(pgtest::ClickDlgItem(::GetParent(hButton), IDC_PROPERTYGRID_BROWSE))
                << strCase;
            EXPECT_TRUE(watcher.WaitUntilHandled()) << strCase;
            ExpectSound(strCase);
            EXPECT_EQ(m_Host.m_Changes.size(), 1u) << strCase;
        }
    }
}

// Destroying the grid's window from inside a notification is the host's mistake; the process
// goes on, and a new window takes the same grid object.
TEST_F(Reentry, DestroyingTheGridWindowInsideTheAnswerDoesNotCrash)
{
    for (const TypeCase& type : kTypes) {
        Rebuild(type);
        m_Host.m_React = [this](UINT) {
            m_Host.m_React = nullptr;
            m_Grid.DestroyWindow();
        };
        ASSERT_TRUE(Change(type, Handover::Enter)) << type.pszName;
        pgtest::PumpMessages();
        EXPECT_EQ(m_Grid.m_hWnd, nullptr) << type.pszName;
        EXPECT_TRUE(pgtest::HeapsValid()) << type.pszName;
        m_Host.DestroyWindow();
        ASSERT_TRUE(CreateHost()) << type.pszName;
    }
    // The mouse's check box: the grid's own handler is still running when the host answers.
    Rebuild(kTypes[0]);
    m_Grid.SetPropertyCheckBoxState(m_pEditedCategory, m_pEdited, 0, PGCB_UNCHECKED);
    m_Host.m_React = [this](UINT) {
        m_Host.m_React = nullptr;
        m_Grid.DestroyWindow();
    };
    CPoint ptBox = CheckBox(1, 1).CenterPoint();
    ASSERT_TRUE(pgtest::MoveMouse(m_Grid, ptBox) && pgtest::Click(m_Grid, ptBox));
    pgtest::PumpMessages();
    EXPECT_EQ(m_Grid.m_hWnd, nullptr);
    EXPECT_TRUE(pgtest::HeapsValid());
}

} // namespace
