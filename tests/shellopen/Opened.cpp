// What the file tests associate with a file type of their own, so that opening such a file
// through the shell has an effect they can see: it leaves a mark beside the file it is given,
// the file's name followed by ".opened".
#include <windows.h>

#include <string>

int wmain(int argc, wchar_t** argv)
{
    if (argc < 2)
        return 1;
    std::wstring mark = std::wstring(argv[1]) + L".opened";
    HANDLE hFile = ::CreateFileW(mark.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return 1;
    ::CloseHandle(hFile);
    return 0;
}
