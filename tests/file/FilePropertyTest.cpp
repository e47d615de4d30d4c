// File cells show their path relative to the grid's base path; the editor browses with the
// system's Open dialog and opens the file through the host or the shell.
#include "GridFixture.h"
#include "ModalTestSupport.h"
#include "TempFolder.h"
#include "WindowCapture.h"

#include "model/ZNPropertyGridEditorHolder.h"
#include "properties/ZNPropertyGridPropertyFile.h"

#include <memory>
#include <vector>

namespace {

using pgtest::ClickDlgItem;
using pgtest::ComboItems;
using pgtest::DialogCaptioned;
using pgtest::DlgItemText;
using pgtest::kFileNameField;
using pgtest::kFileTypeList;
using pgtest::ModalWatcher;
using pgtest::TypeIntoDlgItem;

constexpr unsigned kFileID = 7;

// Files of the type ".pgtopen" open, through the shell, with the tests' own program, which marks
// the file as opened. The type is known for as long as the object lives: in the classes root,
// which Windows keeps for the user and Wine for the test's prefix.
class OpenedFileType
{
public:
    static constexpr wchar_t kExtension[] = L".pgtopen";

    OpenedFileType()
    {
        wchar_t szProgram[MAX_PATH] = L"";
        ::GetModuleFileNameW(nullptr, szProgram, MAX_PATH);
        std::wstring program = szProgram;
        program = program.substr(0, program.rfind(L'\\') + 1) + L"pgtest_opened.exe";
        SetDefault(L".pgtopen", L"PgTest.Opened");
        SetDefault(L"PgTest.Opened\\shell\\open\\command", L"\"" + program + L"\" \"%1\"");
    }
    ~OpenedFileType()
    {
        ::RegDeleteTreeW(HKEY_CLASSES_ROOT, L".pgtopen");
        ::RegDeleteTreeW(HKEY_CLASSES_ROOT, L"PgTest.Opened");
    }
    OpenedFileType(const OpenedFileType&) = delete;
    OpenedFileType& operator=(const OpenedFileType&) = delete;

private:
    static void SetDefault(const wchar_t* pszKey, const std::wstring& value)
    {
        ::RegSetKeyValueW(HKEY_CLASSES_ROOT, pszKey, nullptr, REG_SZ, value.c_str(),
                          DWORD((value.size() + 1) * sizeof(wchar_t)));
    }
};

// Files in the first category under the root, in value columns wide enough for their paths.
class FileTest : public pgtest::GridFixture
{
protected:
    using CFileEditorHolder = CZNPropertyGridEditorHolder<CZNPropertyGridPropertyFileValueDlg>;

    void SetUp() override
    {
        ASSERT_TRUE(CreateHost() && Initialize(0, {240, 240}));
        m_pCategory = Category(m_pRoot, L"Files");
    }

    IZNPropertyGridProperty* AddFile(const wchar_t* pszOptions, CString* pValue)
    {
        IZNPropertyGridProperty* pProperty =
            m_Grid.AddProperty(m_pCategory, L"File", L"", kFileID, PGT_FILE, pszOptions);
        m_Grid.SetPropertyValue(m_pCategory, pProperty, 0, pValue);
        return pProperty;
    }

    // The grid's file editor, null when it has none.
    CWnd* Editor()
    {
        auto* pHolder =
            static_cast<CFileEditorHolder*>(::GetPropW(m_Grid, L"PropertyGridPropertyFile"));
        return pHolder != nullptr ? pHolder->GetEditor() : nullptr;
    }
    bool ClickEditorButton(int nID) { return ClickDlgItem(Editor()->m_hWnd, nID); }
    bool EditorShows() { return Editor() != nullptr && Editor()->IsWindowVisible(); }
    CString EditorText()
    {
        CString strText;
        Editor()->GetDlgItemText(IDC_PROPERTYGRID_EDIT, strText);
        return strText;
    }

