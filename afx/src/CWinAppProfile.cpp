// The application profile: an INI file named after the executable (in the Windows folder, as
// the private-profile functions place a bare file name), or, after SetRegistryKey, the key
// HKEY_CURRENT_USER\Software\<registry key>\<application name>\<section>.
#include <afxwin.h>

#include <vector>

namespace {

class CRegKey
{
public:
    explicit CRegKey(HKEY hKey = nullptr) : m_hKey(hKey) {}
    ~CRegKey()
    {
        if (m_hKey != nullptr)
            ::RegCloseKey(m_hKey);
    }
    CRegKey(const CRegKey&) = delete;
    CRegKey& operator=(const CRegKey&) = delete;

    operator HKEY() const { return m_hKey; }

private:
    HKEY m_hKey;
};

HKEY CreateSubKey(HKEY hParent, LPCTSTR lpszName)
{
    HKEY hKey = nullptr;
    DWORD dwDisposition = 0;
    if (::RegCreateKeyExW(hParent, lpszName, 0, nullptr, REG_OPTION_NON_VOLATILE,
                          KEY_READ | KEY_WRITE, nullptr, &hKey, &dwDisposition) != ERROR_SUCCESS)
        return nullptr;
    return hKey;
}

// MFC writes binary entries of INI files as two letters a byte, 'A' + low nibble first.
CString EncodeBinary(const BYTE* pData, UINT nBytes)
{
    CString strText;
    wchar_t* psz = strText.GetBufferSetLength(int(nBytes * 2));
    for (UINT i = 0; i < nBytes; ++i) {
        psz[i * 2] = wchar_t(L'A' + (pData[i] & 0x0F));
        psz[i * 2 + 1] = wchar_t(L'A' + ((pData[i] >> 4) & 0x0F));
    }
    strText.ReleaseBuffer(int(nBytes * 2));
    return strText;
}

bool DecodeBinary(const CString& strText, std::vector<BYTE>& data)
{
    if (strText.GetLength() % 2 != 0)
        return false;
    data.resize(size_t(strText.GetLength() / 2));
    for (size_t i = 0; i < data.size(); ++i) {
        unsigned nLow = unsigned(strText[int(i * 2)] - L'A');
        unsigned nHigh = unsigned(strText[int(i * 2 + 1)] - L'A');
        if (nLow > 0x0F || nHigh > 0x0F)
            return false;
        data[i] = BYTE((nHigh << 4) | nLow);
    }
    return true;
}

} // namespace

void CWinApp::SetRegistryKey(LPCTSTR lpszRegistryKey)
{
    ReplaceString(m_pszRegistryKey, lpszRegistryKey);
    ReplaceString(m_pszProfileName, m_pszAppName);
}

void CWinApp::SetRegistryKey(UINT nIDRegistryKey)
{
    wchar_t szKey[256];
    if (::LoadStringW(AfxGetResourceHandle(), nIDRegistryKey, szKey, 256) > 0)
        SetRegistryKey(szKey);
}

HKEY CWinApp::GetAppRegistryKey()
{
    if (m_pszRegistryKey == nullptr || m_pszProfileName == nullptr)
        return nullptr;
    CRegKey software(CreateSubKey(HKEY_CURRENT_USER, L"Software"));
    CRegKey company(software == nullptr ? nullptr : CreateSubKey(software, m_pszRegistryKey));
    return company == nullptr ? nullptr : CreateSubKey(company, m_pszProfileName);
}

HKEY CWinApp::GetSectionKey(LPCTSTR lpszSection)
{
    CRegKey app(GetAppRegistryKey());
    return app == nullptr ? nullptr : CreateSubKey(app, lpszSection);
}

UINT CWinApp::GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault)
{
    if (m_pszRegistryKey == nullptr)
        return ::GetPrivateProfileIntW(lpszSection, lpszEntry, nDefault, m_pszProfileName);
    CRegKey section(GetSectionKey(lpszSection));
    DWORD dwValue = 0;
    DWORD dwType = 0;
    DWORD dwCount = sizeof(dwValue);
    if (section == nullptr ||
        ::RegQueryValueExW(section, lpszEntry, nullptr, &dwType, reinterpret_cast<LPBYTE>(&dwValue),
                           &dwCount) != ERROR_SUCCESS ||
        dwType != REG_DWORD)
        return UINT(nDefault);
    return UINT(dwValue);
}

