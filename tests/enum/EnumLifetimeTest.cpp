// The list's hooks and windows go with the list, with the editor and with the property, also
// when the host takes the property or the whole tree away while it hears of a commit.
#include "EnumFixture.h"

namespace {

class EnumLifetime : public pgtest::EnumTest
{
protected:
    void SetUp() override
    {
        EnumTest::SetUp();
        m_pProperty = AddEnum(L"Low|Medium|High", &m_strValue);
        ASSERT_NE(m_pProperty, nullptr);
    }
    bool OpenList()
    {
        return ClickCell(m_pProperty, 1) && pgtest::PressKey(VK_DOWN) && IsListOpen();
    }

    CString m_strValue = L"Low";
    IZNPropertyGridProperty* m_pProperty = nullptr;
};

TEST_F(EnumLifetime, NoHookOutlivesTheListOrTheEditor)
{
    ASSERT_FALSE(AnyHookInstalled());
    ASSERT_TRUE(OpenList());
    ASSERT_TRUE(pgtest::PressKey(VK_RETURN));
    EXPECT_FALSE(AnyHookInstalled()) << "after the list closed";

    // The last enumeration of the grid takes the editor with it, and the open list.
    HWND hEditor = Editor();
    ASSERT_TRUE(OpenList());
    HWND hPopup = OpenPopup();
    ASSERT_TRUE(m_Grid.RemoveProperty(m_pCategory, m_pProperty));
    pgtest::PumpMessages();
    EXPECT_FALSE(::IsWindow(hEditor));
    EXPECT_FALSE(::IsWindow(hPopup));
    EXPECT_FALSE(AnyHookInstalled()) << "after the editor went";
}

// The grid closes its editor for many reasons (a resize, a column removed, the host's call): the
// open list closes with it, and the typed text is committed.
TEST_F(EnumLifetime, ClosingTheEditorClosesTheOpenList)
{
    ASSERT_TRUE(Edit(m_pProperty, 1, L"Typed", 0) && pgtest::PressKey(VK_DOWN));
    ASSERT_TRUE(IsListOpen());
    m_Grid.DeactivateProperty();
    pgtest::PumpMessages();
    EXPECT_FALSE(IsListOpen());
    EXPECT_FALSE(EditorShown());
    EXPECT_STREQ(m_strValue, L"Typed");
    EXPECT_EQ(m_Host.m_Changes.size(), 1u);
    EXPECT_FALSE(AnyHookInstalled());
    EXPECT_EQ(::GetFocus(), m_Grid.m_hWnd);
}

// The host removes the property, the property with another enumeration left on the grid, or the
// whole tree, from inside the change that a click or Enter in the list commits, or that the
// grid commits as it closes the editor with the list open.
TEST_F(EnumLifetime, TheHostMayRemoveThePropertyOrTheTreeWhileItHearsOfACommit)
{
    enum class Removal
    {
        Property,
        PropertyNotTheLast,
        Tree
    };
    enum class Commit
    {
        ClickOnItem,
        Enter,
        ClickElsewhere
    };
    auto commit = [this](Commit how) {
        CPoint ptName = CellRect(m_pProperty, 0).CenterPoint();
        switch (how) {
        case Commit::ClickOnItem:
            return OpenList() && ClickItem(2);
        case Commit::Enter:
            return OpenList() && pgtest::PressKey(VK_DOWN) && pgtest::PressKey(VK_RETURN);
        default:
            return Edit(m_pProperty, 1, L"Typed", 0) && pgtest::PressKey(VK_DOWN) && IsListOpen() &&
                   pgtest::Click(m_Grid, ptName);
        }
    };
    for (Removal removal : {Removal::Property, Removal::PropertyNotTheLast, Removal::Tree}) {
        for (Commit how : {Commit::ClickOnItem, Commit::Enter, Commit::ClickElsewhere}) {
            SCOPED_TRACE(testing::Message()
                         << "removal " << int(removal) << ", commit " << int(how));
            m_Host.m_Changes.clear();
            CString strOther = L"other";
            IZNPropertyGridProperty* pOther = nullptr;
            if (removal == Removal::PropertyNotTheLast)
                pOther = AddEnum(L"a|b", &strOther);
            m_Host.m_Snapshot = [&] {
                if (removal == Removal::Tree)
                    m_Grid.RemoveCategory(nullptr, m_pRoot);
                else
                    m_Grid.RemoveProperty(m_pCategory, m_pProperty);
                return CString();
            };
            ASSERT_TRUE(commit(how));
            m_Host.m_Snapshot = nullptr;
            EXPECT_EQ(m_Host.m_Changes.size(), 1u);
            EXPECT_FALSE(IsListOpen());
            EXPECT_FALSE(AnyHookInstalled());

            // What is left still edits.
            if (pOther != nullptr) {
                ASSERT_TRUE(Edit(pOther, 1, L"b"));
                EXPECT_STREQ(strOther, L"b");
                m_Grid.RemoveProperty(m_pCategory, pOther);
            }
            if (removal == Removal::Tree) {
                m_pRoot = m_Grid.AddCategory(nullptr, L"Root", L"");
                m_pCategory = Category(m_pRoot, L"V");
            }
            m_strValue = L"Low";
            m_pProperty = AddEnum(L"Low|Medium|High", &m_strValue);
            ASSERT_NE(m_pProperty, nullptr);
        }
    }
}

} // namespace
