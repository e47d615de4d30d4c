// A folder of its own for a test's files, removed with everything in it when the test ends.
#pragma once

#include <string>

namespace pgtest {

class TempFolder
{
public:
    // A new folder below the system's temporary folder.
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder's full path, without a closing backslash.
    const std::wstring& Path() const { return m_path; }
    // The full path of a name in the folder.
    std::wstring operator/(const std::wstring& name) const { return m_path + L"\\" + name; }
    // Creates the file with these bytes; false when it cannot.
    bool Write(const std::wstring& name, const std::string& content = "") const;
    bool Exists(const std::wstring& name) const;

private:
    std::wstring m_path; // the folder
};

} // namespace pgtest
