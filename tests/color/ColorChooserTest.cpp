// The colour chooser on its own, as any host code uses it: the alpha field, the strip of named
// custom colours with its mouse and keys, the application profile and palette files.
#include "ColorTestSupport.h"
#include "MainWindowTest.h"
#include "ModalTestSupport.h"
#include "TempFolder.h"
#include "WindowCapture.h"

#include <ZNColorDialog.h>
#include <gtest/gtest.h>

#include <cstdio>

namespace {

using namespace colortest;
using pgtest::ClickDlgItem;
using pgtest::DialogCaptioned;
using pgtest::DlgItemText;
using pgtest::ModalWatcher;
using pgtest::TypeIntoDlgItem;

constexpr DWORD kFullOpen = CC_RGBINIT | CC_FULLOPEN;
constexpr wchar_t kSection[] = L"Custom Colors";

bool PasteIntoDlgItem(HWND hDialog, int nID, const std::wstring& text)
{
    return pgtest::SetClipboardText(text) && TypeIntoDlgItem(hDialog, nID, L"") &&
           pgtest::PressKeyWith(VK_CONTROL, 'V');
}

std::wstring BesideTheProgram(const std::wstring& name)
{
    wchar_t szProgram[MAX_PATH] = L"";
    ::GetModuleFileNameW(nullptr, szProgram, MAX_PATH);
    std::wstring path = szProgram;
    return path.substr(0, path.rfind(L'\\') + 1) + name;
}

std::string FileText(const std::wstring& path)
{
    std::string text;
    if (FILE* pFile = _wfopen(path.c_str(), L"rb")) {
        char buffer[512];
        for (size_t nRead; (nRead = fread(buffer, 1, sizeof(buffer), pFile)) > 0;)
            text.append(buffer, nRead);
        fclose(pFile);
    }
    return text;
}

std::wstring IniValue(const std::wstring& path, const wchar_t* pszSection, const wchar_t* pszKey)
{
    wchar_t szValue[256] = L"";
    ::GetPrivateProfileStringW(pszSection, pszKey, L"<missing>", szValue, 256, path.c_str());
    return szValue;
}

// A visible main window owns the choosers; the profile's section starts and ends empty.
class ChooserTest : public pgtest::MainWindowTest
{
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        ClearProfile();
    }
    void TearDown() override { ClearProfile(); }

    static void ClearProfile() { AfxGetApp()->WriteProfileString(kSection, nullptr, nullptr); }
    static CString Profile(const wchar_t* pszKey)
    {
        return AfxGetApp()->GetProfileString(kSection, pszKey, L"<missing>");
    }

    // Opens a chooser and runs the steps in it.
    INT_PTR RunChooser(CZNColorDialog& dialog, pgtest::DialogSteps steps)
    {
        m_Watcher.Expect(DialogCaptioned(L"Color"), std::move(steps));
        return dialog.DoModal();
    }
    // Steps in the chooser: the colour and the description of an entry, chosen with Ctrl+click
    // so that the colour typed is kept.
    static void StoreInEntry(HWND hChooser, int nIndex, const wchar_t* pszRed,
                             const wchar_t* pszGreen, const wchar_t* pszBlue,
                             const wchar_t* pszAlpha, const wchar_t* pszDescription)
    {
        CtrlClickEntry(hChooser, nIndex);
        TypeColor(hChooser, pszRed, pszGreen, pszBlue, pszAlpha);
        ClickDlgItem(hChooser, kAddToCustomColors);
        TypeIntoDlgItem(hChooser, kDescription, pszDescription);
    }
    // Steps in the chooser: Save or Load through the file dialog with the file name typed.
    void UsePaletteFile(HWND hChooser, int nButton, const std::wstring& path)
    {
        m_Watcher.Expect(DialogCaptioned(nButton == kSaveButton ? L"Save As" : L"Open"),
                         [path](HWND hDialog) {
                             TypeIntoDlgItem(hDialog, pgtest::kFileNameField, path);
                             ClickDlgItem(hDialog, IDOK);
                         });
        ClickDlgItem(hChooser, nButton);
    }
    // Palette entry i gets red i, the others nothing: a file to tell the entries apart by.
    std::wstring NumberedPalette()
    {
        std::string text = "[Colors]\r\n";
        for (int i = 0; i < 24; ++i)
            text += "Color" + std::string(i < 10 ? "0" : "") + std::to_string(i) + "=" +
                    std::to_string(i) + ", 0, 0, 255\r\n";
        m_Folder.Write(L"numbered.ccp", text);
        return m_Folder / L"numbered.ccp";
    }

