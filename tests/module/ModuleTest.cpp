// The extension module as a host sees it: its exports, version, run-time class and resources.
#include <ZNPropertyGrid.h>
#include <gtest/gtest.h>

#include "HostDialog.h"

#include <vector>

namespace {

constexpr wchar_t kModuleName[] = L"Tarvex.PropertyGrid.dll";
constexpr UINT kSingleEditTemplate = 10002;
constexpr int kSingleEditControl = 10000;

HMODULE GridModule()
{
    return ::GetModuleHandleW(kModuleName);
}

// The style a dialog template asks for (the dialog manager adds DS_3DLOOK to the window).
DWORD TemplateStyle(HMODULE hModule, LPCWSTR lpszTemplate)
{
    HRSRC hResource = ::FindResourceW(hModule, lpszTemplate, RT_DIALOG);
    const auto* pWords =
        static_cast<const WORD*>(::LockResource(::LoadResource(hModule, hResource)));
    bool bExtended = pWords[0] == 1 && pWords[1] == 0xFFFF; // DLGTEMPLATEEX: style after helpID
    const WORD* pStyle = bExtended ? pWords + 6 : pWords;
    return MAKELONG(pStyle[0], pStyle[1]);
}

TEST(Module, ExportsItsStartFunctionUnderItsPlainName)
{
    ASSERT_NE(GridModule(), nullptr);
    EXPECT_NE(::GetProcAddress(GridModule(), "InitPropertyGridCtrl"), nullptr);
}

TEST(Module, CarriesFileVersion1_0_303_0)
{
    wchar_t szPath[MAX_PATH];
    ASSERT_GT(::GetModuleFileNameW(GridModule(), szPath, MAX_PATH), 0u);
    DWORD dwHandle = 0;
    DWORD dwSize = ::GetFileVersionInfoSizeW(szPath, &dwHandle);
    ASSERT_GT(dwSize, 0u);
    std::vector<BYTE> info(dwSize);
    ASSERT_TRUE(::GetFileVersionInfoW(szPath, 0, dwSize, info.data()));
    VS_FIXEDFILEINFO* pFixed = nullptr;
    UINT nLength = 0;
    ASSERT_TRUE(::VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&pFixed), &nLength));
    EXPECT_EQ(pFixed->dwFileVersionMS, MAKELONG(0, 1));
    EXPECT_EQ(pFixed->dwFileVersionLS, MAKELONG(0, 303));
}

TEST(Module, GridIsADynamicListBoxClass)
{
    CRuntimeClass* pClass = RUNTIME_CLASS(CZNPropertyGrid);
    EXPECT_STREQ(pClass->m_lpszClassName, "CZNPropertyGrid");
    EXPECT_EQ(pClass->m_wSchema, 0xFFFFu);
    EXPECT_EQ(pClass->CreateObject(), nullptr);
    EXPECT_TRUE(pClass->IsDerivedFrom(RUNTIME_CLASS(CListBox)));

    CZNPropertyGrid grid;
    EXPECT_TRUE(grid.IsKindOf(RUNTIME_CLASS(CWnd)));
    EXPECT_FALSE(grid.IsKindOf(RUNTIME_CLASS(CDialog)));
}

TEST(Module, GridTakesOverAHostListBox)
{
    pgtest::CHostDialog host;
    ASSERT_TRUE(host.Create(pgtest::kGridListBoxStyle, {200, 150}));
    CZNPropertyGrid grid;
    ASSERT_TRUE(grid.SubclassDlgItem(pgtest::CHostDialog::kListBoxId, &host));
    EXPECT_EQ(CWnd::FromHandlePermanent(host.ListBox()), &grid);
    host.DestroyWindow();
    EXPECT_EQ(grid.m_hWnd, nullptr);
}

// The module's dialog templates are found through the host's resource chain once the host
// has called InitPropertyGridCtrl, and not before.
TEST(Module, TemplatesAreFoundThroughTheResourceChainAfterInit)
{
    LPCWSTR lpszTemplate = MAKEINTRESOURCEW(kSingleEditTemplate);
    pgtest::CHostDialog host;
    ASSERT_TRUE(host.Create(pgtest::kGridListBoxStyle, {200, 150}));

    EXPECT_EQ(AfxFindResourceHandle(lpszTemplate, RT_DIALOG), AfxGetResourceHandle());
    CDialog before;
    EXPECT_FALSE(before.Create(kSingleEditTemplate, &host));

    InitPropertyGridCtrl();
    EXPECT_EQ(AfxFindResourceHandle(lpszTemplate, RT_DIALOG), GridModule());
    CDialog editor;
    ASSERT_TRUE(editor.Create(kSingleEditTemplate, &host));
    EXPECT_EQ(TemplateStyle(GridModule(), lpszTemplate), 0x40080048u);
    CWnd* pEdit = editor.GetDlgItem(kSingleEditControl);
    ASSERT_NE(pEdit, nullptr);
    EXPECT_EQ(pEdit->GetStyle(), 0x50010080u);
    EXPECT_EQ(editor.GetParent()->m_hWnd, host.m_hWnd);
}

} // namespace
