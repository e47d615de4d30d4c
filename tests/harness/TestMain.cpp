// The entry point of every test executable: a framework application object, as in a real host,
// then GoogleTest.
#include <afxwin.h>
#include <gtest/gtest.h>

namespace {

class CTestApp : public CWinApp
{
public:
    CTestApp() : CWinApp(L"PropertyGridTests") {}
};

CTestApp theApp;

} // namespace

int main(int argc, char** argv)
{
    AfxWinInit(::GetModuleHandleW(nullptr), nullptr, ::GetCommandLineW(), SW_SHOWNORMAL);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
