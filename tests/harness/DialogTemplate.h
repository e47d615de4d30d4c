// Dialog templates built in memory, for dialogs that tests create without resources.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace pgtest {

// Predefined window classes of dialog items, by their atoms.
enum class DialogItemClass : WORD
{
    Button = 0x0080,
    Edit = 0x0081,
    Static = 0x0082,
    ListBox = 0x0083,
    ScrollBar = 0x0084,
};

class DialogTemplate
{
public:
    // Coordinates are dialog units; the font is 8-point "MS Shell Dlg".
    DialogTemplate(DWORD style, short cx, short cy, const std::wstring& title = L"");

    DialogTemplate& Add(DialogItemClass itemClass, DWORD style, short x, short y, short cx,
                        short cy, WORD id, const std::wstring& text = L"", DWORD exStyle = 0);

    LPCDLGTEMPLATE Get() const { return reinterpret_cast<LPCDLGTEMPLATE>(m_words.data()); }

private:
    void AppendString(const std::wstring& text);
    void AlignToDword();

    std::vector<WORD> m_words;
};

} // namespace pgtest
