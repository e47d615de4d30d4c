#include "DialogTemplate.h"

namespace pgtest {

namespace {

void AppendDword(std::vector<WORD>& words, DWORD value)
{
    words.push_back(LOWORD(value));
    words.push_back(HIWORD(value));
}

constexpr size_t kItemCountIndex = 4; // DLGTEMPLATE.cdit, after style and extended style

} // namespace

DialogTemplate::DialogTemplate(DWORD style, short cx, short cy, const std::wstring& title)
{
    AppendDword(m_words, style | DS_SETFONT);
    AppendDword(m_words, 0);
    m_words.push_back(0); // item count, raised by Add
    for (short value : {short(0), short(0), cx, cy})
        m_words.push_back(WORD(value));
    m_words.push_back(0); // no menu
    m_words.push_back(0); // the standard dialog class
    AppendString(title);
    m_words.push_back(8);
    AppendString(L"MS Shell Dlg");
}

DialogTemplate& DialogTemplate::Add(DialogItemClass itemClass, DWORD style, short x, short y,
                                    short cx, short cy, WORD id, const std::wstring& text,
                                    DWORD exStyle)
{
    AlignToDword();
    AppendDword(m_words, style | WS_CHILD | WS_VISIBLE);
    AppendDword(m_words, exStyle);
    for (short value : {x, y, cx, cy})
        m_words.push_back(WORD(value));
    m_words.push_back(id);
    m_words.push_back(0xFFFF);
    m_words.push_back(WORD(itemClass));
    AppendString(text);
    m_words.push_back(0); // no creation data
    ++m_words[kItemCountIndex];
    return *this;
}

void DialogTemplate::AppendString(const std::wstring& text)
{
    m_words.insert(m_words.end(), text.begin(), text.end());
    m_words.push_back(0);
}

// Items start on DWORD boundaries; the vector's buffer itself is suitably aligned.
void DialogTemplate::AlignToDword()
{
    if (m_words.size() % 2 != 0)
        m_words.push_back(0);
}

} // namespace pgtest
