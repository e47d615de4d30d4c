// The real help pane under Wine: the system's web browser in a placeholder of the host dialog,
// OLE for as long as it lives, and no HTML engine asked for where there is none.
#include "GridFixture.h"
#include "grid/HtmlEngine.h"

#include <ZNPropertyGridHtmlCtrl.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace pgtest;

// The host dialog with room below the grid for a static frame, the pane's placeholder.
class HtmlCtrlTest : public GridFixture
{
protected:
    static constexpr int kPaneId = 1001;

    void SetUp() override
    {
        GridFixture::SetUp();
        CRect rcHost;
        m_Host.GetWindowRect(&rcHost);
        m_Host.SetWindowPos(nullptr, 0, 0, rcHost.Width(), rcHost.Height() + 120,
                            SWP_NOMOVE | SWP_NOZORDER);
        ASSERT_NE(::CreateWindowExW(0, L"Static", L"", WS_CHILD | WS_VISIBLE | SS_ETCHEDFRAME, 10,
                                    260, 600, 100, m_Host.m_hWnd, reinterpret_cast<HMENU>(kPaneId),
                                    ::GetModuleHandleW(nullptr), nullptr),
                  nullptr);
        m_Category = m_Grid.AddCategory(m_pRoot, L"Geometry", L"Shape and size");
        m_Grid.AddProperty(m_Category, L"Width", L"In pixels", 1, PGT_TEXT, L"");
        PumpMessages();
    }

    bool Subclass() { return m_Pane.SubclassDlgItem(kPaneId, &m_Host) != FALSE; }

    // Where the browser's window lies in the pane's client area.
    CRect BrowserRect() const
    {
        HWND hBrowser = ::GetWindow(m_Pane.m_hWnd, GW_CHILD);
        CRect rcBrowser(0, 0, 0, 0);
        if (hBrowser != nullptr) {
            ::GetWindowRect(hBrowser, &rcBrowser);
            m_Pane.ScreenToClient(&rcBrowser);
        }
        return rcBrowser;
    }
    CRect PaneClientRect() const
    {
        CRect rcClient;
        m_Pane.GetClientRect(&rcClient);
        return rcClient;
    }

    // Whether this thread has left COM entirely: only then may it choose another apartment.
    static bool IsComUninitialized()
    {
        HRESULT hr = ::CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        if (SUCCEEDED(hr))
            ::CoUninitialize();
        return hr == S_OK;
    }
    static bool IsInOleApartment()
    {
        HRESULT hr = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        if (SUCCEEDED(hr))
            ::CoUninitialize();
        return hr == S_FALSE;
    }

    CZNPropertyGridHtmlCtrl m_Pane;
    CZNPropertyGridCategory* m_Category = nullptr;
};