    // The value cell as painted, from the cell's top left.
    std::vector<COLORREF> CellImage(const pgtest::Pixels& pixels, IZNPropertyGridProperty* p)
    {
        CRect rcCell = CellRect(p, 1);
        std::vector<COLORREF> image;
        for (int y = rcCell.top; y < rcCell.bottom - 1; ++y) {
            for (int x = rcCell.left; x < rcCell.right - 1; ++x)
                image.push_back(pixels.At(x, y));
        }
        return image;
    }
    // The file cell looks like a text cell showing strShown, neither row being selected.
    bool ShowsAsText(IZNPropertyGridProperty* pFile, const wchar_t* pszShown)
    {
        m_strShown = pszShown;
        m_Grid.SetCurSel(-1);
        m_Grid.Invalidate(FALSE);
        pgtest::Pixels pixels = pgtest::CaptureClient(m_Grid);
        return CellImage(pixels, pFile) == CellImage(pixels, m_pText);
    }
    void AddTextForComparison() { m_pText = Add(PGT_TEXT, 1, &m_strShown); }

    pgtest::TempFolder m_Folder;
    CString m_strShown;                         // what the text row shows
    IZNPropertyGridProperty* m_pText = nullptr; // a text row to compare a file row with
};

TEST_F(FileTest, CellsShowPathsRelativeToTheBasePathAndTheHostTheWholePath)
{
    CString strValue;
    IZNPropertyGridProperty* pFile = AddFile(nullptr, &strValue);
    AddTextForComparison();
    const struct
    {
        const wchar_t* pszBase;
        const wchar_t* pszValue;
        const wchar_t* pszShown;
    } table[] = {
        {L"D:/Data", L"d:\\DATA\\tex\\a.dds", L"tex\\a.dds"},
        {L"D:\\Data\\", L"d:\\DATA\\tex\\a.dds", L"tex\\a.dds"},
        {L"d:\\data", L"D:/Data/Tex/B.dds", L"Tex/B.dds"},
        {L"D:\\Data", L"D:\\Data\\", L""},
        {L"D:\\Data", L"D:\\Data", L"D:\\Data"},
        {L"D:\\Data", L"E:\\Data\\a.dds", L"E:\\Data\\a.dds"},
        {L"D:\\Data\\Textures", L"D:\\Data", L"D:\\Data"},
        {L"", L"D:\\Data\\a.dds", L"D:\\Data\\a.dds"},
        {L"D:\\Data", L"D:\\Database\\x", L"D:\\Database\\x"},
        {L"D:\\Data", L"", L""},
    };
    for (const auto& entry : table) {
        m_Grid.SetBasePath(entry.pszBase);
        strValue = entry.pszValue;
        EXPECT_TRUE(ShowsAsText(pFile, entry.pszShown)) << entry.pszBase << " " << entry.pszValue;
        EXPECT_STREQ(ValueText(pFile, 0), entry.pszValue);

        CString strTip;
        CRect rcCell = CellRect(pFile, 1);
        CPoint ptInCell = rcCell.CenterPoint();
        UINT nToolId = 0;
        pFile->GetToolTip(1, &rcCell, &ptInCell, &nToolId, &strTip);
        EXPECT_STREQ(strTip, entry.pszValue);
    }
}

// The Open dialog offers the property's filter and starts from the edited text; a cancelled
// dialog changes nothing and leaves the editor open.
TEST_F(FileTest, TheOpenDialogOffersThePropertysFilter)
{
    CString strValue = L"start.dds";
    const struct
    {
        const wchar_t* pszOptions;
        std::vector<std::wstring> types;
    } table[] = {
        {nullptr, {L"All Files (*.*)"}},
        {L"", {}},
        {L"Textures (*.dds)|*.dds|Images (*.png;*.bmp)|*.png;*.bmp|",
         {L"Textures (*.dds)", L"Images (*.png;*.bmp)"}},
    };
    for (const auto& entry : table) {
        IZNPropertyGridProperty* pFile = AddFile(entry.pszOptions, &strValue);
        std::vector<std::wstring> types;
        std::wstring strInitialName;
        ModalWatcher watcher;
        watcher.Expect(DialogCaptioned(L"Open"), [&](HWND hDialog) {
            types = ComboItems(hDialog, kFileTypeList);
            strInitialName = DlgItemText(hDialog, kFileNameField);
            ClickDlgItem(hDialog, IDCANCEL);
        });
        ASSERT_TRUE(ClickCell(pFile, 1));
        ASSERT_TRUE(ClickEditorButton(IDC_PROPERTYGRID_BROWSE));
        EXPECT_TRUE(watcher.WaitUntilHandled());
        EXPECT_EQ(types, entry.types);
        EXPECT_EQ(strInitialName, L"start.dds");
        EXPECT_STREQ(strValue, L"start.dds");
        EXPECT_TRUE(m_Host.m_Changes.empty());
        EXPECT_TRUE(EditorShows());
        m_Grid.RemoveProperty(m_pCategory, pFile);
    }
}

// The chosen file's full path is stored and reported at once, also below the base path, where
// the cell then shows it relative; the editor stays open.
TEST_F(FileTest, BrowsingStoresTheFullPathAndTellsTheHost)
{
    ASSERT_TRUE(m_Folder.Write(L"a.dds"));
    m_Grid.SetBasePath(m_Folder.Path().c_str());
    CString strValue;
    IZNPropertyGridProperty* pFile = AddFile(nullptr, &strValue);
    AddTextForComparison();
    m_Host.m_Snapshot = [&] { return strValue; };
    ModalWatcher watcher;
    watcher.Expect(DialogCaptioned(L"Open"), [&](HWND hDialog) {
        TypeIntoDlgItem(hDialog, kFileNameField, m_Folder / L"a.dds");
        ClickDlgItem(hDialog, IDOK);
    });
    ASSERT_TRUE(ClickCell(pFile, 1));
    ASSERT_TRUE(ClickEditorButton(IDC_PROPERTYGRID_BROWSE));
    EXPECT_TRUE(watcher.WaitUntilHandled());
    std::wstring fullPath = m_Folder / L"a.dds";
    EXPECT_STREQ(strValue, fullPath.c_str());
    ASSERT_EQ(m_Host.m_Changes.size(), 1u);
    EXPECT_EQ(m_Host.m_Changes[0].wParam, WPARAM(MAKELONG(0, kFileID)));
    EXPECT_STREQ(m_Host.m_Changes[0].strValue, fullPath.c_str());
    EXPECT_TRUE(EditorShows());
    EXPECT_STREQ(EditorText(), fullPath.c_str());

    // Enter closes the editor, with nothing more to store.
    ASSERT_TRUE(pgtest::PressKey(VK_RETURN));
    EXPECT_FALSE(EditorShows());
    EXPECT_EQ(m_Host.m_Changes.size(), 1u);
    EXPECT_TRUE(ShowsAsText(pFile, L"a.dds"));
}

// "!" offers the text as typed to the grid's parent first; only when the host does not take it
// does the shell open the file.
TEST_F(FileTest, ExecuteGoesToTheHostAndOtherwiseToTheShell)
{
    OpenedFileType fileType;
    ASSERT_TRUE(m_Folder.Write(L"taken.pgtopen") && m_Folder.Write(L"left.pgtopen"));
    CString strValue = L"stored.pgtopen";
    IZNPropertyGridProperty* pFile = AddFile(nullptr, &strValue);

    m_Host.m_nExecuteAnswer = 1;
    ASSERT_TRUE(Edit(pFile, 1, m_Folder / L"taken.pgtopen", 0));
    ASSERT_TRUE(ClickEditorButton(IDC_PROPERTYGRID_EXECUTE));
    ASSERT_EQ(m_Host.m_Executes.size(), 1u);
    EXPECT_EQ(m_Host.m_Executes[0].wParam, WPARAM(MAKELONG(1, kFileID)));
    EXPECT_STREQ(m_Host.m_Executes[0].strValue, (m_Folder / L"taken.pgtopen").c_str());
    EXPECT_STREQ(strValue, L"stored.pgtopen");
    EXPECT_TRUE(EditorShows());

    m_Host.m_nExecuteAnswer = 0;
    ASSERT_TRUE(
        TypeIntoDlgItem(Editor()->m_hWnd, IDC_PROPERTYGRID_EDIT, m_Folder / L"left.pgtopen"));
    ASSERT_TRUE(ClickEditorButton(IDC_PROPERTYGRID_EXECUTE));
    EXPECT_EQ(m_Host.m_Executes.size(), 2u);
    // The shell starts the program on its own; the file the host took was handed on before.
    ULONGLONG nGiveUp = ::GetTickCount64() + 20000;
    while (!m_Folder.Exists(L"left.pgtopen.opened") && ::GetTickCount64() < nGiveUp) {
        ::Sleep(50);
        pgtest::PumpMessages();
    }
    EXPECT_TRUE(m_Folder.Exists(L"left.pgtopen.opened"));
    EXPECT_FALSE(m_Folder.Exists(L"taken.pgtopen.opened"));
    EXPECT_TRUE(m_Host.m_Changes.empty());
}

// The host removes the last file property, and the shared editor with it, while it hears of the
// browsed file or of the request to open it.
TEST_F(FileTest, TheHostMayRemoveThePropertyWhileItHearsFromTheEditor)
{
    ASSERT_TRUE(m_Folder.Write(L"a.dds"));
    for (UINT nMessage : {UINT(PGM_PROPERTYCHANGE), UINT(PGM_PROPERTYEXECUTE)}) {
        CString strValue;
        IZNPropertyGridProperty* pFile = AddFile(nullptr, &strValue);
        m_Host.m_nExecuteAnswer = 1;
        m_Host.m_React = [&](UINT nHeard) {
            if (nHeard == nMessage)
                m_Grid.RemoveProperty(m_pCategory, pFile);
        };
        ModalWatcher watcher;
        watcher.Expect(DialogCaptioned(L"Open"), [&](HWND hDialog) {
            TypeIntoDlgItem(hDialog, kFileNameField, m_Folder / L"a.dds");
            ClickDlgItem(hDialog, IDOK);
        });
        ASSERT_TRUE(ClickCell(pFile, 1));
        ASSERT_TRUE(EditorShows());
        ASSERT_TRUE(ClickEditorButton(nMessage == PGM_PROPERTYCHANGE ? IDC_PROPERTYGRID_BROWSE
                                                                     : IDC_PROPERTYGRID_EXECUTE));
        if (nMessage == PGM_PROPERTYCHANGE) {
            EXPECT_TRUE(watcher.WaitUntilHandled());
        }
        EXPECT_EQ(Editor(), nullptr);
        EXPECT_EQ(m_Grid.GetPropertyCount(m_pCategory), 0u);
        if (nMessage == PGM_PROPERTYCHANGE) {
            EXPECT_STREQ(strValue, (m_Folder / L"a.dds").c_str());
        }
        m_Host.m_React = nullptr;
    }
}

// Hovering a button shows its tool tip.
TEST_F(FileTest, TheButtonsNameThemselvesInToolTips)
{
    CString strValue = L"a.dds";
    IZNPropertyGridProperty* pFile = AddFile(nullptr, &strValue);
    ASSERT_TRUE(ClickCell(pFile, 1));
    for (auto [nButton, pszTip] :
         {std::pair<int, const wchar_t*>{IDC_PROPERTYGRID_BROWSE, L"Browse"},
          {IDC_PROPERTYGRID_EXECUTE, L"Execute"}}) {
        HWND hButton = Editor()->GetDlgItem(nButton)->m_hWnd;
        CRect rcButton;
        ::GetClientRect(hButton, &rcButton);
        ASSERT_TRUE(pgtest::MoveMouse(hButton, rcButton.CenterPoint()));
        EXPECT_EQ(pgtest::WaitForToolTip(), pszTip);
        ASSERT_TRUE(pgtest::MoveMouse(m_Grid, CellRect(0, 0).CenterPoint()));
    }
}

} // namespace