    ModuleResources m_Resources;
    pgtest::TempFolder m_Folder;
    ModalWatcher m_Watcher;
};

TEST_F(ChooserTest, AlphaStartsOpaqueWithoutTheFlagAndIsClampedWhenLeft)
{
    CZNColorDialog opaque(0x10203040, kFullOpen);
    std::wstring initial, after300, afterMinus5;
    EXPECT_EQ(RunChooser(opaque,
                         [&](HWND hChooser) {
                             initial = ShownColor(hChooser);
                             TypeIntoDlgItem(hChooser, kAlphaField, L"300");
                             ClickDlgItem(hChooser, kRedField);
                             after300 = DlgItemText(hChooser, kAlphaField);
                             PasteIntoDlgItem(hChooser, kAlphaField, L"-5");
                             ClickDlgItem(hChooser, kRedField);
                             afterMinus5 = DlgItemText(hChooser, kAlphaField);
                             TypeIntoDlgItem(hChooser, kAlphaField, L"77");
                             ClickDlgItem(hChooser, IDOK);
                         }),
              IDOK);
    EXPECT_EQ(initial, L"64, 48, 32, 255");
    EXPECT_EQ(after300, L"255");
    EXPECT_EQ(afterMinus5, L"0");
    // Without the flag the field still counts.
    EXPECT_EQ(opaque.m_clrResult, 0x4D203040u);

    CZNColorDialog withAlpha(0x10203040, kFullOpen | ZNCC_EDITALPHA);
    EXPECT_EQ(RunChooser(withAlpha,
                         [&](HWND hChooser) {
                             initial = ShownColor(hChooser);
                             ClickDlgItem(hChooser, IDCANCEL);
                         }),
              IDCANCEL);
    EXPECT_EQ(initial, L"64, 48, 32, 16");
    EXPECT_EQ(withAlpha.m_clrResult, 0x10203040u);
    EXPECT_TRUE(m_Watcher.WaitUntilHandled());
}

// "Add to Custom Colors" puts the dialog's colour and alpha into the selected entry; OK keeps
// the palette in the profile, Cancel forgets it. The next chooser starts from the profile.
TEST_F(ChooserTest, OkKeepsThePaletteInTheProfileAndCancelForgetsIt)
{
    auto addSignalRed = [](HWND hChooser) {
        StoreInEntry(hChooser, 2, L"255", L"0", L"0", L"128", L"Signal red");
    };
    CZNColorDialog cancelled(0, kFullOpen | ZNCC_EDITALPHA);
    EXPECT_EQ(RunChooser(cancelled,
                         [&](HWND hChooser) {
                             addSignalRed(hChooser);
                             ClickDlgItem(hChooser, IDCANCEL);
                         }),
              IDCANCEL);
    EXPECT_STREQ(Profile(L"Color02"), L"<missing>");
    EXPECT_STREQ(Profile(L"DescriptionColor02"), L"<missing>");

    CZNColorDialog confirmed(0, kFullOpen | ZNCC_EDITALPHA);
    EXPECT_EQ(RunChooser(confirmed,
                         [&](HWND hChooser) {
                             addSignalRed(hChooser);
                             // A picture of the chooser beside the test program, to look at.
                             pgtest::SavePng(pgtest::CaptureWindow(hChooser),
                                             BesideTheProgram(L"color-chooser.png"));
                             ClickDlgItem(hChooser, IDOK);
                         }),
              IDOK);
    EXPECT_EQ(confirmed.m_clrResult, 0x800000FFu);
    for (int i = 0; i < 24; ++i) {
        CString strKey = CCustomColorPalette::EntryKey(i);
        EXPECT_STREQ(Profile(strKey), i == 2 ? L"255,   0,   0, 128" : L"255, 255, 255, 255") << i;
        EXPECT_STREQ(Profile(L"Description" + strKey), i == 2 ? L"Signal red" : L"") << i;
    }

    std::wstring shown, description;
    CZNColorDialog next(0, kFullOpen | ZNCC_EDITALPHA);
    RunChooser(next, [&](HWND hChooser) {
        ClickEntry(hChooser, 2);
        shown = ShownColor(hChooser);
        description = DlgItemText(hChooser, kDescription);
        ClickDlgItem(hChooser, IDCANCEL);
    });
    EXPECT_EQ(shown, L"255, 0, 0, 128");
    EXPECT_EQ(description, L"Signal red");
    EXPECT_TRUE(m_Watcher.WaitUntilHandled());
}

