// Colour cells show a swatch and the components as fractions or bytes, with or without alpha;
// typed text is read as far as it matches and clamped, and the editor's button picks the colour
// in the chooser.
#include "ColorTestSupport.h"
#include "GridFixture.h"
#include "ModalTestSupport.h"
#include "WindowCapture.h"

#include "model/ZNPropertyGridEditorHolder.h"
#include "properties/ZNPropertyGridPropertyColorVector4.h"

#include <array>
#include <memory>

namespace {

using namespace colortest;
using pgtest::ClickDlgItem;
using pgtest::DialogCaptioned;
using pgtest::ModalWatcher;
using pgtest::TypeIntoDlgItem;
using Color = std::array<float, 4>;

constexpr unsigned kColorID = 9;

class ColorTest : public pgtest::GridFixture
{
protected:
    using CColorEditorHolder =
        CZNPropertyGridEditorHolder<CZNPropertyGridPropertyColorVector4ValueDlg>;

    // Value columns wide enough for four fractions; the host's dialog is the application's main
    // window, which owns the chooser.
    void SetUp() override
    {
        ASSERT_TRUE(CreateHost() && Initialize(0, {260, 260}));
        m_pCategory = Category(m_pRoot, L"Colours");
        m_MainWindow = std::make_unique<pgtest::MainWindowScope>(&m_Host);
        AfxGetApp()->WriteProfileString(L"Custom Colors", nullptr, nullptr);
    }
    void TearDown() override
    {
        m_MainWindow.reset();
        GridFixture::TearDown();
    }

    CZNPropertyGridPropertyColorVector4* AddColor(const wchar_t* pszOptions, Color* pValue)
    {
        IZNPropertyGridProperty* pProperty =
            m_Grid.AddProperty(m_pCategory, L"Colour", L"", kColorID, PGT_COLORVECTOR4, pszOptions);
        m_Grid.SetPropertyValue(m_pCategory, pProperty, 0, pValue->data());
        return static_cast<CZNPropertyGridPropertyColorVector4*>(pProperty);
    }
    CString Formatted(CZNPropertyGridPropertyColorVector4* pColor, const Color& c)
    {
        CString strText;
        pColor->FormatValue(c[0], c[1], c[2], c[3], strText);
        return strText;
    }
    CWnd* Editor()
    {
        auto* pHolder = static_cast<CColorEditorHolder*>(
            ::GetPropW(m_Grid, L"PropertyGridPropertyColorVector4"));
        return pHolder != nullptr ? pHolder->GetEditor() : nullptr;
    }
    bool EditorShows() { return Editor() != nullptr && Editor()->IsWindowVisible(); }
    // Opens the cell's editor and its chooser, and runs the steps in the chooser.
    bool Pick(IZNPropertyGridProperty* pColor, pgtest::DialogSteps steps)
    {
        ModalWatcher watcher;
        watcher.Expect(DialogCaptioned(L"Color"), std::move(steps));
        return ClickCell(pColor, 1) && ClickDlgItem(Editor()->m_hWnd, IDC_PROPERTYGRID_BROWSE) &&
               watcher.WaitUntilHandled();
    }

