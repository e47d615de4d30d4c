// Hostile text through every place the grid reads or shows text: each editor's field, typed and
// pasted, and names, help texts, options, column titles, category texts and tips. Nothing may
// crash or hang, and what the editors store is what the C runtime's conversions make of the
// field's text.
#include "GridChecks.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <string>
#include <vector>

namespace {

using namespace std::string_literals;

// Short ones are typed as well as pasted.
constexpr size_t kLongestTyped = 120;

std::vector<std::wstring> HostileTexts()
{
    std::vector<std::wstring> texts = {
        L"",
        L"%s%n%x%d%%%S%ls%p%*s",
        L"%f, %f, %f, %f",
        L"2147483647",
        L"2147483648",
        L"-2147483649",
        L"4294967296",
        L"99999999999999999999999999999999",
        L"1e999",
        L"-1e999",
        L"1e-999",
        L"nan",
        L"-inf",
        L"1.#INF",
        L"0x1p3",
        L"1,5",
        L"  +12abc",
        L"--1",
        L"+-1",
        L".",
        L"-",
        L"e5",
        L"1e",
        L"\u0663\u0664",
        L"\uFF11\uFF12",
        L"\U0001F600\U0001F601 emoji",
        L"\xD800 lone high",
        L"\xDC00 lone low",
        L"\xFFFF\xFFFE",
        L"1, 2",
        L",,,,",
        L"1e999, -1e999, nan, 1",
        L"-0.5, 2, 255, 256",
        L"255, 255, 255, 255",
        L"-1, -2, -3, -4",
        L"1 2 3 4",
        L"Low|High|$readonly$|",
        L"<b>&amp;<script>\\\\",
        L"C:\\..\\..\\..\\x",
        L"\\\\?\\C:\\" + std::wstring(40, L'a'),
    };
    texts.push_back(std::wstring(300, L'9'));
    texts.push_back(std::wstring(5000, L'%') + L"n");
    std::wstring strLong;
    while (strLong.size() < 20000)
        strLong += L"1234567890, ";
    texts.push_back(strLong);
    std::wstring strSurrogates;
    while (strSurrogates.size() < 4000)
        strSurrogates += L"\U0001F600";
    texts.push_back(strSurrogates);
    return texts;
}

struct TypeCase
{
    const char* pszName;
    eZNPropertyGridType eType;
    const wchar_t* pszOptions;
};

const TypeCase kTypes[] = {
    {"text", PGT_TEXT, L""},
    {"integer", PGT_INTEGER, L""},
    {"float", PGT_FLOAT, L""},
    {"file", PGT_FILE, L""},
    {"enumeration", PGT_ENUM, L"Low|Medium|High"},
    {"vector3", PGT_VECTOR3, L""},
    {"vector4", PGT_VECTOR4, L""},
    {"colour", PGT_COLORVECTOR4, L""},
    {"colour bytes", PGT_COLORVECTOR4, L"showasbyte"},
    {"memo", PGT_MEMO, L""},
};

std::wstring FocusText()
{
    HWND hField = ::GetFocus();
    std::wstring strText(size_t(::GetWindowTextLengthW(hField)) + 1, L'\0');
    strText.resize(size_t(::GetWindowTextW(hField, strText.data(), int(strText.size()))));
    return strText;
}

bool SameFloat(float fA, float fB)
{
    return std::memcmp(&fA, &fB, sizeof(float)) == 0;
}

class Parsers : public pgtest::EditTest
{
protected:
    // Puts the text into the open editor's field, replacing all of it, as the user types it or
    // pastes it; then the field's text.
    static std::wstring Enter(const std::wstring& strText, bool bTyped, CZNPropertyGrid& grid)
    {
        ::SendMessageW(::GetFocus(), EM_SETSEL, 0, -1);
        if (bTyped) {
            EXPECT_TRUE(pgtest::TypeText(strText));
        } else {
            EXPECT_TRUE(pgtest::SetClipboardText(strText));
            grid.ForwardCommandMessage(ID_EDIT_PASTE);
        }
        return FocusText();
    }

    // What the type's editor stored from the field's text, against the C runtime's reading.
    std::string CheckStored(const TypeCase& type, const std::wstring& strField)
    {
        switch (type.eType) {
        case PGT_INTEGER:
            return m_Values.nInteger == _wtoi(strField.c_str()) ? "" : "integer";
        case PGT_FLOAT:
            return SameFloat(m_Values.fFloat, float(_wtof(strField.c_str()))) ? "" : "float";
        case PGT_VECTOR3:
        case PGT_VECTOR4: {
            std::array<float, 4> expected = {0, 0, 0, m_Values.vFloats[3]};
            if (type.eType == PGT_VECTOR3)
                __ms_swscanf(strField.c_str(), L"%f, %f, %f", &expected[0], &expected[1],
                             &expected[2]);
            else
                __ms_swscanf(strField.c_str(), L"%f, %f, %f, %f", &expected[0], &expected[1],
                             &expected[2], &expected[3]);
            for (size_t i = 0; i < 4; ++i) {
                if (!SameFloat(m_Values.vFloats[i], expected[i]))
                    return "vector component " + std::to_string(i);
            }
            return "";
        }
        case PGT_COLORVECTOR4:
            // A colour is clamped into its range whatever was read.
            for (float fComponent : m_Values.vFloats) {
                if (!(fComponent >= 0.0f && fComponent <= 1.0f))
                    return "colour component " + std::to_string(fComponent);
            }
            return "";
        default:
            return std::wstring(m_Values.strText) == strField ? "" : "text";
        }
    }

