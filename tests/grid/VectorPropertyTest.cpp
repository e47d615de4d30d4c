// Vector cells show comma-separated components and read a typed text as far as it matches.
#include "GridFixture.h"

#include "properties/ZNPropertyGridPropertyVector.h"

#include <array>
#include <cstdio>

namespace {

using VectorEdit = pgtest::EditTest;
using Vector3 = std::array<float, 3>;
using Vector4 = std::array<float, 4>;

TEST_F(VectorEdit, ComponentsShowWithSixDecimals)
{
    Vector3 v3 = {1, 2.5f, -3};
    Vector4 v4 = {0, 0, 0, 1};
    IZNPropertyGridProperty* p3 = Add(PGT_VECTOR3, 3, v3.data());
    IZNPropertyGridProperty* p4 = Add(PGT_VECTOR4, 4, nullptr, v4.data());
    EXPECT_STREQ(ValueText(p3, 0), L"1.000000, 2.500000, -3.000000");
    ASSERT_TRUE(ClickCell(p3, 1));
    EXPECT_STREQ(EditText(), L"1.000000, 2.500000, -3.000000");
    EXPECT_STREQ(EditorClass(), "CZNPropertyGridPropertyVector3ValueDlg");
    EXPECT_NE(::GetPropW(m_Grid.m_hWnd, L"PropertyGridPropertyVector3"), nullptr);

    EXPECT_STREQ(ValueText(p4, 1), L"0.000000, 0.000000, 0.000000, 1.000000");
    ASSERT_TRUE(ClickCell(p4, 2));
    EXPECT_STREQ(EditText(), L"0.000000, 0.000000, 0.000000, 1.000000");
    EXPECT_STREQ(EditorClass(), "CZNPropertyGridPropertyVector4ValueDlg");
    EXPECT_NE(::GetPropW(m_Grid.m_hWnd, L"PropertyGridPropertyVector4"), nullptr);
}

// The scan of "%f, %f, %f" stops at the first mismatch and leaves 0 in the components after it;
// the host hears of a change only when a component differs.
TEST_F(VectorEdit, TypedTextIsReadAsFarAsItMatches)
{
    Vector3 v3 = {9, 9, 9};
    Vector4 v4 = {9, 9, 9, 9};
    IZNPropertyGridProperty* p3 = Add(PGT_VECTOR3, 3, v3.data());
    IZNPropertyGridProperty* p4 = Add(PGT_VECTOR4, 4, v4.data());
    struct
    {
        const wchar_t* pszTyped;
        Vector3 stored;
        size_t nChanges; // notifications so far
    } entries[] = {{L"1,2,3", {1, 2, 3}, 1},
                   {L"1.0, 2, 3", {1, 2, 3}, 1},
                   {L"1 2 3", {1, 0, 0}, 2},
                   {L"4, 5", {4, 5, 0}, 3},
                   {L"", {0, 0, 0}, 4},
                   {L"  7,  8,9", {7, 8, 9}, 5},
                   {L"1 , 2, 3", {1, 0, 0}, 6},
                   {L"x, 2, 3", {0, 0, 0}, 7},
                   {L"-1.5e1, 2, 3", {-15, 2, 3}, 8},
                   {L"0x10, 2, 3", {0, 0, 0}, 9}};
    for (const auto& entry : entries) {
        ASSERT_TRUE(Edit(p3, 1, entry.pszTyped));
        EXPECT_EQ(v3, entry.stored) << entry.pszTyped;
        EXPECT_EQ(m_Host.m_Changes.size(), entry.nChanges) << entry.pszTyped;
    }
    ASSERT_TRUE(Commit(p3, 1));
    EXPECT_EQ(m_Host.m_Changes.size(), 9u);
    EXPECT_EQ(m_Host.m_Changes.back().wParam, WPARAM(MAKELONG(0, 3)));

    ASSERT_TRUE(Edit(p4, 1, L"1, 2, 3, 4"));
    EXPECT_EQ(v4, (Vector4{1, 2, 3, 4}));
    ASSERT_TRUE(Edit(p4, 1, L"1, 2, 3"));
    EXPECT_EQ(v4, (Vector4{1, 2, 3, 0}));

    Vector4 parsed = {5, 5, 5, 5};
    auto* pVector3 = static_cast<CZNPropertyGridPropertyVector3*>(p3);
    EXPECT_EQ(pVector3->ParseValue(L"4, 5", parsed.data()), 2);
    EXPECT_EQ(parsed, (Vector4{4, 5, 0, 5}));
    EXPECT_EQ(pVector3->ParseValue(L"", parsed.data()), EOF);
    EXPECT_EQ(static_cast<CZNPropertyGridPropertyVector4*>(p4)->ParseValue(L"1,2,3,4", v4.data()),
              4);
}

} // namespace