    std::unique_ptr<pgtest::MainWindowScope> m_MainWindow;
};

// Words between semicolons, without regard to case, and nothing else, set the options.
TEST_F(ColorTest, OptionsChooseFractionsOrBytesWithOrWithoutAlpha)
{
    Color value = {0.5f, 0.25f, 1.2f, 1.0f};
    const struct
    {
        const wchar_t* pszOptions;
        const wchar_t* pszShown;
    } table[] = {
        {nullptr, L"0.500000, 0.250000, 1.000000, 1.000000"},
        {L"showasbyte", L"127, 63, 255, 255"},
        {L"noalpha", L"0.500000, 0.250000, 1.000000"},
        {L"showasbyte;noalpha", L"127, 63, 255"},
        {L"NOALPHA;ShowAsByte", L"127, 63, 255"},
        {L";showasbyte;;other", L"127, 63, 255, 255"},
        {L"noalpha ; showasbyte", L"0.500000, 0.250000, 1.000000, 1.000000"},
    };
    for (const auto& entry : table) {
        CZNPropertyGridPropertyColorVector4* pColor = AddColor(entry.pszOptions, &value);
        ASSERT_TRUE(ClickCell(pColor, 1));
        EXPECT_STREQ(EditText(), entry.pszShown) << entry.pszOptions;
        EXPECT_STREQ(EditorClass(), "CZNPropertyGridPropertyColorVector4ValueDlg");
        // The host gets the bytes of red, green and blue, unclamped, whatever the options.
        EXPECT_STREQ(ValueText(pColor, 0), L"127, 63, 306");
        ASSERT_TRUE(pgtest::PressKey(VK_ESCAPE));
        m_Grid.RemoveProperty(m_pCategory, pColor);
    }
}

// Every byte comes back unchanged through the byte form; fractions are clamped, and bytes
// truncated, not rounded.
TEST_F(ColorTest, BytesComeBackUnchangedAndFractionsAreClampedAndTruncated)
{
    Color value = {};
    CZNPropertyGridPropertyColorVector4* pBytes = AddColor(L"showasbyte", &value);
    for (int nByte = 0; nByte < 256; ++nByte) {
        float f = float(nByte) * kByteToUnit;
        CString strText = Formatted(pBytes, {f, f, f, f});
        CString strExpected;
        strExpected.Format(L"%d, %d, %d, %d", nByte, nByte, nByte, nByte);
        ASSERT_STREQ(strText, strExpected);
        Color parsed = {};
        EXPECT_EQ(pBytes->ParseValue(strText, parsed.data()), 4);
        ASSERT_STREQ(Formatted(pBytes, parsed), strExpected);
    }
    EXPECT_STREQ(Formatted(pBytes, {0.999f, 1.5f, -0.5f, 0.5f}), L"254, 255, 0, 127");

    CZNPropertyGridPropertyColorVector4* pFractions = AddColor(nullptr, &value);
    EXPECT_STREQ(Formatted(pFractions, {1.5f, -0.5f, 0.1234567f, 0.5f}),
                 L"1.000000, 0.000000, 0.123457, 0.500000");
    Color parsed = {};
    EXPECT_EQ(pFractions->ParseValue(L"2, -1, 0.25", parsed.data()), 3);
    EXPECT_EQ(parsed, (Color{1.0f, 0.0f, 0.25f, 0.0f}));
}

// What did not parse is 0, but alpha 1 where it is not shown; out-of-range numbers are clamped.
TEST_F(ColorTest, TypedTextIsClampedAndWithoutAlphaAlphaIsOpaque)
{
    Color bytes = {0.5f, 0.5f, 0.5f, 0.5f};
    Color fractions = {0.5f, 0.5f, 0.5f, 0.5f};
    Color withAlpha = {0.5f, 0.5f, 0.5f, 0.5f};
    CZNPropertyGridPropertyColorVector4* pBytes = AddColor(L"showasbyte;noalpha", &bytes);
    CZNPropertyGridPropertyColorVector4* pFractions = AddColor(L"noalpha", &fractions);
    CZNPropertyGridPropertyColorVector4* pWithAlpha = AddColor(nullptr, &withAlpha);

    ASSERT_TRUE(Edit(pBytes, 1, L"300, -4, 20"));
    EXPECT_EQ(bytes, (Color{1.0f, 0.0f, 20 * kByteToUnit, 1.0f}));
    ASSERT_TRUE(Edit(pFractions, 1, L"0.25, 0.75"));
    EXPECT_EQ(fractions, (Color{0.25f, 0.75f, 0.0f, 1.0f}));
    ASSERT_TRUE(Edit(pWithAlpha, 1, L"0.1, 0.2, 0.3"));
    EXPECT_EQ(withAlpha, (Color{0.1f, 0.2f, 0.3f, 0.0f}));
    ASSERT_TRUE(Edit(pWithAlpha, 1, L"2, 0.5, 0.5, -1"));
    EXPECT_EQ(withAlpha, (Color{1.0f, 0.5f, 0.5f, 0.0f}));
    EXPECT_EQ(m_Host.m_Changes.size(), 4u);
    // The same colour in another form is no change.
    ASSERT_TRUE(Edit(pWithAlpha, 1, L"1, 0.5, 0.500, 0"));
    EXPECT_EQ(m_Host.m_Changes.size(), 4u);
}

// The swatch is as wide as the text is high, two thirds as high and centred, outlined in black
// and filled with the colour without alpha; the text starts four pixels after it.
TEST_F(ColorTest, TheSwatchShowsTheColourBesideItsText)
{
    Color value = {1.0f, 0.5f, 0.25f, 0.0f};
    CZNPropertyGridPropertyColorVector4* pColor = AddColor(nullptr, &value);
    pgtest::Pixels pixels = pgtest::CaptureClient(m_Grid);
    CRect rcCell = CellRect(pColor, 1);
    const COLORREF kBlack = RGB(0, 0, 0);
    // The outline's corner is the first black pixel from the cell's top left.
    CPoint ptCorner(-1, -1);
    for (int y = rcCell.top; y < rcCell.bottom && ptCorner.x < 0; ++y) {
        for (int x = rcCell.left; x < rcCell.right; ++x) {
            if (pixels.At(x, y) == kBlack) {
                ptCorner = CPoint(x, y);
                break;
            }
        }
    }
    ASSERT_GE(ptCorner.x, 0);
    int nWidth = 0;
    while (pixels.At(ptCorner.x + nWidth, ptCorner.y) == kBlack)
        ++nWidth;
    int nHeight = 0;
    while (pixels.At(ptCorner.x, ptCorner.y + nHeight) == kBlack)
        ++nHeight;
    // The text rectangle is as high as the row.
    EXPECT_EQ(nWidth, rcCell.Height());
    EXPECT_EQ(nHeight, 2 * nWidth / 3);
    EXPECT_EQ(ptCorner.y - rcCell.top, (nWidth - nHeight) / 2);
    EXPECT_EQ(pixels.At(ptCorner.x + nWidth / 2, ptCorner.y + nHeight / 2), RGB(255, 127, 63));
    EXPECT_EQ(pixels.At(ptCorner.x + nWidth - 1, ptCorner.y + nHeight - 1), kBlack);

    // Nothing of the text before the gap's end.
    COLORREF crBackground = pixels.At(ptCorner.x + nWidth, ptCorner.y);
    int nTextLeft = ptCorner.x + nWidth;
    for (bool bText = false; !bText && nTextLeft < rcCell.right; ++nTextLeft) {
        for (int y = rcCell.top; y < rcCell.bottom - 1; ++y)
            bText = bText || pixels.At(nTextLeft, y) != crBackground;
    }
    EXPECT_GE(nTextLeft - 1 - ptCorner.x, nWidth + 4);
    EXPECT_LE(nTextLeft - 1 - ptCorner.x, nWidth + 6);

    // The editor leaves the swatch in sight.
    ASSERT_TRUE(ClickCell(pColor, 1));
    CRect rcEditor;
    Editor()->GetWindowRect(&rcEditor);
    m_Grid.ScreenToClient(&rcEditor);
    EXPECT_EQ(rcEditor.left, rcCell.left + 22);
}

// The chooser starts from the edited text; its colour is stored and reported before the editor
// closes. A cancelled chooser changes nothing.
TEST_F(ColorTest, PickingInTheChooserCommitsAtOnce)
{
    Color value = {0.2f, 0.4f, 0.6f, 0.8f};
    CZNPropertyGridPropertyColorVector4* pColor = AddColor(nullptr, &value);
    m_Host.m_Snapshot = [&] { return Formatted(pColor, value); };
    std::wstring initial;
    HWND hOwner = nullptr;
    ASSERT_TRUE(Pick(pColor, [&](HWND hChooser) {
        initial = ShownColor(hChooser);
        hOwner = ::GetWindow(hChooser, GW_OWNER);
        TypeColor(hChooser, L"255", L"0", L"0", L"128");
        ClickDlgItem(hChooser, IDOK);
    }));
    EXPECT_EQ(initial, L"51, 102, 153, 204");
    EXPECT_EQ(hOwner, m_Host.m_hWnd);
    // The chosen bytes go through the text, six decimals.
    EXPECT_STREQ(Formatted(pColor, value), L"1.000000, 0.000000, 0.000000, 0.501961");
    EXPECT_EQ(value[3], 0.501961f);
    ASSERT_EQ(m_Host.m_Changes.size(), 1u);
    EXPECT_EQ(m_Host.m_Changes[0].wParam, WPARAM(MAKELONG(0, kColorID)));
    EXPECT_STREQ(m_Host.m_Changes[0].strValue, L"1.000000, 0.000000, 0.000000, 0.501961");
    EXPECT_TRUE(EditorShows());
    EXPECT_STREQ(EditText(), L"1.000000, 0.000000, 0.000000, 0.501961");

    ASSERT_TRUE(Pick(pColor, [](HWND hChooser) {
        TypeIntoDlgItem(hChooser, kGreenField, L"200");
        ClickDlgItem(hChooser, IDCANCEL);
    }));
    EXPECT_STREQ(Formatted(pColor, value), L"1.000000, 0.000000, 0.000000, 0.501961");
    EXPECT_EQ(m_Host.m_Changes.size(), 1u);
    // Enter then closes the editor, with nothing more to store.
    ASSERT_TRUE(pgtest::PressKey(VK_RETURN));
    EXPECT_FALSE(EditorShows());
    EXPECT_EQ(m_Host.m_Changes.size(), 1u);

    // Without alpha the chooser starts opaque, and the colour stays so.
    Color opaque = {0.0f, 0.0f, 1.0f, 1.0f};
    CZNPropertyGridPropertyColorVector4* pOpaque = AddColor(L"noalpha;showasbyte", &opaque);
    ASSERT_TRUE(Pick(pOpaque, [&](HWND hChooser) {
        initial = ShownColor(hChooser);
        TypeIntoDlgItem(hChooser, kAlphaField, L"10");
        ClickDlgItem(hChooser, IDOK);
    }));
    EXPECT_EQ(initial, L"0, 0, 255, 255");
    EXPECT_EQ(opaque, (Color{0.0f, 0.0f, 1.0f, 1.0f}));
}

// The host removes the last colour property, and the shared editor with it, as it hears of the
// picked colour.
TEST_F(ColorTest, TheHostMayRemoveThePropertyWhileItHearsThePick)
{
    Color value = {0.0f, 0.0f, 0.0f, 1.0f};
    CZNPropertyGridPropertyColorVector4* pColor = AddColor(nullptr, &value);
    m_Host.m_React = [&](UINT nMessage) {
        if (nMessage == PGM_PROPERTYCHANGE)
            m_Grid.RemoveProperty(m_pCategory, pColor);
    };
    ASSERT_TRUE(Pick(pColor, [](HWND hChooser) {
        TypeIntoDlgItem(hChooser, kBlueField, L"255");
        ClickDlgItem(hChooser, IDOK);
    }));
    EXPECT_EQ(value, (Color{0.0f, 0.0f, 1.0f, 1.0f}));
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_EQ(m_Grid.GetPropertyCount(m_pCategory), 0u);
}

TEST_F(ColorTest, ThePickButtonNamesItselfInAToolTip)
{
    Color value = {};
    CZNPropertyGridPropertyColorVector4* pColor = AddColor(nullptr, &value);
    ASSERT_TRUE(ClickCell(pColor, 1));
    HWND hButton = Editor()->GetDlgItem(IDC_PROPERTYGRID_BROWSE)->m_hWnd;
    CRect rcButton;
    ::GetClientRect(hButton, &rcButton);
    ASSERT_TRUE(pgtest::MoveMouse(hButton, rcButton.CenterPoint()));
    EXPECT_EQ(pgtest::WaitForToolTip(), L"Pick");
}

} // namespace
