#include "properties/ZNPropertyGridPropertyEnum.h"

#include <algorithm>
#include <utility>

namespace {

// The pieces of a text between the separators, empty ones and the one after the last
// separator included: "a||b|" gives "a", "", "b" and "".
std::vector<CString> SplitAt(const CString& strText, wchar_t chSeparator)
{
    std::vector<CString> pieces;
    int nStart = 0;
    for (int nAt; (nAt = strText.Find(chSeparator, nStart)) != -1; nStart = nAt + 1)
        pieces.push_back(strText.Mid(nStart, nAt - nStart));
    pieces.push_back(strText.Mid(nStart));
    return pieces;
}

} // namespace

CZNPropertyGridPropertyEnum::CZNPropertyGridPropertyEnum(CZNPropertyGridCategory* pCategory,
                                                         const wchar_t* pszName,
                                                         const wchar_t* pszHelp, unsigned nID,
                                                         const wchar_t* pszOptions)
    : CZNPropertyGridTextualProperty(pCategory, pszName, pszHelp, nID, PGT_ENUM,
                                     L"PropertyGridPropertyEnum")
{
    ParseOptions(pszOptions);
}

// Lines end at a line feed alone; a carriage return before it stays in the last item.
void CZNPropertyGridPropertyEnum::ParseOptions(const wchar_t* pszOptions)
{
    if (pszOptions == nullptr || *pszOptions == L'\0')
        return;
    for (const CString& strLine : SplitAt(pszOptions, L'\n')) {
        std::vector<CString> items = SplitAt(strLine, L'|');
        if (strLine.IsEmpty())
            items.clear();
        auto itKeyword = std::remove_if(items.begin(), items.end(), [](const CString& strItem) {
            return strItem.CompareNoCase(L"$readonly$") == 0;
        });
        m_ListFlags.push_back(itKeyword != items.end() ? ENUM_LIST_READONLY : 0);
        items.erase(itKeyword, items.end());
        m_ItemLists.push_back(std::move(items));
    }
}

size_t CZNPropertyGridPropertyEnum::ListIndex(int nIndex) const
{
    return nIndex >= 0 && size_t(nIndex) < m_ItemLists.size() ? size_t(nIndex) : 0;
}

const std::vector<CString>* CZNPropertyGridPropertyEnum::GetItemList(int nIndex) const
{
    return m_ItemLists.empty() ? nullptr : &m_ItemLists[ListIndex(nIndex)];
}

unsigned CZNPropertyGridPropertyEnum::GetListFlags(int nIndex) const
{
    return m_ListFlags.empty() ? 0 : m_ListFlags[ListIndex(nIndex)];
}

void CZNPropertyGridPropertyEnum::BeginEditor(CZNPropertyGridPropertyEnumValueDlg& editor,
                                              int nIndex, void* pValue, RECT* pCell)
{
    editor.BeginEdit(this, pValue, pCell, GetItemList(nIndex), GetListFlags(nIndex));
}

eReturnEvent CZNPropertyGridPropertyEnum::OnMouseWheel(UINT nFlags, short zDelta, CPoint point)
{
    CZNPropertyGridPropertyEnumValueDlg* pEditor = Editor();
    if (pEditor != nullptr && pEditor->ScrollDropList(nFlags, zDelta, point))
        return RE_HANDLED;
    return RE_DEACTIVATE;
}