// A palette saved with its descriptions comes back as it was, after the entry was deleted.
TEST_F(ChooserTest, PaletteFilesKeepColoursAndDescriptions)
{
    std::wstring first = m_Folder / L"first.ccp";
    std::wstring second = m_Folder / L"second.ccp";
    std::wstring afterDelete, descriptionAfterDelete, afterLoad, descriptionAfterLoad;
    CZNColorDialog dialog(0, kFullOpen | ZNCC_EDITALPHA);
    RunChooser(dialog, [&](HWND hChooser) {
        ClickEntry(hChooser, 0);
        TypeIntoDlgItem(hChooser, kDescription, L"Zero");
        StoreInEntry(hChooser, 5, L"1", L"2", L"3", L"4", L"Five");
        UsePaletteFile(hChooser, kSaveButton, m_Folder / L"first");

        ClickEntry(hChooser, 5);
        pgtest::PressKey(VK_DELETE);
        afterDelete = ShownColor(hChooser);
        descriptionAfterDelete = DlgItemText(hChooser, kDescription);

        UsePaletteFile(hChooser, kLoadButton, first);
        ClickEntry(hChooser, 5);
        afterLoad = ShownColor(hChooser);
        descriptionAfterLoad = DlgItemText(hChooser, kDescription);
        UsePaletteFile(hChooser, kSaveButton, second);
        ClickDlgItem(hChooser, IDCANCEL);
    });
    EXPECT_TRUE(m_Watcher.WaitUntilHandled());
    EXPECT_EQ(afterDelete, L"255, 255, 255, 255");
    EXPECT_EQ(descriptionAfterDelete, L"");
    EXPECT_EQ(afterLoad, L"1, 2, 3, 4");
    EXPECT_EQ(descriptionAfterLoad, L"Five");

    // Each number takes three places; the blanks before the first do not survive the system's
    // profile functions (Wine drops them when writing, Windows when reading).
    EXPECT_EQ(IniValue(first, L"Colors", L"Color05"), L"1,   2,   3,   4");
    EXPECT_EQ(IniValue(first, L"Colors", L"Color23"), L"255, 255, 255, 255");
    EXPECT_EQ(IniValue(first, L"Description", L"Color00"), L"Zero");
    EXPECT_EQ(IniValue(first, L"Description", L"Color05"), L"Five");
    EXPECT_EQ(IniValue(first, L"Description", L"Color06"), L"");
    EXPECT_FALSE(FileText(first).empty());
    EXPECT_EQ(FileText(second), FileText(first));
}

// Missing keys and numbers read as 255; numbers keep their low byte.
TEST_F(ChooserTest, MissingNumbersOfAPaletteFileReadAs255)
{
    m_Folder.Write(L"partial.ccp", "[Colors]\r\nColor05=10, 20\r\nColor06=1, 2, 3, 300\r\n");
    std::wstring entries[3];
    CZNColorDialog dialog(0, kFullOpen | ZNCC_EDITALPHA);
    RunChooser(dialog, [&](HWND hChooser) {
        UsePaletteFile(hChooser, kLoadButton, m_Folder / L"partial.ccp");
        for (int i = 0; i < 3; ++i) {
            ClickEntry(hChooser, 5 + i);
            entries[i] = ShownColor(hChooser);
        }
        ClickDlgItem(hChooser, IDCANCEL);
    });
    EXPECT_EQ(entries[0], L"10, 20, 255, 255");
    EXPECT_EQ(entries[1], L"1, 2, 3, 44");
    EXPECT_EQ(entries[2], L"255, 255, 255, 255");
}

// Arrow keys move the keyboard's entry within the three rows of eight, Space makes it the
// chooser's colour; clicks between the swatches do nothing.
TEST_F(ChooserTest, KeysMoveWithinTheStripAndClicksBetweenSwatchesDoNothing)
{
    std::wstring path = NumberedPalette();
    std::vector<std::wstring> reds;
    CZNColorDialog dialog(0, kFullOpen | ZNCC_EDITALPHA);
    RunChooser(dialog, [&](HWND hChooser) {
        UsePaletteFile(hChooser, kLoadButton, path);
        ClickEntry(hChooser, 0);
        auto pressThenSelect = [&](WORD vk, int nTimes) {
            for (int i = 0; i < nTimes; ++i)
                pgtest::PressKey(vk);
            pgtest::PressKey(VK_SPACE);
            reds.push_back(DlgItemText(hChooser, kRedField));
        };
        pressThenSelect(VK_RIGHT, 9);
        pressThenSelect(VK_DOWN, 3);
        pressThenSelect(VK_LEFT, 9);
        pressThenSelect(VK_UP, 3);
        pressThenSelect(VK_DOWN, 1);
        HWND hPalette = ::GetDlgItem(hChooser, kPalette);
        pgtest::Click(hPalette, {1, 10});
        pgtest::Click(hPalette, {25, 10});
        reds.push_back(DlgItemText(hChooser, kRedField));
        ClickDlgItem(hChooser, IDCANCEL);
    });
    EXPECT_EQ(reds, (std::vector<std::wstring>{L"7", L"23", L"16", L"0", L"8", L"8"}));
}