// The shown top-level windows of the desktop, of every process.
std::set<HWND> ShownTopLevelWindows()
{
    std::set<HWND> windows;
    ::EnumWindows(
        [](HWND hWnd, LPARAM lParam) {
            if (::IsWindowVisible(hWnd))
                reinterpret_cast<std::set<HWND>*>(lParam)->insert(hWnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    return windows;
}

TEST_F(HtmlCtrlTest, TheBrowserFillsThePlaceholderAndFollowsItsSize)
{
    ASSERT_TRUE(Subclass());
    ASSERT_NE(m_Pane.GetWebBrowser(), nullptr);
    EXPECT_EQ(BrowserRect(), PaneClientRect());

    m_Pane.MoveWindow(10, 260, 300, 60);
    PumpMessages();
    EXPECT_EQ(BrowserRect(), CRect(0, 0, 300, 60));

    m_Pane.DestroyWindow();
    EXPECT_EQ(m_Pane.GetWebBrowser(), nullptr);
}

TEST_F(HtmlCtrlTest, OleStaysInitialisedWhileThePaneLivesAndAsTheHostLeftIt)
{
    ASSERT_TRUE(IsComUninitialized());
    ASSERT_TRUE(Subclass());
    EXPECT_TRUE(IsInOleApartment());
    m_Pane.DestroyWindow();
    EXPECT_TRUE(IsComUninitialized());

    // A host that initialised OLE itself keeps it.
    ASSERT_EQ(::OleInitialize(nullptr), S_OK);
    CZNPropertyGridHtmlCtrl pane;
    ASSERT_TRUE(pane.SubclassWindow(::CreateWindowExW(0, L"Static", L"", WS_CHILD | WS_VISIBLE, 0,
                                                      0, 100, 50, m_Host.m_hWnd, nullptr,
                                                      ::GetModuleHandleW(nullptr), nullptr)));
    EXPECT_NE(pane.GetWebBrowser(), nullptr);
    pane.DestroyWindow();
    EXPECT_TRUE(IsInOleApartment());
    ::OleUninitialize();
    EXPECT_TRUE(IsComUninitialized());
}

TEST_F(HtmlCtrlTest, AHostInTheMultithreadedApartmentGetsAPaneWithoutBrowser)
{
    ASSERT_EQ(::CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
    ASSERT_TRUE(Subclass());
    EXPECT_EQ(m_Pane.GetWebBrowser(), nullptr);
    EXPECT_EQ(::GetWindow(m_Pane.m_hWnd, GW_CHILD), nullptr);

    m_Grid.AttachHTMLHelp(&m_Pane);
    ASSERT_TRUE(Click(m_Grid.m_hWnd, CellRect(1, 0).CenterPoint()));
    EXPECT_EQ(m_Grid.GetCurSel(), 1);
    m_Pane.DestroyWindow();
    ::CoUninitialize();
}

TEST_F(HtmlCtrlTest, WithoutAnHtmlEngineNothingAsksTheUserAndTheGridWorksOn)
{
    if (IsHtmlEngineInstalled())
        GTEST_SKIP() << "this machine has an HTML engine";
    const std::set<HWND> shownBefore = ShownTopLevelWindows();

    ASSERT_TRUE(Subclass());
    ASSERT_NE(m_Pane.GetWebBrowser(), nullptr);
    m_Grid.AttachHTMLHelp(&m_Pane);
    ASSERT_TRUE(Click(m_Grid.m_hWnd, CellRect(1, 0).CenterPoint()));
    ASSERT_TRUE(PressKey(VK_UP));
    ASSERT_TRUE(Click(m_Pane.m_hWnd, CPoint(20, 20)) && PressKey(VK_F5));
    PumpMessages();

    // The engine was never loaded, so Wine had no reason to offer one.
    EXPECT_EQ(::GetModuleHandleW(L"mshtml.dll"), nullptr);
    EXPECT_EQ(ShownTopLevelWindows(), shownBefore);
    ASSERT_TRUE(Click(m_Grid.m_hWnd, CellRect(1, 0).CenterPoint()));
    EXPECT_EQ(m_Grid.GetCurSel(), 1);
}

// Wine's engine where Wine looks for it: its data folder and its download cache, handed to the
// process in environment variables that the tests point at a folder of their own.
class HtmlEngineTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (IsHtmlEngineInstalled())
            GTEST_SKIP() << "this machine has an HTML engine";
        m_folder = std::filesystem::temp_directory_path() / L"HtmlEngineTest";
        std::filesystem::remove_all(m_folder);
    }
    void TearDown() override
    {
        for (auto it = m_savedVariables.rbegin(); it != m_savedVariables.rend(); ++it)
            ::SetEnvironmentVariableW(it->first.c_str(),
                                      it->second.empty() ? nullptr : it->second.c_str());
        std::error_code error;
        std::filesystem::remove_all(m_folder, error);
    }

    void SetVariable(const wchar_t* pszName, const std::wstring& value)
    {
        wchar_t szSaved[MAX_PATH] = L"";
        ::GetEnvironmentVariableW(pszName, szSaved, MAX_PATH);
        m_savedVariables.emplace_back(pszName, szSaved);
        ::SetEnvironmentVariableW(pszName, value.empty() ? nullptr : value.c_str());
    }
    // The test's folder as Wine hands its own folders to a process: an NT path.
    std::wstring NtPath() const { return L"\\??\\" + m_folder.wstring(); }
    // The test's folder as the Unix path that Wine maps it to.
    std::wstring UnixPath() const
    {
        using UnixFileName = char*(CDECL*)(const wchar_t*);
        auto pUnixFileName = reinterpret_cast<UnixFileName>(reinterpret_cast<void (*)()>(
            ::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
        char* pszPath = pUnixFileName != nullptr ? pUnixFileName(m_folder.c_str()) : nullptr;
        std::wstring path =
            pszPath != nullptr ? std::wstring(pszPath, pszPath + strlen(pszPath)) : std::wstring();
        ::HeapFree(::GetProcessHeap(), 0, pszPath);
        return path;
    }
    void MakeFolder(const std::wstring& relative)
    {
        std::filesystem::create_directories(m_folder / relative);
    }
    void MakeFile(const std::wstring& relative)
    {
        std::filesystem::create_directories((m_folder / relative).parent_path());
        std::ofstream(m_folder / relative).put('x');
    }

    std::filesystem::path m_folder;
    std::vector<std::pair<std::wstring, std::wstring>> m_savedVariables;
};

TEST_F(HtmlEngineTest, IsFoundUnpackedInWinesDataFolder)
{
    SetVariable(L"WINEDATADIR", NtPath());
    MakeFolder(L"gecko\\wine-gecko-2.47.3-x86");
    EXPECT_FALSE(IsHtmlEngineInstalled()) << "an engine for 32-bit processes only";
    MakeFolder(L"gecko\\wine-gecko-2.47.3-x86_64");
    EXPECT_TRUE(IsHtmlEngineInstalled());
}

TEST_F(HtmlEngineTest, IsFoundAsAnInstallerPackageInWinesDownloadCache)
{
    // The cache is XDG_CACHE_HOME/wine, a Unix path, or else .cache\wine in the home folder.
    SetVariable(L"XDG_CACHE_HOME", UnixPath());
    MakeFile(L"wine\\wine-mono-7.4.0-x86.msi");
    EXPECT_FALSE(IsHtmlEngineInstalled());
    MakeFile(L"wine\\wine-gecko-2.47.3-x86_64.msi");
    EXPECT_TRUE(IsHtmlEngineInstalled());

    SetVariable(L"XDG_CACHE_HOME", L"");
    SetVariable(L"WINEHOMEDIR", NtPath());
    EXPECT_FALSE(IsHtmlEngineInstalled());
    MakeFile(L".cache\\wine\\wine-gecko-2.47.3-x86_64.msi");
    EXPECT_TRUE(IsHtmlEngineInstalled());
}

} // namespace