    pgtest::ValueStorage m_Values;
};

TEST_F(Parsers, EveryEditorReadsTypedAndPastedTextAsTheRuntimeDoes)
{
    const std::vector<std::wstring> texts = HostileTexts();
    int nInputs = 0;
    for (const TypeCase& type : kTypes) {
        IZNPropertyGridProperty* pProperty =
            m_Grid.AddProperty(m_pCategory, L"Parsed", L"", 1, type.eType, type.pszOptions);
        m_Grid.SetPropertyValue(m_pCategory, pProperty, 0, m_Values.For(type.eType));
        for (const std::wstring& strText : texts) {
            for (bool bTyped : {true, false}) {
                if (bTyped && strText.size() > kLongestTyped)
                    continue;
                ASSERT_TRUE(ClickCell(pProperty, 1)) << type.pszName;
                std::wstring strField = Enter(strText, bTyped, m_Grid);
                ASSERT_TRUE(type.eType == PGT_MEMO ? pgtest::PressKeyWith(VK_CONTROL, VK_RETURN)
                                                   : pgtest::PressKey(VK_RETURN));
                EXPECT_EQ(CheckStored(type, strField), "")
                    << type.pszName << (bTyped ? ", typed" : ", pasted") << ", text "
                    << (&strText - texts.data());
                // The cell shows and tips the stored value.
                m_Grid.UpdateWindow();
                TOOLINFO ti = {};
                ti.cbSize = sizeof(ti);
                m_Grid.OnToolHitTest(CellRect(pProperty, 1).CenterPoint(), &ti);
                std::free(ti.lpszText);
                ++nInputs;
            }
        }
        m_Grid.RemoveProperty(m_pCategory, pProperty);
    }
    EXPECT_TRUE(pgtest::HeapsValid());
    std::printf("%d inputs through the editors\n", nInputs);
}

// The texts, and copies with a NUL inside, as names, help texts, options of every type, column
// titles, category texts, check-box tips and text values: painted, tipped and selected.
TEST_F(Parsers, NamesHelpTextsTitlesAndTipsTakeAnyText)
{
    std::vector<std::wstring> texts = HostileTexts();
    texts.push_back(L"before\0after"s);
    int nInputs = 0;
    for (const std::wstring& strText : texts) {
        const wchar_t* pszText = strText.c_str();
        CString strValue(pszText, int(strText.size()));
        int nColumn = m_Grid.AddColumn(60, pszText);
        CZNPropertyGridCategory* pCategory = m_Grid.AddCategory(m_pRoot, pszText, pszText);
        ASSERT_NE(pCategory, nullptr);
        m_Grid.SetCategoryValue(pCategory, 0, pszText);
        for (const TypeCase& type : kTypes) {
            IZNPropertyGridProperty* pProperty =
                m_Grid.AddProperty(pCategory, pszText, pszText, 1, type.eType, pszText);
            ASSERT_NE(pProperty, nullptr) << type.pszName;
            if (type.eType == PGT_TEXT || type.eType == PGT_MEMO || type.eType == PGT_FILE ||
                type.eType == PGT_ENUM)
                m_Grid.SetPropertyValue(pCategory, pProperty, 0, &strValue);
            m_Grid.SetPropertyCheckBoxState(pCategory, pProperty, 1, PGCB_CHECKED);
            m_Grid.SetPropertyCheckBoxTooltip(pCategory, pProperty, 1, pszText);
        }
        m_Grid.Invalidate(TRUE);
        m_Grid.UpdateWindow();
        int nRows = m_Grid.GetCount();
        for (int nRow = 0; nRow < nRows; ++nRow) {
            m_Grid.SetCurSel(nRow);
            // As the list box tells its parent, which passes it back to the grid.
            m_Host.SendMessage(WM_COMMAND,
                               MAKEWPARAM(pgtest::CHostDialog::kListBoxId, LBN_SELCHANGE),
                               LPARAM(m_Grid.m_hWnd));
            for (int nCell = 0; nCell < int(m_Grid.m_Columns.size()); ++nCell) {
                TOOLINFO ti = {};
                ti.cbSize = sizeof(ti);
                m_Grid.OnToolHitTest(CellRect(nRow, nCell).CenterPoint(), &ti);
                // Row 0 is the suite's own category.
                if (nRow > 0 && nCell == 0 && ti.lpszText != nullptr) {
                    EXPECT_TRUE(std::wcscmp(ti.lpszText, pszText) == 0) << "row " << nRow;
                }
                std::free(ti.lpszText);
            }
        }
        EXPECT_EQ(pgtest::CheckGrid(m_Grid), "");
        m_Grid.RemoveCategory(m_pRoot, pCategory);
        m_Grid.RemoveColumn(nColumn);
        ++nInputs;
    }
    EXPECT_TRUE(pgtest::HeapsValid());
    std::printf("%d texts as names, help, options, titles and tips\n", nInputs);
}

} // namespace
