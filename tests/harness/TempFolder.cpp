#include "TempFolder.h"

#include <windows.h>

namespace pgtest {

TempFolder::TempFolder()
{
    wchar_t szTemp[MAX_PATH] = L"";
    ::GetTempPathW(MAX_PATH, szTemp);
    wchar_t szFolder[MAX_PATH] = L"";
    ::GetTempFileNameW(szTemp, L"pgt", 0, szFolder);
    // The name the system made unique is taken for the folder.
    ::DeleteFileW(szFolder);
    ::CreateDirectoryW(szFolder, nullptr);
    m_path = szFolder;
}

TempFolder::~TempFolder()
{
    WIN32_FIND_DATAW found;
    HANDLE hFind = ::FindFirstFileW((m_path + L"\\*").c_str(), &found);
    if (hFind != INVALID_HANDLE_VALUE) {
        do {
            if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
                ::DeleteFileW((*this / found.cFileName).c_str());
        } while (::FindNextFileW(hFind, &found));
        ::FindClose(hFind);
    }
    ::RemoveDirectoryW(m_path.c_str());
}

bool TempFolder::Write(const std::wstring& name, const std::string& content) const
{
    HANDLE hFile = ::CreateFileW((*this / name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return false;
    DWORD dwWritten = 0;
    DWORD dwBytes = DWORD(content.size());
    bool bWritten =
        dwBytes == 0 ||
        (::WriteFile(hFile, content.data(), dwBytes, &dwWritten, nullptr) && dwWritten == dwBytes);
    ::CloseHandle(hFile);
    return bWritten;
}

bool TempFolder::Exists(const std::wstring& name) const
{
    return ::GetFileAttributesW((*this / name).c_str()) != INVALID_FILE_ATTRIBUTES;
}

} // namespace pgtest
