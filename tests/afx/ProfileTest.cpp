// The application profile, in its INI file and in the registry.
#include <afxwin.h>
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace {

constexpr wchar_t kSection[] = L"Profile Test";

// An application object of the test's own (the process's application stays the harness's).
class ProfileTest : public ::testing::TestWithParam<bool>
{
protected:
    void SetUp() override
    {
        app.m_hInstance = ::GetModuleHandleW(nullptr);
        app.SetCurrentHandles();
        if (GetParam())
            app.SetRegistryKey(L"Tarvex Tests");
        app.WriteProfileString(kSection, nullptr, nullptr);
    }
    void TearDown() override { app.WriteProfileString(kSection, nullptr, nullptr); }

    CWinApp app{L"ProfileTestApp"};
};

TEST_P(ProfileTest, IntegersRoundTripAndMissingOnesGiveTheDefault)
{
    EXPECT_EQ(int(app.GetProfileInt(kSection, L"Count", -7)), -7);
    EXPECT_TRUE(app.WriteProfileInt(kSection, L"Count", -123456));
    EXPECT_EQ(int(app.GetProfileInt(kSection, L"Count", 0)), -123456);
}

TEST_P(ProfileTest, StringsRoundTripAndCanBeRemoved)
{
    EXPECT_EQ(app.GetProfileString(kSection, L"Name", L"fallback"), L"fallback");
    EXPECT_EQ(app.GetProfileString(kSection, L"Name"), L"");
    CString strLong(L'x', 3000);
    EXPECT_TRUE(app.WriteProfileString(kSection, L"Name", L"Alpha Beta"));
    EXPECT_TRUE(app.WriteProfileString(kSection, L"Long", strLong));
    EXPECT_EQ(app.GetProfileString(kSection, L"Name"), L"Alpha Beta");
    EXPECT_EQ(app.GetProfileString(kSection, L"Long"), strLong);

    EXPECT_TRUE(app.WriteProfileString(kSection, L"Name", nullptr));
    EXPECT_EQ(app.GetProfileString(kSection, L"Name", L"gone"), L"gone");
    EXPECT_EQ(app.GetProfileString(kSection, L"Long"), strLong);
}

TEST_P(ProfileTest, BinaryValuesRoundTripEveryByte)
{
    BYTE data[256];
    for (int i = 0; i < 256; ++i)
        data[i] = BYTE(255 - i);
    EXPECT_TRUE(app.WriteProfileBinary(kSection, L"Blob", data, sizeof data));

    LPBYTE pRead = nullptr;
    UINT nBytes = 0;
    ASSERT_TRUE(app.GetProfileBinary(kSection, L"Blob", &pRead, &nBytes));
    std::unique_ptr<BYTE[]> owner(pRead);
    ASSERT_EQ(nBytes, sizeof data);
    EXPECT_EQ(std::memcmp(pRead, data, sizeof data), 0);
}

TEST_P(ProfileTest, MissingBinaryValueGivesNothing)
{
    LPBYTE pRead = reinterpret_cast<LPBYTE>(1);
    UINT nBytes = 99;
    EXPECT_FALSE(app.GetProfileBinary(kSection, L"Nothing", &pRead, &nBytes));
    EXPECT_EQ(pRead, nullptr);
    EXPECT_EQ(nBytes, 0u);
}

INSTANTIATE_TEST_SUITE_P(IniFileAndRegistry, ProfileTest, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return info.param ? "Registry" : "IniFile";
                         });

// MFC's text form of binary values in INI files: two letters a byte, low nibble first.
TEST(ProfileIniFile, BinaryValuesAreWrittenInMfcsLetterForm)
{
    CWinApp app(L"ProfileTestApp");
    app.m_hInstance = ::GetModuleHandleW(nullptr);
    app.SetCurrentHandles();
    BYTE data[] = {0x00, 0x1F, 0xA2};
    ASSERT_TRUE(app.WriteProfileBinary(kSection, L"Letters", data, sizeof data));
    EXPECT_EQ(app.GetProfileString(kSection, L"Letters"), L"AAPBCK");
    app.WriteProfileString(kSection, nullptr, nullptr);
}

TEST(ProfileRegistry, ValuesLiveUnderSoftwareCompanyApplicationSection)
{
    CWinApp app(L"ProfileTestApp");
    app.m_hInstance = ::GetModuleHandleW(nullptr);
    app.SetCurrentHandles();
    app.SetRegistryKey(L"Tarvex Tests");
    ASSERT_TRUE(app.WriteProfileInt(kSection, L"Where", 5));

    HKEY hKey = nullptr;
    ASSERT_EQ(::RegOpenKeyExW(HKEY_CURRENT_USER,
                              L"Software\\Tarvex Tests\\ProfileTestApp\\Profile Test", 0, KEY_READ,
                              &hKey),
              ERROR_SUCCESS);
    DWORD dwValue = 0;
    DWORD dwSize = sizeof dwValue;
    EXPECT_EQ(::RegQueryValueExW(hKey, L"Where", nullptr, nullptr,
                                 reinterpret_cast<LPBYTE>(&dwValue), &dwSize),
              ERROR_SUCCESS);
    EXPECT_EQ(dwValue, 5u);
    ::RegCloseKey(hKey);
    app.WriteProfileString(kSection, nullptr, nullptr);
}

} // namespace
