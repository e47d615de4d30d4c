// Looking for Wine's HTML engine where Wine itself looks for it before it asks the user.
#include "grid/HtmlEngine.h"

#include <string>

namespace {

// The engine's folders and installer packages for this module's architecture, any version.
constexpr const wchar_t* kEngineFiles = L"wine-gecko-*-x86_64*";

bool IsRunningOnWine()
{
    HMODULE hNtdll = ::GetModuleHandleW(L"ntdll.dll");
    return hNtdll != nullptr && ::GetProcAddress(hNtdll, "wine_get_version") != nullptr;
}

bool Exists(const std::wstring& path)
{
    return !path.empty() && ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// An engine installed in the prefix: Software\Wine\MSHTML\<version> names its folder.
bool IsInstalledInPrefix()
{
    HKEY hKey = nullptr;
    if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"Software\\Wine\\MSHTML", 0, KEY_READ, &hKey) !=
        ERROR_SUCCESS)
        return false;
    bool bFound = false;
    wchar_t szVersion[64];
    for (DWORD nIndex = 0; !bFound; ++nIndex) {
        DWORD cchVersion = 64;
        if (::RegEnumKeyExW(hKey, nIndex, szVersion, &cchVersion, nullptr, nullptr, nullptr,
                            nullptr) != ERROR_SUCCESS)
            break;
        wchar_t szPath[MAX_PATH] = L"";
        DWORD cbPath = sizeof(szPath);
        bFound = ::RegGetValueW(hKey, szVersion, L"GeckoPath", RRF_RT_REG_SZ, nullptr, szPath,
                                &cbPath) == ERROR_SUCCESS &&
                 Exists(szPath);
    }
    ::RegCloseKey(hKey);
    return bFound;
}

bool HasEngineFiles(const std::wstring& folder)
{
    if (folder.empty())
        return false;
    WIN32_FIND_DATAW data;
    HANDLE hFind = ::FindFirstFileW((folder + L"\\" + kEngineFiles).c_str(), &data);
    if (hFind == INVALID_HANDLE_VALUE)
        return false;
    ::FindClose(hFind);
    return true;
}

std::wstring Variable(const wchar_t* pszName)
{
    wchar_t szValue[MAX_PATH];
    DWORD cchValue = ::GetEnvironmentVariableW(pszName, szValue, MAX_PATH);
    return cchValue > 0 && cchValue < MAX_PATH ? std::wstring(szValue) : std::wstring();
}

// Wine hands its own folders to a process as NT paths (\??\Z:\usr\share\wine).
std::wstring WineFolder(const wchar_t* pszVariable)
{
    std::wstring path = Variable(pszVariable);
    if (path.compare(0, 4, L"\\??\\") == 0)
        path[1] = L'\\';
    return path;
}

// A Unix path that Wine reaches whatever the drive letters are.
std::wstring UnixFolder(const std::wstring& unixPath)
{
    return unixPath.empty() ? unixPath : L"\\\\?\\unix" + unixPath;
}

std::wstring CacheFolder()
{
    std::wstring cache = UnixFolder(Variable(L"XDG_CACHE_HOME"));
    if (cache.empty()) {
        std::wstring home = WineFolder(L"WINEHOMEDIR");
        if (home.empty())
            return home;
        cache = home + L"\\.cache";
    }
    return cache + L"\\wine";
}

bool IsInWineFolders()
{
    std::wstring dataFolder = WineFolder(L"WINEDATADIR");
    return HasEngineFiles(dataFolder.empty() ? dataFolder : dataFolder + L"\\gecko") ||
           HasEngineFiles(UnixFolder(L"/usr/share/wine/gecko")) ||
           HasEngineFiles(UnixFolder(L"/opt/wine/gecko")) || HasEngineFiles(CacheFolder());
}

} // namespace

bool IsHtmlEngineInstalled()
{
    return !IsRunningOnWine() || IsInstalledInPrefix() || IsInWineFolders();
}