BOOL CWinApp::WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue)
{
    if (m_pszRegistryKey == nullptr) {
        CString strValue;
        strValue.Format(L"%d", nValue);
        return ::WritePrivateProfileStringW(lpszSection, lpszEntry, strValue, m_pszProfileName);
    }
    CRegKey section(GetSectionKey(lpszSection));
    DWORD dwValue = DWORD(nValue);
    return section != nullptr &&
           ::RegSetValueExW(section, lpszEntry, 0, REG_DWORD, reinterpret_cast<LPBYTE>(&dwValue),
                            sizeof(dwValue)) == ERROR_SUCCESS;
}

CString CWinApp::GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault)
{
    CString strDefault = lpszDefault;
    if (m_pszRegistryKey == nullptr) {
        // The buffer grows until the value fits (the API answers size - 1 when it is cut).
        for (DWORD dwSize = 256;; dwSize *= 2) {
            CString strValue;
            DWORD dwRead = ::GetPrivateProfileStringW(lpszSection, lpszEntry, strDefault,
                                                      strValue.GetBuffer(int(dwSize)), dwSize,
                                                      m_pszProfileName);
            strValue.ReleaseBuffer(int(dwRead));
            if (dwRead < dwSize - 1)
                return strValue;
        }
    }
    CRegKey section(GetSectionKey(lpszSection));
    DWORD dwType = 0;
    DWORD dwBytes = 0;
    if (section == nullptr ||
        ::RegQueryValueExW(section, lpszEntry, nullptr, &dwType, nullptr, &dwBytes) !=
            ERROR_SUCCESS ||
        dwType != REG_SZ)
        return strDefault;
    CString strValue;
    wchar_t* pszBuffer = strValue.GetBuffer(int(dwBytes / sizeof(wchar_t)));
    if (::RegQueryValueExW(section, lpszEntry, nullptr, &dwType,
                           reinterpret_cast<LPBYTE>(pszBuffer), &dwBytes) != ERROR_SUCCESS)
        return strDefault;
    int nChars = int(dwBytes / sizeof(wchar_t));
    if (nChars > 0 && pszBuffer[nChars - 1] == L'\0')
        --nChars; // the stored value usually carries its terminator
    strValue.ReleaseBuffer(nChars);
    return strValue;
}

BOOL CWinApp::WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue)
{
    if (m_pszRegistryKey == nullptr)
        return ::WritePrivateProfileStringW(lpszSection, lpszEntry, lpszValue, m_pszProfileName);
    if (lpszEntry == nullptr) {
        // No entry: the whole section goes, as in an INI file.
        CRegKey app(GetAppRegistryKey());
        return app != nullptr && ::RegDeleteTreeW(app, lpszSection) == ERROR_SUCCESS;
    }
    CRegKey section(GetSectionKey(lpszSection));
    if (section == nullptr)
        return FALSE;
    if (lpszValue == nullptr)
        return ::RegDeleteValueW(section, lpszEntry) == ERROR_SUCCESS;
    DWORD dwBytes = DWORD((wcslen(lpszValue) + 1) * sizeof(wchar_t));
    return ::RegSetValueExW(section, lpszEntry, 0, REG_SZ, reinterpret_cast<const BYTE*>(lpszValue),
                            dwBytes) == ERROR_SUCCESS;
}

BOOL CWinApp::GetProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE* ppData, UINT* pBytes)
{
    *ppData = nullptr;
    *pBytes = 0;
    std::vector<BYTE> data;
    if (m_pszRegistryKey == nullptr) {
        CString strText = GetProfileString(lpszSection, lpszEntry, nullptr);
        if (strText.IsEmpty() || !DecodeBinary(strText, data))
            return FALSE;
    } else {
        CRegKey section(GetSectionKey(lpszSection));
        DWORD dwType = 0;
        DWORD dwBytes = 0;
        if (section == nullptr ||
            ::RegQueryValueExW(section, lpszEntry, nullptr, &dwType, nullptr, &dwBytes) !=
                ERROR_SUCCESS ||
            dwType != REG_BINARY)
            return FALSE;
        data.resize(dwBytes);
        if (dwBytes > 0 && ::RegQueryValueExW(section, lpszEntry, nullptr, &dwType, data.data(),
                                              &dwBytes) != ERROR_SUCCESS)
            return FALSE;
    }
    *pBytes = UINT(data.size());
    *ppData = new BYTE[data.size()];
    std::copy(data.begin(), data.end(), *ppData);
    return TRUE;
}

BOOL CWinApp::WriteProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE pData, UINT nBytes)
{
    if (m_pszRegistryKey == nullptr)
        return WriteProfileString(lpszSection, lpszEntry, EncodeBinary(pData, nBytes));
    CRegKey section(GetSectionKey(lpszSection));
    return section != nullptr &&
           ::RegSetValueExW(section, lpszEntry, 0, REG_BINARY, pData, nBytes) == ERROR_SUCCESS;
}