// Each swatch is a two-pixel sunken bevel around the colour without its alpha; the selected one
// has a black frame.
TEST_F(ChooserTest, TheStripShowsBevelledSwatchesAndFramesTheSelection)
{
    m_Folder.Write(L"look.ccp", "[Colors]\r\nColor09=200, 100, 50, 0\r\n");
    pgtest::Pixels pixels;
    CZNColorDialog dialog(0, kFullOpen | ZNCC_EDITALPHA);
    RunChooser(dialog, [&](HWND hChooser) {
        UsePaletteFile(hChooser, kLoadButton, m_Folder / L"look.ccp");
        ClickEntry(hChooser, 9);
        ClickDlgItem(hChooser, kRedField);
        pixels = pgtest::CaptureClient(::GetDlgItem(hChooser, kPalette));
        ClickDlgItem(hChooser, IDCANCEL);
    });
    ASSERT_FALSE(pixels.IsEmpty());
    // Entry 9: column 1, row 1, from (28, 25) to (48, 42).
    const int l = 28, t = 25, r = 48, b = 42;
    EXPECT_EQ(pixels.At(l + 10, t + 8), RGB(200, 100, 50));
    EXPECT_EQ(pixels.At(l + 5, t), ::GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(pixels.At(l + 5, t + 1), ::GetSysColor(COLOR_3DDKSHADOW));
    EXPECT_EQ(pixels.At(l + 5, b - 1), ::GetSysColor(COLOR_3DHILIGHT));
    EXPECT_EQ(pixels.At(l + 5, b - 2), ::GetSysColor(COLOR_3DLIGHT));
    EXPECT_EQ(pixels.At(l - 1, t + 5), RGB(0, 0, 0));
    EXPECT_EQ(pixels.At(r, t + 5), RGB(0, 0, 0));
    EXPECT_EQ(pixels.At(l + 10, t - 2), ::GetSysColor(COLOR_BTNFACE));
    // Entry 0, white and not selected, has no frame.
    EXPECT_EQ(pixels.At(3 + 10, 3 + 8), RGB(255, 255, 255));
    EXPECT_EQ(pixels.At(2, 3 + 5), ::GetSysColor(COLOR_BTNFACE));
}

TEST_F(ChooserTest, OnlyOneChooserIsOpenAtATime)
{
    INT_PTR nSecond = 0;
    HWND hForeground = nullptr;
    HWND hFirst = nullptr;
    CZNColorDialog first(0, kFullOpen);
    EXPECT_EQ(RunChooser(first,
                         [&](HWND hChooser) {
                             hFirst = hChooser;
                             CZNColorDialog second(RGB(1, 2, 3), kFullOpen);
                             nSecond = second.DoModal();
                             hForeground = ::GetForegroundWindow();
                             TypeIntoDlgItem(hChooser, kRedField, L"9");
                             ClickDlgItem(hChooser, IDOK);
                         }),
              IDOK);
    EXPECT_EQ(nSecond, IDCANCEL);
    EXPECT_EQ(hForeground, hFirst);
    EXPECT_EQ(first.m_clrResult & 0xFF, 9u);
    EXPECT_TRUE(m_Watcher.WaitUntilHandled());

    // Once it closed, the next one opens.
    CZNColorDialog next(0, kFullOpen);
    EXPECT_EQ(RunChooser(next, [](HWND hChooser) { ClickDlgItem(hChooser, IDOK); }), IDOK);
    EXPECT_TRUE(m_Watcher.WaitUntilHandled());
}

TEST_F(ChooserTest, TheFileButtonsNameThemselvesInToolTips)
{
    std::vector<std::wstring> tips;
    CZNColorDialog dialog(0, kFullOpen);
    RunChooser(dialog, [&](HWND hChooser) {
        for (int nButton : {kLoadButton, kSaveButton}) {
            HWND hButton = ::GetDlgItem(hChooser, nButton);
            pgtest::MoveMouse(hButton, {8, 7});
            tips.push_back(pgtest::WaitForToolTip());
            pgtest::MoveMouse(hChooser, {5, 5});
        }
        ClickDlgItem(hChooser, IDCANCEL);
    });
    EXPECT_EQ(tips, (std::vector<std::wstring>{L"Load Custom Colors", L"Save Custom Colors"}));
}

} // namespace
