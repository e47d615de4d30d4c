// Run-time classes that create their objects, and the diagnostic macros of a release build.
#include <afx.h>
#include <gtest/gtest.h>

namespace {

class CShape : public CObject
{
    DECLARE_DYNCREATE(CShape)
public:
    int m_nSides = 4; // set by the default constructor that CreateObject calls
};

IMPLEMENT_DYNCREATE(CShape, CObject)

TEST(RunTimeClass, DynCreateMakesAnObjectOfTheClass)
{
    CRuntimeClass* pClass = RUNTIME_CLASS(CShape);
    EXPECT_STREQ(pClass->m_lpszClassName, "CShape");
    CObject* pObject = pClass->CreateObject();
    ASSERT_NE(pObject, nullptr);
    EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CShape)));
    EXPECT_EQ(static_cast<CShape*>(pObject)->m_nSides, 4);
    delete pObject;
}

int CountCall(int& nCalls)
{
    return ++nCalls;
}

TEST(Diagnostics, OnlyVerifyEvaluatesItsExpression)
{
    int nCalls = 0;
    ASSERT(CountCall(nCalls) == 0);
    ASSERT_VALID(nullptr);
    TRACE(L"%d\n", CountCall(nCalls));
    TRACE0("text");
    EXPECT_EQ(nCalls, 0);
    VERIFY(CountCall(nCalls) == 1);
    EXPECT_EQ(nCalls, 1);
}

} // namespace
