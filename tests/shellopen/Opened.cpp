// What the file tests associate with a file type of their own, so that opening such a file
// through the shell has an effect they can see: it leaves a mark beside the file it is given,
// the file's name followed by ".opened". A windows program, so that no console comes up over
// the tests' windows.
#include <windows.h>

#include <stdlib.h>
#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    if (__argc < 2)
        return 1;
    std::wstring mark = std::wstring(__wargv[1]) + L".opened";
    HANDLE hFile = ::CreateFileW(mark.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return 1;
    ::CloseHandle(hFile);
    return 0;
}
